#include "app/language/window_language.h"

#include <QCoreApplication>
#include <QEvent>

#include "app/window/main_window.h"

namespace app {

WindowLanguage::WindowLanguage(MainWindow& window) : QObject(&window), window_(window) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool WindowLanguage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange)
        window_.retranslate();
    return QObject::eventFilter(watched, event);
}

}  // namespace app

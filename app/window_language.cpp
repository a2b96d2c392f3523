#include "app/window_language.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>

#include "app/beside_board.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/side_panel.h"
#include "app/surface_view.h"

namespace app {

namespace {

constexpr const char* kJapanese = "nuedori-japanese";
constexpr const char* kSwitchName = "LANGUAGE";

// The menus' captions and the file panel's label, for the translation tools.
[[maybe_unused]] constexpr const char* kCaptions[] = {
    QT_TRANSLATE_NOOP("Menu", "対局"),
    QT_TRANSLATE_NOOP("Menu", "対局(人間)"),
    QT_TRANSLATE_NOOP("Menu", "スタート"),
    QT_TRANSLATE_NOOP("Menu", "対局(COM)"),
    QT_TRANSLATE_NOOP("Menu", "先手"),
    QT_TRANSLATE_NOOP("Menu", "後手"),
    QT_TRANSLATE_NOOP("Menu", "COM対局ﾚﾍﾞﾙ"),
    QT_TRANSLATE_NOOP("Menu", "終わり"),
    QT_TRANSLATE_NOOP("Menu", "局面"),
    QT_TRANSLATE_NOOP("Menu", "最初"),
    QT_TRANSLATE_NOOP("Menu", "反転"),
    QT_TRANSLATE_NOOP("Menu", "戻"),
    QT_TRANSLATE_NOOP("Menu", "進"),
    QT_TRANSLATE_NOOP("Menu", "棋譜"),
    QT_TRANSLATE_NOOP("Menu", "読込"),
    QT_TRANSLATE_NOOP("Menu", "書込"),
    QT_TRANSLATE_NOOP("Menu", "ｵﾌﾟｼｮﾝ"),
    QT_TRANSLATE_NOOP("Menu", "移動指導"),
    QT_TRANSLATE_NOOP("Menu", "その他"),
    QT_TRANSLATE_NOOP("Menu", "新しい対局"),
    QT_TRANSLATE_NOOP("Menu", "投了"),
    QT_TRANSLATE_NOOP("Menu", "一手戻る"),
    QT_TRANSLATE_NOOP("Menu", "一手進む"),
    QT_TRANSLATE_NOOP("Menu", "棋譜の初めへ"),
    QT_TRANSLATE_NOOP("Menu", "棋譜の終わりへ"),
    QT_TRANSLATE_NOOP("Menu", "勢力表示"),
    QT_TRANSLATE_NOOP("Menu", "ヒント"),
    QT_TRANSLATE_NOOP("Window", "ﾌｧｲﾙ名 ："),
};

bool hasJapanese(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x3000) return true;
    return false;
}

// The Japanese a caption had when first seen, kept on the object.
QString japaneseOf(QObject& object, const QString& shown) {
    const QVariant kept = object.property(kJapanese);
    if (kept.isValid()) return kept.toString();
    object.setProperty(kJapanese, shown);
    return shown;
}

}  // namespace

WindowLanguage::WindowLanguage(MainWindow& window) : QObject(&window), window_(window) {
    if (QMenu* options = window.menuBar()->findChild<QMenu*>("OPTION")) {
        options->addSeparator();
        switch_ = options->addAction(QString());
        switch_->setObjectName(kSwitchName);
        connect(switch_, &QAction::triggered, this, [] {
            if (Translators* t = Translators::of())
                t->use(t->language() == Language::English ? Language::Japanese : Language::English);
        });
        switch_->setEnabled(Translators::of() != nullptr);
    }
    QCoreApplication::instance()->installEventFilter(this);
    retranslate();
}

bool WindowLanguage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange) retranslate();
    return QObject::eventFilter(watched, event);
}

void WindowLanguage::retranslate() {
    for (QAction* a : window_.menuBar()->findChildren<QAction*>()) {
        if (a == switch_ || !(a->property(kJapanese).isValid() || hasJapanese(a->text()))) continue;
        a->setText(windowText("Menu", japaneseOf(*a, a->text())));
    }
    for (QLabel* label : window_.view()->findChildren<QLabel*>()) {
        if (!(label->property(kJapanese).isValid() || hasJapanese(label->text()))) continue;
        label->setText(windowText("Window", japaneseOf(*label, label->text())));
    }
    if (switch_) switch_->setText(inEnglish() ? "日本語" : "English");
    SidePanel& panel = window_.besideBoard().panel();
    panel.moveList()->setAccessibleName(QCoreApplication::translate("Panel", "棋譜"));
    panel.turnLabel()->setAccessibleName(QCoreApplication::translate("Panel", "手番"));
    window_.besideBoard().follow();
    window_.view()->repaintAll();
}

}  // namespace app

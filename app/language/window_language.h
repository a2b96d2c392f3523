#pragma once

#include <QObject>

namespace app {

class MainWindow;

// Puts the window into the language chosen whenever it changes: the menus
// from their table, the file panel, the side panel and the surface's texts.
class WindowLanguage : public QObject {
public:
    explicit WindowLanguage(MainWindow& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainWindow& window_;
};

}  // namespace app

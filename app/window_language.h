#pragma once

#include <QObject>

class QAction;

namespace app {

class MainWindow;

// The window's texts in the language chosen: the menus, the file panel's
// label, the side panel and the move list, and ｵﾌﾟｼｮﾝ → English (日本語 in
// English), which switches at once. Japanese captions are remembered on each
// menu item and label, so switching back restores them exactly.
class WindowLanguage : public QObject {
public:
    explicit WindowLanguage(MainWindow& window);

    QAction* switchItem() const { return switch_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void retranslate();

    MainWindow& window_;
    QAction* switch_ = nullptr;
};

}  // namespace app

#pragma once

#include <QObject>
#include <QSize>

#include <functional>

class QMainWindow;
class QWidget;

namespace app {

// How the window shares its room between the board and the side panel. The
// board keeps at least this share of the window's smaller side (where the
// window's shape allows it: a board is taller than wide, and the level
// display and the move texts stand beside it), and the panel takes what is
// left, up to its full width; too narrow to read, it gives its room up.
inline constexpr double kBoardShare = 0.6;
inline constexpr int kPanelFullWidth = 210;
inline constexpr int kPanelNarrowest = 96;

// The board's height in a view of the given size, in the view's pixels.
double boardHeightIn(QSizeF view);

// The side panel's width in a window of the given size, whose menu bar and
// status line take `barsHeight` of its height.
// 例: sidePanelWidth({838, 511}, 40) == 210; sidePanelWidth({420, 300}, 40) == 0
int sidePanelWidth(QSize window, int barsHeight);

// The first window's share of the screen's available height.
inline constexpr double kFirstWindowShare = 0.8;

// The first window's size on a screen's available area: four fifths of its
// height, the surface's shape and the panel beside it giving the width, or,
// on a screen too narrow for that, as large as fits, with no green bands
// above and below.
QSize firstWindowSize(QSize available, int barsHeight);

// The height the menu bar and the status line take of a main window.
int barsHeight(const QMainWindow& window);

// Keeps the side panel's width to the window's size as it changes, and
// hides it when the player asks.
class PanelFit : public QObject {
public:
    PanelFit(QWidget& window, QWidget& panel, std::function<int()> barsHeight);

    bool shown() const { return shown_; }
    void setShown(bool shown);
    // Applies the width for the window's size now.
    void fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    QWidget& panel_;
    std::function<int()> barsHeight_;
    bool shown_ = true;
};

}  // namespace app

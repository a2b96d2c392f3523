#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <map>
#include <tuple>

#include "app/board/piece_sets.h"
#include "state/window_port.h"

class QPainter;

namespace app {

// The sixteen console colours the game names by number (0 black, 2 green,
// 12 light red, 15 white are the ones it uses).
QColor paletteColour(int number);

// Fonts of the window: a brush-like serif face for the pieces and the title,
// a plain face for the texts beside the board.
inline constexpr const char* kPieceFontFamily = "IPAexMincho";
inline constexpr const char* kTextFontFamily = "IPAexGothic";

// What a piece image shows: its kanji (one or two, stacked), whether it is
// red (promoted), its size among the pieces, and whether it is turned about.
// A symbol face shows the kanji field as a letter with the marks of the
// kind's moves instead (see paintSymbol).
struct PieceFace {
    QString kanji;
    bool red = false;
    double size = 1.0;  // 1.0 for the kings, smaller for the lesser pieces
    bool upper = false;
    bool symbol = false;
    int kind = 0;  // the piece code's magnitude, for a symbol face
    friend bool operator<(const PieceFace& a, const PieceFace& b) {
        return std::tie(a.kanji, a.red, a.size, a.upper, a.symbol, a.kind) <
               std::tie(b.kanji, b.red, b.size, b.upper, b.symbol, b.kind);
    }
    friend bool operator==(const PieceFace& a, const PieceFace& b) {
        return std::tie(a.kanji, a.red, a.size, a.upper, a.symbol, a.kind) ==
               std::tie(b.kanji, b.red, b.size, b.upper, b.symbol, b.kind);
    }
};

// The face an image shows. KARA_MASU and TITLE have none (empty kanji).
// 例: faceOf({Image::UE_OU, 0, 14}).kanji == "鵺", and .upper is true
PieceFace faceOf(state::ImageRef image);

// Paints one piece (shadow, five-sided wooden body, kanji) centred in a cell
// of the given size in device pixels; the background is left as it was.
void paintPiece(QPainter& p, const QRectF& cell, const PieceFace& face);
// Paints the lettering of that piece alone (its kanji, or its letter and
// marks), exactly where paintPiece paints it: over a tint laid on a piece,
// it keeps the ink's own colour.
void paintLettering(QPainter& p, const QRectF& cell, const PieceFace& face);

// The title picture: the game's name in large kanji on a wooden plaque,
// opaque over its whole rectangle.
void paintTitle(QPainter& p, const QRectF& area);

// Size of the title picture in twips: about three cells wide.
inline constexpr double kTitleWidth = 1620, kTitleHeight = 960;

// The artwork at one resolution (device pixels per twip), made on first use
// (or all at once by prepare) and kept: the board's wood with its grid lines,
// the piece images, the title. It may be made on one thread and used on
// another, one at a time. Its pieces wear the faces of one set.
class Artwork {
public:
    explicit Artwork(double devicePerTwip, PieceSet set = PieceSet::Kanji2) : k_(devicePerTwip), set_(set) {}

    // Device pixel rectangle of a twip rectangle, edges rounded to whole
    // pixels so that neighbouring cells share their edges exactly.
    QRect toDevice(const QRectF& twips) const;

    // Draws the empty square at cell (x, y): the board's own wood and grid
    // lines on the board, a plain wooden square elsewhere.
    void drawSquare(QPainter& p, double x, double y);
    // The same, only inside the ring of the cell's outline (restores the grid line).
    void drawSquareRing(QPainter& p, int x, int y);
    void drawPiece(QPainter& p, double x, double y, const PieceFace& face);
    // The whole board's wood and lines at once.
    void drawBoard(QPainter& p);
    void drawTitle(QPainter& p, double x, double y);

    // Makes the board's wood, the title for its place and every piece face
    // now, so that drawing them later only copies them.
    void prepare(double titleX, double titleY);

    // Thickness of a cell's outline in device pixels.
    int ringWidth() const;
    QRect cellDeviceRect(double x, double y) const;
    // The cell a piece's image is painted in at (x, y), in device pixels: its
    // image's size from the cell's corner.
    QRectF pieceCell(double x, double y) const;

private:
    const QImage& boardWood();
    const QImage& pieceImage(const PieceFace& face, QSize size);
    const QImage& titleImage(QSize size);
    QSize pieceSize() const;

    double k_;
    PieceSet set_;
    QImage board_;
    QRect boardRect_;
    QImage title_;
    std::map<std::tuple<PieceFace, int, int>, QImage> pieces_;
};

}  // namespace app

#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

#include "app/board/artwork.h"
#include "state/window_port.h"

class QPainter;

namespace app {

// One drawing call of the game, kept in twips so it can be painted again at
// any size: a filled rectangle, a cell outline, an image or a text.
struct DrawOp {
    enum class Kind { Fill, Outline, Image, Text };
    Kind kind = Kind::Fill;
    QRectF area;     // every twip the call may touch
    QPointF at;      // cell position (Outline: whole cell numbers)
    int colour = 0;  // Fill, Outline, Text
    state::ImageRef image;
    QString text;             // Text: what it says in Japanese, which the surface compares
    state::SurfaceText said;  // Text: what it says, worded when painted
    state::TextStyle style;
};

// The widest a move's text beside the board may be in English, in twips:
// the place its erasing clears, from the column's place, less its shadow's
// step, so that nothing of it is left when the move text is erased.
inline constexpr double kMoveTextWidth = 1250 - 0.4 * 490;

// The font a text of the given style is printed in, at a pixel size for the
// given number of device pixels per twip (a point is 20 twips).
QFont textFont(const state::TextStyle& style, double devicePerTwip);

// The twips a text covers when printed with its top-left corner at `at`.
QRectF textArea(QPointF at, const QString& text, const state::TextStyle& style);

// The game's drawing calls as the window port is asked for them: an outline
// of a cell, a filled rectangle, an image and a text at a cell position.
DrawOp outlineCall(int colour, int x, int y);
DrawOp fillCall(double x, double y, int width, int height, int colour);
DrawOp imageCall(state::ImageRef image, double x, double y);
DrawOp textCall(double x, double y, const state::SurfaceText& text, state::TextStyle style);

// The game's persistent drawing surface. Everything drawn stays until
// something is drawn over it, as on paper. The surface keeps the calls that
// still show (a call drawn over entirely by a later opaque one is dropped, and
// a text printed again in the same place replaces its older copy), so it can
// be painted sharply at whatever size the window has.
class DrawingSurface {
public:
    void add(DrawOp op);
    const std::vector<DrawOp>& calls() const { return calls_; }

    // Calls added since the last take, for painting onto an existing picture;
    // `all` is set when there were too many and the whole picture should be
    // painted afresh.
    std::vector<DrawOp> takeNew(bool& all);

private:
    std::vector<DrawOp> calls_;
    std::vector<DrawOp> new_;
    bool overflow_ = false;
};

// Paints the game's drawing calls at one resolution: device pixels per twip.
class SurfacePainter {
public:
    explicit SurfacePainter(double devicePerTwip, PieceSet set = PieceSet::Kanji2)
        : k_(devicePerTwip), set_(set), art_(devicePerTwip, set) {}
    double devicePerTwip() const { return k_; }
    PieceSet pieceSet() const { return set_; }

    // The device size of the whole surface.
    QSize deviceSize() const;
    void paint(QPainter& p, const DrawOp& op);
    // Makes all the artwork now (see Artwork::prepare).
    void prepare();
    // A picture of the whole surface: green, then every call in order.
    QImage picture(const std::vector<DrawOp>& calls);

private:
    void outline(QPainter& p, const DrawOp& op);
    // Shrinks a move's English text until it fits its place.
    void fitMoveText(QFont& font, const QString& words) const;

    double k_;
    PieceSet set_;
    Artwork art_;
};

}  // namespace app

#include "app/board/drawing_surface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "app/board/surface_geometry.h"
#include "app/language/language.h"
#include "state/game_state.h"

namespace app {

namespace {

// Beyond this many calls between two paints the picture is painted afresh.
constexpr std::size_t kMaxNewCalls = 4096;

bool covers(const QRectF& outer, const QRectF& inner) {
    constexpr double e = 0.01;
    return inner.left() >= outer.left() - e && inner.top() >= outer.top() - e &&
           inner.right() <= outer.right() + e && inner.bottom() <= outer.bottom() + e;
}

bool boardSquare(QPointF cell) { return cell.x() >= 1 && cell.x() <= 9 && cell.y() >= 1 && cell.y() <= 9; }

}  // namespace

QFont textFont(const state::TextStyle& style, double devicePerTwip) {
    QFont font(kTextFontFamily);
    font.setBold(style.bold);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(style.size * 20 * devicePerTwip))));
    return font;
}

QRectF textArea(QPointF at, const QString& text, const state::TextStyle& style) {
    // Measured at the natural size (the font the first paint needs anyway);
    // the margin takes in anti-aliasing, bold strokes and the small changes of
    // width hinting makes at other sizes.
    const QFontMetricsF m(textFont(style, 1.0 / kTwipsPerPixel));
    const double width = m.horizontalAdvance(text) * kTwipsPerPixel;
    const double height = m.height() * kTwipsPerPixel;
    const double side = height * 0.15 + width * 0.05 + kTwipsPerPixel, above = height * 0.15 + kTwipsPerPixel;
    return QRectF(at.x() - side, at.y() - above, width + 2 * side, height + 2 * above);
}

DrawOp outlineCall(int colour, int x, int y) {
    DrawOp op;
    op.kind = DrawOp::Kind::Outline;
    op.area = cellRect(x, y);
    op.at = QPointF(x, y);
    op.colour = colour;
    return op;
}

DrawOp fillCall(double x, double y, int width, int height, int colour) {
    DrawOp op;
    op.kind = DrawOp::Kind::Fill;
    op.area = QRectF(cellToTwips(x, y), QSizeF(width, height));
    op.at = QPointF(x, y);
    op.colour = colour;
    return op;
}

DrawOp imageCall(state::ImageRef image, double x, double y) {
    DrawOp op;
    op.kind = DrawOp::Kind::Image;
    op.image = image;
    op.at = QPointF(x, y);
    op.area = image.name == state::Image::TITLE ? QRectF(cellToTwips(x, y), QSizeF(kTitleWidth, kTitleHeight))
                                                : cellRect(x, y);
    return op;
}

DrawOp textCall(double x, double y, const state::SurfaceText& text, state::TextStyle style) {
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.at = QPointF(x, y);
    op.text = japaneseWords(text);
    op.said = text;
    op.style = style;
    op.colour = style.colour;
    // Every twip the text may cover in either language: a move's English fits its place.
    QRectF english = textArea(cellToTwips(x, y), englishWords(text), style);
    if (text.kind == state::SurfaceText::Kind::MoveColumn)
        english.setWidth(std::min(english.width(), kMoveTextWidth));
    op.area = textArea(cellToTwips(x, y), op.text, style).united(english);
    return op;
}

void DrawingSurface::add(DrawOp op) {
    const auto hidden = [&op](const DrawOp& old) {
        switch (op.kind) {
            case DrawOp::Kind::Fill:
            case DrawOp::Kind::Image: return covers(op.area, old.area);
            case DrawOp::Kind::Outline: return old.kind == DrawOp::Kind::Outline && old.at == op.at;
            // The same text printed again in the same place stands for the old
            // one: a label or a number redrawn at every new game must not pile
            // up (nor darken its edges at each reprint).
            case DrawOp::Kind::Text:
                return old.kind == DrawOp::Kind::Text && old.at == op.at && old.text == op.text &&
                       old.colour == op.colour && old.style == op.style;
        }
        return false;
    };
    std::erase_if(calls_, hidden);
    calls_.push_back(op);
    if (overflow_) return;
    if (new_.size() >= kMaxNewCalls) {
        overflow_ = true;
        new_.clear();
        return;
    }
    new_.push_back(std::move(op));
}

std::vector<DrawOp> DrawingSurface::takeNew(bool& all) {
    all = overflow_;
    overflow_ = false;
    return std::exchange(new_, {});
}

QSize SurfacePainter::deviceSize() const {
    return QSize(static_cast<int>(std::lround(kSurfaceTwips.width() * k_)),
                 static_cast<int>(std::lround(kSurfaceTwips.height() * k_)));
}

void SurfacePainter::prepare() {
    // The title always stands at cell (11.2, 1), beside the board.
    art_.prepare(11.2, 1);
}

void SurfacePainter::paint(QPainter& p, const DrawOp& op) {
    switch (op.kind) {
        case DrawOp::Kind::Fill: p.fillRect(art_.toDevice(op.area), paletteColour(op.colour)); break;
        case DrawOp::Kind::Outline: outline(p, op); break;
        case DrawOp::Kind::Image:
            if (op.image.name == state::Image::TITLE)
                art_.drawTitle(p, op.at.x(), op.at.y());
            else if (op.image.name == state::Image::KARA_MASU)
                art_.drawSquare(p, op.at.x(), op.at.y());
            else
                art_.drawPiece(p, op.at.x(), op.at.y(), faceIn(set_, op.image));
            break;
        case DrawOp::Kind::Text: {
            const QString words = inEnglish() ? englishWords(op.said) : op.text;
            if (words.isEmpty()) break;
            QFont font = textFont(op.style, k_);
            if (op.said.kind == state::SurfaceText::Kind::MoveColumn) fitMoveText(font, words);
            const QPoint topLeft =
                art_.toDevice(QRectF(cellToTwips(op.at.x(), op.at.y()), QSizeF(1, 1))).topLeft();
            p.setFont(font);
            p.setPen(paletteColour(op.colour));
            p.drawText(QPointF(topLeft) + QPointF(0, QFontMetricsF(font).ascent()), words);
            break;
        }
    }
}

void SurfacePainter::fitMoveText(QFont& font, const QString& words) const {
    const double widest = kMoveTextWidth * k_;
    while (font.pixelSize() > 1 && QFontMetricsF(font).horizontalAdvance(words) > widest)
        font.setPixelSize(font.pixelSize() - 1);
}

void SurfacePainter::outline(QPainter& p, const DrawOp& op) {
    // Colour 2 on the board puts the square's grid line back; away from the
    // board colour 2 is the background like any other colour.
    const int x = static_cast<int>(op.at.x()), y = static_cast<int>(op.at.y());
    if (op.colour == state::kGreen && boardSquare(op.at)) {
        art_.drawSquareRing(p, x, y);
        return;
    }
    const QRect cell = art_.cellDeviceRect(x, y);
    const int r = art_.ringWidth();
    const QColor c = paletteColour(op.colour);
    p.fillRect(QRect(cell.left(), cell.top(), cell.width(), r), c);
    p.fillRect(QRect(cell.left(), cell.bottom() - r + 1, cell.width(), r), c);
    p.fillRect(QRect(cell.left(), cell.top(), r, cell.height()), c);
    p.fillRect(QRect(cell.right() - r + 1, cell.top(), r, cell.height()), c);
}

QImage SurfacePainter::picture(const std::vector<DrawOp>& calls) {
    QImage image(deviceSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(paletteColour(state::kGreen));
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    for (const DrawOp& op : calls) paint(p, op);
    return image;
}

}  // namespace app

#include "app/board/piece_sets.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

#include "app/board/artwork.h"

namespace app {

using namespace state;

namespace {

// The eight ways out of a square, clockwise from straight ahead, as a piece
// of the lower side sees them (ahead is up the board).
enum Way { Ahead, AheadRight, Right, BackRight, Back, BackLeft, Left, AheadLeft };
constexpr unsigned bit(Way w) { return 1u << w; }
constexpr unsigned kOrthogonal = bit(Ahead) | bit(Right) | bit(Back) | bit(Left);
constexpr unsigned kDiagonal = bit(AheadRight) | bit(BackRight) | bit(BackLeft) | bit(AheadLeft);
constexpr unsigned kGold = kOrthogonal | bit(AheadRight) | bit(AheadLeft);
constexpr unsigned kSilver = kDiagonal | bit(Ahead);

// How a kind moves: single steps, lines it slides along, the knight's two
// jumps, and the Nue King's reach of two squares every way (drawn as a ring
// of its own, paintRing).
struct Moves {
    unsigned steps = 0;
    unsigned slides = 0;
    bool knight = false;
    bool twoSquares = false;
};

// By the magnitude of the piece code, 1 (pawn) to 15 (king).
constexpr std::array<Moves, 16> kMoves = {{
    {},
    {bit(Ahead)},               // 歩
    {kGold},                    // と
    {0, bit(Ahead)},            // 香
    {kGold},                    // 成香
    {0, 0, true},               // 桂
    {kGold},                    // 成桂
    {kSilver},                  // 銀
    {kGold},                    // 成銀
    {kGold},                    // 金
    {0, kOrthogonal},           // 飛
    {kDiagonal, kOrthogonal},   // 龍
    {0, kDiagonal},             // 角
    {kOrthogonal, kDiagonal},   // 馬
    {0, 0, false, true},        // 鵺王
    {kOrthogonal | kDiagonal},  // 王
}};

// The letters of the English move list: P L N S G R B K, and U for the Nue King.
constexpr std::array<const char*, 16> kLetters = {"",  "P", "P", "L", "L", "N", "N", "S",
                                                  "S", "G", "R", "R", "B", "B", "U", "K"};

// Where each way's mark points to, as fractions of the body (its five-sided
// outline runs from the apex at (0.5, 0) through the shoulders at 0.2 down),
// and the way's direction.
struct Anchor {
    double x, y, dx, dy;
};
constexpr double kHalf = 0.70710678;
constexpr std::array<Anchor, 8> kAnchors = {{
    {0.50, 0.10, 0, -1},
    {0.80, 0.27, kHalf, -kHalf},
    {0.93, 0.60, 1, 0},
    {0.91, 0.93, kHalf, kHalf},
    {0.50, 0.95, 0, 1},
    {0.09, 0.93, -kHalf, kHalf},
    {0.07, 0.60, -1, 0},
    {0.20, 0.27, -kHalf, -kHalf},
}};

// A small triangle with its tip at `tip`, pointing along (dx, dy).
void triangle(QPainter& p, QPointF tip, double dx, double dy, double size) {
    const QPointF along(dx * size, dy * size), across(-dy * size * 0.62, dx * size * 0.62);
    p.drawPolygon(QPolygonF({tip, tip - along + across, tip - along - across}));
}

void paintMarks(QPainter& p, const QRectF& body, const Moves& m) {
    const double size = body.width() * 0.14;
    const auto at = [&body](double fx, double fy) {
        return QPointF(body.left() + fx * body.width(), body.top() + fy * body.height());
    };
    for (int w = 0; w < 8; ++w) {
        const Anchor& a = kAnchors[static_cast<std::size_t>(w)];
        const QPointF tip = at(a.x, a.y);
        if ((m.steps | m.slides) & (1u << w)) triangle(p, tip, a.dx, a.dy, size);
        // A shaft behind the triangle: any number of squares.
        if (m.slides & (1u << w)) {
            const QPointF back = tip - QPointF(a.dx, a.dy) * size * 1.9;
            p.save();
            p.setPen(QPen(p.brush().color(), size * 0.38, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(back, tip - QPointF(a.dx, a.dy) * size * 0.8);
            p.restore();
        }
    }
    if (m.knight) {
        // One column aside and two rows ahead.
        const double len = std::sqrt(5.0);
        triangle(p, at(0.34, 0.13), -1 / len, -2 / len, size);
        triangle(p, at(0.66, 0.13), 1 / len, -2 / len, size);
    }
}

// The Nue King's letter stands a little smaller in the middle of a ring of
// eight marks, one each way, each of two dots in a line: two squares that
// way. The ring's centre and its two radii across and down, as fractions of
// the body, keep the dots off the letter and inside the outline.
constexpr double kRingCentre = 0.57;
constexpr double kInnerAcross = 0.26, kInnerDown = 0.24, kOuterAcross = 0.356, kOuterDown = 0.354;

QPointF ringCentre(const QRectF& body) {
    return {body.center().x(), body.top() + body.height() * kRingCentre};
}

void paintRing(QPainter& p, const QRectF& body) {
    const QPointF centre = ringCentre(body);
    const double dot = body.width() * 0.045;
    for (const Anchor& a : kAnchors)
        for (const auto& [across, down] :
             {std::pair{kInnerAcross, kInnerDown}, std::pair{kOuterAcross, kOuterDown}})
            p.drawEllipse(centre + QPointF(a.dx * across * body.width(), a.dy * down * body.height()), dot,
                          dot);
}

}  // namespace

std::optional<PieceSet> pieceSetNamed(const QString& name) {
    for (const PieceSetInfo& info : kPieceSets)
        if (name == QLatin1String(info.name)) return info.set;
    return std::nullopt;
}

PieceFace faceIn(PieceSet set, state::ImageRef image) {
    PieceFace f = faceOf(image);
    if (f.kanji.isEmpty() || set == PieceSet::Kanji2) return f;
    if (set == PieceSet::Kanji1) {
        if (f.kanji == "成香") f.kanji = "杏";
        if (f.kanji == "成桂") f.kanji = "圭";
        if (f.kanji == "成銀") f.kanji = "全";
        return f;
    }
    // The image names the kind, save the royal pieces' shared image: its
    // face says which; a promoted lance, knight or silver is the next code.
    using state::Image;
    const int first = f.upper ? static_cast<int>(Image::UE_HU) : static_cast<int>(Image::SITA_HU);
    static constexpr std::array<int, 11> kCodeOfImage = {1, 2, 3, 5, 7, 9, 10, 11, 12, 13, 15};
    int code = kCodeOfImage[static_cast<std::size_t>(static_cast<int>(image.name) - first)];
    if (image.element == 1 && (code == 3 || code == 5 || code == 7)) ++code;
    if (code == 15 && f.kanji == "鵺") code = 14;
    f.symbol = true;
    f.kind = code;
    f.kanji = kLetters[static_cast<std::size_t>(code)];
    return f;
}

void paintSymbol(QPainter& p, const QRectF& body, const PieceFace& face) {
    const QColor ink = face.red ? QColor(190, 20, 26) : QColor(28, 18, 8);
    const Moves& moves = kMoves[static_cast<std::size_t>(std::clamp(face.kind, 0, 15))];
    QFont font(kTextFontFamily);
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setPixelSize(
        std::max(1, static_cast<int>(std::lround(body.height() * (moves.twoSquares ? 0.34 : 0.44)))));
    p.setFont(font);
    p.setPen(ink);
    const QRectF letter =
        moves.twoSquares
            ? QRectF(ringCentre(body) - QPointF(body.width() * 0.3, body.height() * 0.2),
                     QSizeF(body.width() * 0.6, body.height() * 0.4))
            : QRectF(body.left(), body.top() + body.height() * 0.3, body.width(), body.height() * 0.56);
    // The letter stands upright on both sides' pieces, to be read at once;
    // the piece's point and its marks show which way it faces.
    p.save();
    if (face.upper)
        p.setTransform(QTransform()
                           .translate(letter.center().x(), letter.center().y())
                           .rotate(180)
                           .translate(-letter.center().x(), -letter.center().y()),
                       true);
    p.drawText(letter, Qt::AlignCenter, face.kanji);
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    if (moves.twoSquares)
        paintRing(p, body);
    else
        paintMarks(p, body, moves);
}

}  // namespace app

#include "app/board/artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>

#include "app/board/surface_geometry.h"

namespace app {

using namespace state;

namespace {

constexpr std::array<QRgb, 16> kPalette = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255)};

// Kaya wood of the board, boxwood of the pieces, ink of the lines and kanji.
const QColor kBoardLight(236, 196, 120), kBoardDark(222, 176, 96);
const QColor kGrainDark(150, 100, 40), kGrainLight(255, 236, 190);
const QColor kGridInk(52, 34, 16);
const QColor kPieceLight(250, 232, 188), kPieceDark(232, 198, 132);
const QColor kPieceEdge(118, 80, 34);
const QColor kInk(28, 18, 8), kRedInk(190, 20, 26);

// A fixed-seed generator for the grain, so the board looks the same at every start.
class Grain {
public:
    double next() {  // 0 .. 1
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / static_cast<double>(1ULL << 53);
    }

private:
    unsigned long long state_ = 0x4B414E41ULL;
};

bool onBoard(double x, double y) {
    return x == std::floor(x) && y == std::floor(y) && x >= 1 && x <= 9 && y >= 1 && y <= 9;
}

// Straight grain across the board, as on a quarter-sawn board: one row of
// light and dark lines drawn and then stretched down the whole height.
void paintGrain(QPainter& p, const QRect& r, double devicePerTwip) {
    QImage row(r.width(), 1, QImage::Format_ARGB32_Premultiplied);
    row.fill(Qt::transparent);
    Grain g;
    const double spacing = 60 * devicePerTwip;
    for (double x = 0; x < r.width(); x += spacing * (0.4 + g.next())) {
        const bool dark = g.next() < 0.75;
        const int alpha = dark ? 14 + static_cast<int>(34 * g.next()) : 30;
        const int width = std::max(1, static_cast<int>(std::lround((4 + 16 * g.next()) * devicePerTwip)));
        QColor c = dark ? kGrainDark : kGrainLight;
        c.setAlpha(alpha);
        for (int i = 0; i < width && x + i < r.width(); ++i)
            row.setPixel(static_cast<int>(x) + i, 0, qPremultiply(c.rgba()));
    }
    p.drawImage(QRectF(r), row);
}

}  // namespace

QColor paletteColour(int number) {
    return QColor(kPalette[static_cast<std::size_t>(std::clamp(number, 0, 15))]);
}

PieceFace faceOf(state::ImageRef image) {
    using state::Image;
    const bool promoted = image.element == 1;
    PieceFace f;
    // clang-format off
    switch (image.name) {
    case Image::UE_HU: case Image::SITA_HU: f = {"歩", false, 0.84}; break;
    case Image::UE_TO: case Image::SITA_TO: f = {"と", true, 0.84}; break;
    case Image::UE_KYOU: case Image::SITA_KYOU:
        f = promoted ? PieceFace{"成香", true, 0.87} : PieceFace{"香", false, 0.87};
        break;
    case Image::UE_KEI: case Image::SITA_KEI:
        f = promoted ? PieceFace{"成桂", true, 0.9} : PieceFace{"桂", false, 0.9};
        break;
    case Image::UE_GIN: case Image::SITA_GIN:
        f = promoted ? PieceFace{"成銀", true, 0.93} : PieceFace{"銀", false, 0.93};
        break;
    case Image::UE_KIN: case Image::SITA_KIN: f = {"金", false, 0.93}; break;
    case Image::UE_SYA: case Image::SITA_SYA: f = {"飛", false, 0.96}; break;
    case Image::UE_RYUU: case Image::SITA_RYUU: f = {"龍", true, 0.96}; break;
    case Image::UE_KAKU: case Image::SITA_KAKU: f = {"角", false, 0.96}; break;
    case Image::UE_UMA: case Image::SITA_UMA: f = {"馬", true, 0.96}; break;
    case Image::UE_OU: case Image::SITA_OU:
        // One image per side for both royal pieces: the face says which.
        f = {std::abs(image.piece) == 14 ? "鵺" : "王", false, 1.0};
        break;
    case Image::KARA_MASU: case Image::TITLE: return {};
    }
    // clang-format on
    f.upper = image.name >= Image::UE_HU && image.name <= Image::UE_OU;
    return f;
}

namespace {

// Where a piece of the face stands in its cell: its body, and the turn of an
// upper piece half about the cell's centre.
struct PiecePlace {
    QRectF body;
    QTransform turn;
};

PiecePlace placeOf(const QRectF& cell, const PieceFace& face) {
    const double w = cell.width() * 0.86 * face.size, h = cell.height() * 0.80 * face.size;
    const double kingH = cell.height() * 0.80;
    // Every piece stands on the same line, nearer the owner's edge of its square.
    const double bottom = cell.top() + cell.height() - (cell.height() - kingH) / 2;
    PiecePlace place{QRectF(cell.center().x() - w / 2, bottom - h, w, h), QTransform()};
    if (face.upper) {
        place.turn.translate(cell.center().x(), cell.center().y());
        place.turn.rotate(180);
        place.turn.translate(-cell.center().x(), -cell.center().y());
    }
    return place;
}

void paintKanji(QPainter& p, const QRectF& cell, const QRectF& body, const PieceFace& face) {
    const double w = body.width(), h = body.height();
    QFont font(kPieceFontFamily);
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    p.setPen(face.red ? kRedInk : kInk);
    const int chars = static_cast<int>(face.kanji.size());
    const QRectF textArea(body.left(), body.top() + h * 0.2, w, h * 0.78);
    if (chars <= 1) {
        // Two sizes of lettering, for the greater and the lesser pieces, as on a
        // real set (and only two fonts to prepare).
        const double lettering = face.size >= 0.93 ? 0.96 : 0.86;
        const double letterW = cell.width() * 0.86 * lettering, letterH = cell.height() * 0.80 * lettering;
        font.setPixelSize(
            std::max(1, static_cast<int>(std::lround(std::min(letterW * 0.7, letterH * 0.58)))));
        p.setFont(font);
        p.drawText(textArea, Qt::AlignCenter, face.kanji);
        return;
    }
    // 成香, 成桂, 成銀: two kanji one above the other, narrower.
    const double size = std::min(w * 0.56, textArea.height() / 2 * 0.98);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
    font.setStretch(88);
    p.setFont(font);
    const QRectF top(textArea.left(), textArea.top(), w, textArea.height() / 2);
    p.drawText(top, Qt::AlignHCenter | Qt::AlignBottom, face.kanji.left(1));
    p.drawText(top.translated(0, textArea.height() / 2), Qt::AlignHCenter | Qt::AlignTop,
               face.kanji.mid(1, 1));
}

}  // namespace

void paintPiece(QPainter& p, const QRectF& cell, const PieceFace& face) {
    const PiecePlace place = placeOf(cell, face);
    const QRectF& body = place.body;
    const double w = body.width(), h = body.height();
    const QPolygonF outline({QPointF(body.center().x(), body.top()),
                             QPointF(body.left() + w * 0.86, body.top() + h * 0.2),
                             QPointF(body.right(), body.bottom()), QPointF(body.left(), body.bottom()),
                             QPointF(body.left() + w * 0.14, body.top() + h * 0.2)});
    const double unit = cell.width() / 490.0;  // device pixels per twip

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const QTransform base = p.transform();
    // The shadow falls to the lower right whichever way the piece faces.
    p.setPen(Qt::NoPen);
    p.setTransform(place.turn * QTransform::fromTranslate(20 * unit, 24 * unit) * base);
    p.setBrush(QColor(40, 22, 0, 80));
    p.drawPolygon(outline);
    p.setTransform(place.turn * base);

    QLinearGradient wood(body.topLeft(), body.bottomRight());
    wood.setColorAt(0, kPieceLight);
    wood.setColorAt(1, kPieceDark);
    p.setBrush(wood);
    p.setPen(QPen(kPieceEdge, std::max(1.0, 9 * unit), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(outline);
    // A light edge along the upper left sides, as on a bevelled piece.
    p.setPen(QPen(QColor(255, 248, 225, 150), std::max(0.8, 7 * unit)));
    const double inset = 14 * unit;
    p.drawPolyline(QPolygonF({QPointF(body.left() + inset, body.bottom() - inset),
                              QPointF(body.left() + w * 0.14 + inset, body.top() + h * 0.2 + inset / 2),
                              QPointF(body.center().x(), body.top() + inset * 1.8)}));
    p.restore();
    paintLettering(p, cell, face);
}

void paintLettering(QPainter& p, const QRectF& cell, const PieceFace& face) {
    const PiecePlace place = placeOf(cell, face);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setTransform(place.turn * p.transform());
    if (face.symbol)
        paintSymbol(p, place.body, face);
    else
        paintKanji(p, cell, place.body, face);
    p.restore();
}

void paintTitle(QPainter& p, const QRectF& area) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.fillRect(area, paletteColour(2));
    const double unit = area.width() / kTitleWidth;
    const QRectF plaque = area.adjusted(20 * unit, 20 * unit, -40 * unit, -40 * unit);
    // The plaque's shadow on the green, then dark lacquered wood with a gold rim.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 40, 0, 110));
    p.drawRoundedRect(plaque.translated(24 * unit, 28 * unit), 30 * unit, 30 * unit);
    QLinearGradient wood(plaque.topLeft(), plaque.bottomLeft());
    wood.setColorAt(0, QColor(92, 52, 26));
    wood.setColorAt(1, QColor(52, 28, 12));
    p.setBrush(wood);
    p.setPen(QPen(QColor(214, 176, 96), std::max(1.0, 16 * unit)));
    p.drawRoundedRect(plaque, 30 * unit, 30 * unit);
    p.setPen(QPen(QColor(214, 176, 96, 140), std::max(0.6, 6 * unit)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plaque.adjusted(40 * unit, 40 * unit, -40 * unit, -40 * unit), 16 * unit, 16 * unit);

    // A red seal with "QX" heads the name; then ぬえ / どり in two rows and 王
    // as tall as both.
    const QRectF inner = plaque.adjusted(70 * unit, 70 * unit, -70 * unit, -70 * unit);
    const double sealWidth = inner.height() * 0.3, gap = 30 * unit;
    const double g = std::min(inner.height() / 2, (inner.width() - sealWidth - gap) / 4);
    const double left = inner.right() - 4 * g;
    const double top = inner.center().y() - g;
    QFont font(kPieceFontFamily);
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    const auto glyph = [&](const QString& text, QRectF box, double size) {
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
        p.setFont(font);
        p.setPen(QColor(20, 8, 0, 160));
        p.drawText(box.translated(10 * unit, 12 * unit), Qt::AlignCenter, text);
        p.setPen(QColor(246, 226, 170));
        p.drawText(box, Qt::AlignCenter, text);
    };
    const QString kana[] = {"ぬ", "え", "ど", "り"};
    for (int i = 0; i < 4; ++i) glyph(kana[i], QRectF(left + (i % 2) * g, top + (i / 2) * g, g, g), g * 0.98);
    glyph("王", QRectF(left + 2 * g, top, 2 * g, 2 * g), g * 2.0);

    const QRectF seal(left - gap - sealWidth, top + g * 0.08, sealWidth, g * 1.1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 30, 36));
    p.drawRoundedRect(seal, sealWidth * 0.12, sealWidth * 0.12);
    QFont sealFont(kTextFontFamily);
    sealFont.setBold(true);
    sealFont.setPixelSize(std::max(1, static_cast<int>(std::lround(sealWidth * 0.78))));
    p.setFont(sealFont);
    p.setPen(QColor(255, 240, 220));
    p.drawText(QRectF(seal.left(), seal.top(), seal.width(), seal.height() / 2),
               Qt::AlignHCenter | Qt::AlignBottom, "Q");
    p.drawText(QRectF(seal.left(), seal.center().y(), seal.width(), seal.height() / 2),
               Qt::AlignHCenter | Qt::AlignTop, "X");
    p.restore();
}

QRect Artwork::toDevice(const QRectF& twips) const {
    const auto x = [this](double t) {
        return static_cast<int>(std::lround((t - kSurfaceTwips.left()) * k_));
    };
    const auto y = [this](double t) { return static_cast<int>(std::lround((t - kSurfaceTwips.top()) * k_)); };
    return QRect(QPoint(x(twips.left()), y(twips.top())),
                 QPoint(x(twips.right()) - 1, y(twips.bottom()) - 1));
}

QRect Artwork::cellDeviceRect(double x, double y) const { return toDevice(cellRect(x, y)); }

QRectF Artwork::pieceCell(double x, double y) const {
    return QRectF(QPointF(cellDeviceRect(x, y).topLeft()), QSizeF(pieceSize()));
}

int Artwork::ringWidth() const { return std::max(1, static_cast<int>(std::lround(30 * k_))); }

const QImage& Artwork::boardWood() {
    if (!board_.isNull()) return board_;
    boardRect_ = toDevice(QRectF(cellToTwips(1, 1), cellToTwips(10, 10)));
    board_ = QImage(boardRect_.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&board_);
    const QRectF r = board_.rect();
    QLinearGradient base(r.topLeft(), r.bottomRight());
    base.setColorAt(0, kBoardLight);
    base.setColorAt(0.55, kBoardDark);
    base.setColorAt(1, kBoardLight.darker(104));
    p.fillRect(r, base);
    paintGrain(p, board_.rect(), k_);

    // Grid lines on the left and top edge of every square, and on the right
    // and bottom edge of the board: each line is drawn once.
    // The board's edge is drawn twice as heavy as the lines within.
    const int t = std::max(1, static_cast<int>(std::lround(14 * k_)));
    const int edge = std::max(2, static_cast<int>(std::lround(28 * k_)));
    const auto at = [&](int x, int y) { return cellDeviceRect(x, y).topLeft() - boardRect_.topLeft(); };
    for (int i = 1; i <= 10; ++i) {
        const int width = i == 1 || i == 10 ? edge : t;
        const int vx = i < 10 ? at(i, 1).x() : r.width() - width;
        const int hy = i < 10 ? at(1, i).y() : r.height() - width;
        p.fillRect(QRect(vx, 0, width, static_cast<int>(r.height())), kGridInk);
        p.fillRect(QRect(0, hy, static_cast<int>(r.width()), width), kGridInk);
    }
    // The four star points where the lines of the third and sixth squares cross.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(kGridInk);
    const double radius = std::max(1.6, 40 * k_);
    for (int cx : {4, 7})
        for (int cy : {4, 7}) p.drawEllipse(QPointF(at(cx, cy)) + QPointF(t / 2.0, t / 2.0), radius, radius);
    return board_;
}

void Artwork::drawSquare(QPainter& p, double x, double y) {
    const QRect cell = cellDeviceRect(x, y);
    if (onBoard(x, y)) {
        const QImage& wood = boardWood();
        p.drawImage(cell.topLeft(), wood, cell.translated(-boardRect_.topLeft()));
        return;
    }
    // A square away from the board: plain wood with its own frame.
    p.fillRect(cell, kBoardLight);
    p.setPen(QPen(kGridInk, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(cell.adjusted(0, 0, -1, -1));
}

void Artwork::drawSquareRing(QPainter& p, int x, int y) {
    const QRect cell = cellDeviceRect(x, y);
    const int r = ringWidth();
    const QImage& wood = boardWood();
    const QRect strips[] = {QRect(cell.left(), cell.top(), cell.width(), r),
                            QRect(cell.left(), cell.bottom() - r + 1, cell.width(), r),
                            QRect(cell.left(), cell.top(), r, cell.height()),
                            QRect(cell.right() - r + 1, cell.top(), r, cell.height())};
    for (const QRect& s : strips) p.drawImage(s.topLeft(), wood, s.translated(-boardRect_.topLeft()));
}

QSize Artwork::pieceSize() const {
    return QSize(static_cast<int>(std::ceil(kCellWidth * k_)), static_cast<int>(std::ceil(kCellHeight * k_)));
}

const QImage& Artwork::titleImage(QSize size) {
    if (title_.size() != size) {
        title_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
        QPainter tp(&title_);
        paintTitle(tp, QRectF(title_.rect()));
    }
    return title_;
}

void Artwork::prepare(double titleX, double titleY) {
    boardWood();
    titleImage(toDevice(QRectF(cellToTwips(titleX, titleY), QSizeF(kTitleWidth, kTitleHeight))).size());
    // Every face of both sides, promoted ones and both royal pieces included.
    using state::Image;
    for (int n = static_cast<int>(Image::UE_HU); n <= static_cast<int>(Image::SITA_OU); ++n) {
        const auto name = static_cast<Image>(n);
        for (const state::ImageRef& ref : {state::ImageRef{name, 0, 15}, state::ImageRef{name, 1, 14}})
            pieceImage(faceIn(set_, ref), pieceSize());
    }
}

const QImage& Artwork::pieceImage(const PieceFace& face, QSize size) {
    auto [it, made] = pieces_.try_emplace({face, size.width(), size.height()});
    if (made) {
        it->second = QImage(size, QImage::Format_ARGB32_Premultiplied);
        it->second.fill(Qt::transparent);
        QPainter p(&it->second);
        paintPiece(p, QRectF(QPointF(0, 0), QSizeF(size)), face);
    }
    return it->second;
}

void Artwork::drawPiece(QPainter& p, double x, double y, const PieceFace& face) {
    drawSquare(p, x, y);
    const QRect cell = cellDeviceRect(x, y);
    // One image of each piece at this resolution, whichever column it stands
    // in (rounding makes the columns a pixel wider or narrower).
    p.drawImage(cell.topLeft(), pieceImage(face, pieceSize()));
}

void Artwork::drawBoard(QPainter& p) {
    const QImage& wood = boardWood();
    p.drawImage(boardRect_.topLeft(), wood);
}

void Artwork::drawTitle(QPainter& p, double x, double y) {
    const QRect area = toDevice(QRectF(cellToTwips(x, y), QSizeF(kTitleWidth, kTitleHeight)));
    p.drawImage(area.topLeft(), titleImage(area.size()));
}

}  // namespace app

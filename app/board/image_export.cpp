#include "app/board/image_export.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cstdio>

#include "app/board/artwork.h"
#include "app/board/drawing_surface.h"
#include "app/board/shown_pieces.h"
#include "app/board/surface_geometry.h"
#include "app/panel/beside_board.h"
#include "app/window/main_window.h"
#include "control/commands.h"
#include "control/record_jump.h"
#include "record/notation.h"

namespace app {

using namespace state;

namespace {

QString valueAfter(const QStringList& arguments, const QString& option) {
    const qsizetype at = arguments.indexOf(option);
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : QString();
}

// The board's part of the surface in device pixels at `k` pixels per twip.
QRect boardDeviceRect(double k) { return Artwork(k).toDevice(kBoardImageTwips); }

bool onBoard(QPointF cell) { return cell.x() >= 1 && cell.x() <= 9 && cell.y() >= 1 && cell.y() <= 9; }

// Paints the board's part of the surface with its top-left corner at (0, 0).
// As drawings (for SVG) the pieces are painted as shapes and lettering over
// the board's wood, drawn once, instead of copied as pictures square by square.
// The board shows its position: the frames of a piece picked up, of where it
// may go and of the computer's last step are the moment's, not the position's
// (the last move has its own mark), and stay out.
void paintBoard(QPainter& p, MainWindow& window, double scale, bool drawings) {
    const double k = scale / kTwipsPerPixel;
    const QRect crop = boardDeviceRect(k);
    SurfacePainter surface(k, window.pieceSet());
    Artwork art(k, window.pieceSet());
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.translate(-crop.topLeft());
    p.setClipRect(crop);
    p.fillRect(crop, paletteColour(state::kGreen));
    if (drawings) art.drawBoard(p);
    // Texts beside the board (a record's header, the players' labels) stay out,
    // even where their margins reach in.
    const QRectF texts = kBoardImageTwips.adjusted(-150, -150, 150, 150);
    for (const DrawOp& op : window.drawingSurface().calls()) {
        if (op.kind == DrawOp::Kind::Text && !texts.contains(op.area)) continue;
        if (op.kind == DrawOp::Kind::Outline && onBoard(op.at)) {
            // A frame in green on the board only puts back the grid line the wood has.
            if (!drawings) art.drawSquareRing(p, static_cast<int>(op.at.x()), static_cast<int>(op.at.y()));
            continue;
        }
        const bool piece = op.kind == DrawOp::Kind::Image && op.image.name != state::Image::TITLE &&
                           op.image.name != state::Image::KARA_MASU;
        if (drawings && op.kind == DrawOp::Kind::Image && onBoard(op.at)) {
            if (piece)
                paintPiece(p, art.pieceCell(op.at.x(), op.at.y()), faceIn(window.pieceSet(), op.image));
            continue;
        }
        surface.paint(p, op);
    }
    // The surface's own device pixels are the layer's widget pixels here.
    SurfacePlacement place;
    place.scale = scale;
    window.besideBoard().lastMove().paint(
        p, place, ShownPieces(window.drawingSurface(), window.pieceSet(), k, QTransform()));
}

QString writeSvg(MainWindow& window, QSaveFile& file, double scale) {
    QSvgGenerator svg;
    const QSize size = boardDeviceRect(scale / kTwipsPerPixel).size();
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(kCaption);
    QPainter p(&svg);
    paintBoard(p, window, scale, true);
    return p.end() ? QString() : QStringLiteral("SVG");
}

QString commit(QSaveFile& file, const QString& failed) {
    if (!failed.isEmpty()) {
        file.cancelWriting();
        return failed;
    }
    return file.commit() ? QString() : file.errorString();
}

}  // namespace

QString writeBoardImage(MainWindow& window, const QString& path, double scale) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (path.endsWith(".svg", Qt::CaseInsensitive)) return commit(file, writeSvg(window, file, scale));
    QImage image(boardDeviceRect(scale / kTwipsPerPixel).size(), QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&image);
        paintBoard(p, window, scale, false);
    }
    return commit(file, image.save(&file, "PNG") ? QString() : QStringLiteral("PNG"));
}

QString writeWindowImage(MainWindow& window, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (path.endsWith(".svg", Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(window.size());
        svg.setViewBox(window.rect());
        QPainter p(&svg);
        window.render(&p);
        return commit(file, p.end() ? QString() : QStringLiteral("SVG"));
    }
    return commit(file, window.grab().save(&file, "PNG") ? QString() : QStringLiteral("PNG"));
}

bool asksForImage(const QStringList& arguments) { return arguments.contains("--export-image"); }

std::optional<PieceSet> piecesAsked(const QStringList& arguments, QString* unknown) {
    if (!arguments.contains("--pieces")) return std::nullopt;
    const QString name = valueAfter(arguments, "--pieces");
    const std::optional<PieceSet> set = pieceSetNamed(name);
    if (!set && unknown) *unknown = name;
    return set;
}

int exportImage(MainWindow& window, const QStringList& arguments) {
    const auto fail = [](const QString& why) {
        std::fprintf(stderr, "nuedori: %s\n", why.toLocal8Bit().constData());
        return 1;
    };
    const QString out = valueAfter(arguments, "--export-image");
    if (out.isEmpty() || out.startsWith("--")) return fail("--export-image needs a file name (.png or .svg)");
    QString unknown;
    if (!piecesAsked(arguments, &unknown) && arguments.contains("--pieces"))
        return fail("no piece set \"" + unknown + "\" (kanji2, kanji1, international)");
    const QString record = valueAfter(arguments, "--record");
    if (!record.isEmpty()) {
        const std::string path = record.toStdString();
        window.run([&path](state::Game& g) { control::File1_Click(g, path); });
        if (window.game().state.kifuMode != 1) return fail(record + ": no game record read");
        const state::MoveRecord& r = window.game().record;
        const auto lines = record::棋譜表記(r, record::先手の側(window.game().state));
        int entry = r.last;
        if (arguments.contains("--move")) {
            bool number = false;
            const int move = valueAfter(arguments, "--move").toInt(&number);
            if (!number || move < 0 || move > static_cast<int>(lines.size()))
                return fail("--move takes 0 to " + QString::number(lines.size()));
            entry = move == 0 ? 0 : lines[static_cast<std::size_t>(move - 1)].last;
        }
        window.run([entry](state::Game& g) { control::棋譜_移動(g, entry); });
    }
    if (arguments.contains("--whole-window")) {
        window.show();
        QCoreApplication::processEvents();
    }
    const QString failed =
        arguments.contains("--whole-window") ? writeWindowImage(window, out) : writeBoardImage(window, out);
    return failed.isEmpty() ? 0 : fail(out + ": " + failed);
}

}  // namespace app

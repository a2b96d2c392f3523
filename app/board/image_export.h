#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>

#include "app/board/piece_sets.h"

namespace app {

class MainWindow;

// The part of the surface a board image shows, in twips: the column numbers
// above the board, the board, and the row numbers right of it.
inline constexpr QRectF kBoardImageTwips{640, -340, 5010, 6100};

// Writes the board as the window shows it now (its pieces, the coordinates in
// the window's language) with the last move's mark, without the frames of a
// piece picked up and of the squares it may go to,
// as PNG or SVG by the name's ending, `scale` image pixels for each pixel of
// the surface at its natural size. The file is written whole or not at all.
// Answers what went wrong, or an empty text.
QString writeBoardImage(MainWindow& window, const QString& path, double scale = 2.0);
// The whole window as the player sees it, menu bar and side panel included.
QString writeWindowImage(MainWindow& window, const QString& path);

// nuedori --export-image OUT.png|OUT.svg [--record FILE [--move N]]
//        [--pieces kanji2|kanji1|international] [--lang en] [--whole-window]
bool asksForImage(const QStringList& arguments);
// The set --pieces names; empty without --pieces. An unknown name is reported.
std::optional<PieceSet> piecesAsked(const QStringList& arguments, QString* unknown = nullptr);
// Loads the record and goes to the move the command line names (the end of
// the record without --move), writes the image and answers the exit status.
int exportImage(MainWindow& window, const QStringList& arguments);

}  // namespace app

#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

#include "state/window_port.h"

class QPainter;
class QRectF;

namespace app {

struct PieceFace;

// The faces the pieces can wear. Two-kanji is the board as it has always
// looked; one-kanji writes every piece with a single kanji (杏 圭 全 for the
// promoted lance, knight and silver), which stays readable on a small board;
// international shows each kind as the letter the English move list uses,
// with marks at its edge for the ways it moves, promoted kinds in red.
enum class PieceSet { Kanji2, Kanji1, International };

struct PieceSetInfo {
    PieceSet set;
    const char* name;         // on the command line: --pieces kanji2
    const char* controlName;  // its menu item
    const char* caption;      // its menu item's Japanese caption
};

inline constexpr PieceSetInfo kPieceSets[] = {
    {PieceSet::Kanji2, "kanji2", "PIECES_KANJI2", QT_TRANSLATE_NOOP("Menu", "二字駒")},
    {PieceSet::Kanji1, "kanji1", "PIECES_KANJI1", QT_TRANSLATE_NOOP("Menu", "一字駒")},
    {PieceSet::International, "international", "PIECES_INTERNATIONAL", QT_TRANSLATE_NOOP("Menu", "国際駒")},
};

// 例: pieceSetNamed("kanji1") == PieceSet::Kanji1; pieceSetNamed("chess") is empty
std::optional<PieceSet> pieceSetNamed(const QString& name);

// A player who starts the game in English has not learnt the kanji yet.
inline PieceSet defaultPieceSet(bool english) { return english ? PieceSet::International : PieceSet::Kanji2; }

// The face an image shows in a set. In the two-kanji set it is faceOf's.
// 例: faceIn(PieceSet::Kanji1, {Image::UE_GIN, 1, 8}).kanji == "全"
// 例: faceIn(PieceSet::International, {Image::SITA_RYUU, 0, -11}): "R", red, kind 11
PieceFace faceIn(PieceSet set, state::ImageRef image);

// Paints an international face inside the piece's body, the painter turned
// as the piece is: the letter in the middle, and at the edges a small
// triangle for each one-square step, an arrow for each line it slides
// along; the Nue King's U inside a ring of eight marks of two dots, its
// reach of two squares every way.
void paintSymbol(QPainter& p, const QRectF& body, const PieceFace& face);

}  // namespace app

#pragma once

#include <QString>

#include <vector>

#include "record/exchange.h"
#include "record/kif_format.h"
#include "record/position_check.h"

namespace app {

// The words of what the position text, KIF and the board editor refuse, in
// the language chosen: the core says why as values, the window says it.

// 例: {Side, UnknownSide} is "手番は b か w です" / "The side to move is b or w"
QString positionRefusalWords(const record::PositionError& e);

// Why a move of a KIF record is not legal.
QString moveRefusalWords(record::TokenRefusal r);

// Why a KIF text was refused, its line number first where there is one.
// 例: {MoveNumber, 12} is "12行目：次の手の番号ではありません"
QString kifRefusalWords(const record::KifError& e);

// One fault of a position set up by hand, and all of them one a line.
// 例: {NoRoyal, -1} is "下側に王も鵺王もありません"
QString setupProblemWords(const record::SetupProblem& p);
QString setupProblemsWords(const std::vector<record::SetupProblem>& problems);

// A side's name: 下側 (-1) or 上側 (+1), "the lower side" or "the upper side".
QString sideName(int side);

// A piece's name and a square, as the window's language writes them.
// 例: pieceName(-14) is "鵺王" / "Nue King"; squareName(5, 3) is "５三" / "5c"
QString pieceName(int code);
QString squareName(int x, int y);

}  // namespace app

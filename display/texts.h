#pragma once

#include <array>
#include <string>

#include "state/move.h"
#include "state/texts.h"

namespace state {
struct Game;
}

namespace display {

// The texts beside the board. Each print names what it says (a label, a
// number, a part of a move's text) and the window words it: the game's
// Japanese, or English.

// Fixed places of the move texts beside the board.
inline constexpr double kUpperMoveX = 12.6, kUpperMoveY = 5;
inline constexpr double kLowerMoveX = 12.6, kLowerMoveY = 6;

// Prints at cell (X, Y) in the given colour and size. Mode 0 prints the value
// as it is (numbers without a leading blank); any other mode prints the name
// of board row 1..9 and nothing for other values.
void 描画_数値(state::Game& g, double x, double y, int value, int colour, int mode, int size);
// The same for a text that says something else; mode 0 prints it.
void 描画_数値(state::Game& g, double x, double y, const state::SurfaceText& text, int colour, int mode,
               int size);

// The text of a code (99: the word after the move count, `count` moves) 120
// twips right of and 160 twips below the cell. An unknown code prints
// nothing but still sets size and colour.
void 描画_文字列(state::Game& g, double x, double y, int code, int colour, int size, int count);

// A part of the move text of `shown`: the value 1..9 is the column it ends
// on, 1001..1009 the row (anything else prints nothing); the piece is the
// one it placed.
void 描画_移動数値(state::Game& g, double x, double y, int value, int colour, const state::Move& shown);
void 描画_移動駒種類(state::Game& g, double x, double y, int colour, const state::Move& shown);

// One move in notation, where it ended: the column numbered from the right,
// the row in kanji, then the piece as placed.
// 例: a pawn to (3, 6) shows "７" "六" "歩".
void 描画_移動結果(state::Game& g, double x, double y, const state::Move& shown, int colour);
void 消去_移動結果(state::Game& g, double x, double y);

void 描画_桝_数値(state::Game& g);
void 描画_手数(state::Game& g, int moveNumber, int colour);
void 描画_レベル(state::Game& g, int IN_LEVEL);

// A label with its drop shadow: black 0.1 cell right of and below, then white.
void 描画_影付き文字(state::Game& g, double x, double y, const state::SurfaceText& text, int size);

// The player labels right of the board, on their erased area.
void 描画_対局者(state::Game& g, double areaY, state::Text upper, double upperY, state::Text lower,
                 double lowerY, int size);

// The three header lines of a loaded record: the first and third below the
// board, the second above the column numbers (nearer the board they would
// run into the numbers).
void 描画_棋譜見出し(state::Game& g, const std::array<std::string, 3>& lines);

// Erases the places of the header lines, so that a new game or another record
// does not show the lines of an earlier one.
void 消去_棋譜見出し(state::Game& g);

// The thinking sign in the upper move-text place while the computer thinks.
void 描画_思考中(state::Game& g);

// A fixed text of the surface.
state::SurfaceText ラベル(state::Text t);

}  // namespace display

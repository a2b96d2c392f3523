#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "state/game_state.h"
#include "state/move.h"
#include "state/move_record.h"

namespace record {

// The one place the game's moves are put into words: name tables, the
// Japanese notation (▲５八・５七鵺王), the Western one (▲U-5h-5g), and the
// spoken forms a screen reader reads, in Japanese and English. The move
// list, the board's move texts, the hint, the accessible names and the
// command line all write moves through here.

// ---- Names ----

// 例: 全角数字(7) == "７"; 0 and 10 give "".
std::string_view 全角数字(int value);
// 例: 漢数字(6) == "六"
std::string_view 漢数字(int value);
// The name the board's move text gives a piece, either sign: promoted
// lance, knight and silver have none there. 例: 駒名(-14) == "鵺王", 駒名(4) == ""
std::string_view 駒名(int code);
// Every kind by a name a listener knows. 例: 駒の呼び名(4) == "成香"
std::string_view 駒の呼び名(int code);
// A square as the game writes it: the column counted from the right, then
// the row. 例: 升目名(3, 6) == "７六"
std::string 升目名(int x, int y);

// The Western names: a square as the column from the right and the row as a
// letter from the top, a piece as its letter (+ before a promoted kind, U
// for the Nue King), and in full. 例: 西洋升目(3, 6) == "7f", 西洋駒(-11) == "+R",
// 英語駒名(14) == "Nue King"
std::string 西洋升目(int x, int y);
std::string_view 西洋駒(int code);
std::string_view 英語駒名(int code);

// ---- Moves ----

enum class Notation { Japanese, Western };

// A square a move reaches, and the square the previous move reached (0, 0
// for none): 同 stands for the same square in Japanese.
struct Square {
    int x = 0, y = 0;
    friend bool operator==(const Square&, const Square&) = default;
};

// The side's mark: ▲ for the side that moved first in the game, △ for the
// other. `side` and `firstMover` are +1 upper, -1 lower.
std::string_view 手番記号(int side, int firstMover);

// A move without its side's mark.
// Japanese: each destination (同 where it is the previous move's), a
// two-step move's joined by ・, the moved piece's name, then 成 for a
// promotion or 不成 where promotion was possible and declined.
// Western: the piece's letter, for each step - (x for a capture) and the
// square, then + for a promotion or = where it was declined.
// 例: "７六歩", "同金", "５八・５七鵺王", "８八飛成"; "P-7f", "U-5hx5g", "Bx2b+", "S-4h="
std::string 指し手表記(const state::Move& m, Notation n, Square previous = {});

// The first step of a Nue King's two-step move, its second still to come.
// 例: "５六・…", "U-5f-…"
std::string 指しかけ表記(const state::Move& firstStep, Notation n, Square previous = {});

// A hint: Japanese names its first square, then each square with →, the
// piece as placed after the first; Western writes it as any move.
// 例: "３七→３六歩", "P-3f"
std::string ヒント表記(const state::Move& m, Notation n);

// A move as a screen reader says it: the side by name, then the move.
// 例: "先手 ７六 歩", "後手 ２二 角 成り"; "First: Pawn to 7f", "Second: Bishop takes 2b, promotes"
std::string 読み上げ(const state::Move& m, int firstMover, Notation n);

// A square as a screen reader says it, with what stands there.
// 例: "５九 鵺王 手前", "５五 空き"; "5h Nue King, lower", "5e empty"
std::string 升目の読み上げ(int x, int y, int code, Notation n);

// ---- The record as a move list ----

// One move of the record as a line of the move list: the record entries it
// covers (a Nue King's two-step move covers two) and its text.
struct NotationLine {
    int first = 0;  // the move's first record entry
    int last = 0;   // its last entry: the replay position after the move
    std::string text;
};

// The moves of entries 1..r.last, one line each, with the side's mark.
// `firstMover` is the side that moved first (+1 upper, -1 lower). With
// `pending`, the record's current entry is a Nue King's first step whose
// second is still to come: its line shows it as such.
// 例: the lower side first, its pawn (3, 7) -> (3, 6): "▲７六歩"
std::vector<NotationLine> 棋譜表記(const state::MoveRecord& r, int firstMover,
                                   Notation n = Notation::Japanese, bool pending = false);

// The side that moved first in the game the state describes (+1 upper, -1
// lower): token 1 always moves first, and the human's token is the lower
// side's. It stays so after the board is turned about, whoever moves next.
// 例: after 後手 (the computer first) 先手の側(s) == 1
int 先手の側(const state::GameState& s);

// The line whose move leads to the replay position `counter`: 0 at the
// start, i when lines[i - 1] is the last move played.
int 表記行(const std::vector<NotationLine>& lines, int counter);

}  // namespace record

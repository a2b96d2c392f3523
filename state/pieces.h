#pragma once

#include <array>

#include "state/grid.h"

namespace state {

// Piece codes: the magnitude is the kind, the sign the owner (upper side
// positive, lower side negative), 0 an empty square.
inline constexpr int 空 = 0;
inline constexpr int 歩 = 1;
inline constexpr int と = 2;
inline constexpr int 香 = 3;
inline constexpr int 成香 = 4;
inline constexpr int 桂 = 5;
inline constexpr int 成桂 = 6;
inline constexpr int 銀 = 7;
inline constexpr int 成銀 = 8;
inline constexpr int 金 = 9;
inline constexpr int 飛 = 10;
inline constexpr int 龍 = 11;
inline constexpr int 角 = 12;
inline constexpr int 馬 = 13;
inline constexpr int 鵺王 = 14;
inline constexpr int 王 = 15;

// Answers of the rule procedures.
inline constexpr int 有 = 1;
inline constexpr int 無 = 0;

using Board = Grid<int>;

// Material values by magnitude. Magnitudes 4, 5, 6 and 8 have no value and
// count as 0: the evaluation relies on that (a knight defender reads as 0).
inline constexpr std::array<int, 31> kValueTable = [] {
    std::array<int, 31> v{};
    v[歩] = 1;
    v[と] = 7;
    v[香] = 2;
    v[銀] = 5;
    v[金] = 8;
    v[飛] = 17;
    v[龍] = 22;
    v[角] = 16;
    v[馬] = 23;
    v[鵺王] = 27;
    v[王] = 30;
    return v;
}();

// 例: 駒価値(-10) == 17
inline constexpr int 駒価値(int code) { return kValueTable[code < 0 ? -code : code]; }

inline constexpr bool isUpper(int code) { return code >= 1; }
inline constexpr bool isLower(int code) { return code <= -1; }
inline constexpr int magnitude(int code) { return code < 0 ? -code : code; }

// A piece code that can stand on the board: -15..-1 or 1..15.
inline constexpr bool isPieceCode(int code) { return code != 0 && -15 <= code && code <= 15; }

}  // namespace state

#pragma once

namespace state {

// The two sides of the board: the lower side's pieces stand on the bottom
// rows at the start (negative codes), the upper side's on the top rows
// (positive codes). The game's turn tokens, piece signs and the ±1 of the
// record's readers are the same sides as numbers; they turn into a Side at
// the edges that name one.
enum class Side { Lower = -1, Upper = 1 };

constexpr int sign(Side s) { return static_cast<int>(s); }
constexpr Side opposite(Side s) { return s == Side::Upper ? Side::Lower : Side::Upper; }
// The side of a sign or a piece code: positive is the upper side.
// 例: sideOf(-14) == Side::Lower
constexpr Side sideOf(int signOrCode) { return signOrCode >= 1 ? Side::Upper : Side::Lower; }

}  // namespace state

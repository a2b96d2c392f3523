#pragma once

#include <string>
#include <vector>

#include "control/hint.h"
#include "record/notation.h"

namespace app {

// A move in Western shogi notation, for English: the side's mark, the
// piece's letter (P L N S G R B K; a promoted piece with + before it, as +R;
// U for the Nue King), then for each step "-" or "x" for a capture and the
// destination, the column counted from the right and the row as a letter
// from the top (a..i), then "+" for a promotion or "=" where promotion was
// possible and declined. A Nue King's two-step move names both squares.
// 例: "▲P-7f", "△Bx2b+", "▲S-4h=", "▲U-5h-5g", "▲U-5hx5g"
std::string westernLine(const rules::MoveRecord& r, int first, int last, int firstMover);
// The same move without the side's mark: "P-7f", "U-5h-5g".
std::string westernMove(const rules::MoveRecord& r, int first, int last);

// A hint's move the same way, from its first square, as the piece is placed.
// 例: "P7g-7f", "U5i-5h-5g"
std::string westernHint(const control::Hint& h);

// The move list's lines as the window writes them now: the game's own
// Japanese, or in English the same lines in Western notation.
std::vector<record::NotationLine> writtenMoves(const rules::MoveRecord& r, int firstMover);

}  // namespace app

#pragma once

#include <string>

#include "review/game_review.h"

namespace cli {

// A move's squares as the review writes them: each square "X,Y", joined by
// '-', a Nue King's two-step move with its three squares in order.
// 例: "5,9-5,8-5,7"
std::string reviewSquares(const state::Move& m);

// "ply N side lower|upper played … best … win W loss L grade G"
std::string reviewLine(const review::MoveReview& m);

// "summary lower I M B A upper I M B A"
std::string summaryLine(const review::Result& r);

// `nuedori-cli review FILE [--nodes N] [--scores]`: one line per move of the
// saved record and the summary; with --scores, the score of every position
// searched and the game's result instead (for tools/fit_win_chance.sh). A
// file that cannot be read or replayed answers "error <reason>", status 1.
int reviewMain(int argc, char** argv);

}  // namespace cli

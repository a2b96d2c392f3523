#pragma once

#include <string_view>
#include <vector>

namespace review {

// Which pieces the side to move leads: the Nue King against a full army,
// the army against a Nue King, or neither (a board set up otherwise).
enum class Army { Even, Full, Nue };

// The strong search's score (hundredths of a pawn, for the side to move) as
// the side to move's chance to win:
//   1 / (1 + e^(-(score - balance) / kWinChanceScale))
// where balance is +kArmyBalance for the army's side, -kArmyBalance for the
// Nue King's and 0 for neither: the search counts the army's material, so
// the two sides stand even where the army's score is kArmyBalance, not 0.
// Both figures were fitted on level four's self-play games by
// tools/fit_win_chance.sh. A score the search knows to be won or lost
// (beyond search::kWinBound: a royal piece is taken by force) gives 1 or 0.
// 例: 勝率(0, Army::Even) == 0.5, 勝率(s, Army::Full) == 1 - 勝率(-s, Army::Nue)
inline constexpr double kWinChanceScale = 3160;
inline constexpr double kArmyBalance = 5520;
double 勝率(int score, Army side);

// A move's grade, from the win chance it gave away.
enum class Grade { Best, Good, Inaccuracy, Mistake, Blunder };

// The grade of a loss of win chance: below 0.02 best, 0.05 good, 0.10
// inaccuracy, 0.20 mistake; a blunder from 0.20 on.
// 例: 損失の評価(0.07) == Grade::Inaccuracy
Grade 損失の評価(double loss);

// The grade as the command line writes it: best good inaccuracy mistake blunder.
std::string_view 評価の名前(Grade g);

// A move's share of its side's accuracy, in percent: 100 for a best move, 0
// for a blunder, 100 × (1 − loss / 0.2) for the others.
double 手の正確さ(Grade g, double loss);

// One side's moves summed up.
struct SideSummary {
    int moves = 0;
    int inaccuracies = 0, mistakes = 0, blunders = 0;
    double accuracy = 100;  // the mean of its moves' 手の正確さ; 100 for a side without a move
};

}  // namespace review

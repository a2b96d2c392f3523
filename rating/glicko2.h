#pragma once

#include <span>

namespace rating {

// A player's Glicko-2 rating on the familiar scale: the rating, its
// deviation (how unsure it is) and its volatility (how erratic the player's
// results are). Kept unrounded between games.
struct Rating {
    double rating = 1500;
    double deviation = 350;
    double volatility = 0.06;
    bool operator==(const Rating&) const = default;
};

// Where every player starts: 1500, 350, 0.06.
inline constexpr Rating kFirstRating{};
// The system constant: how far the volatility may move in a period.
inline constexpr double kTau = 0.5;
// The tolerance of the volatility's iteration.
inline constexpr double kEpsilon = 0.000001;
// A rating is provisional while its deviation is above this.
inline constexpr double kProvisionalDeviation = 110;

constexpr bool provisional(const Rating& r) { return r.deviation > kProvisionalDeviation; }

// What the game accepts as a rating: 0 to 5000, a deviation above 0 and at
// most 350, a volatility above 0 and at most 1. (NaN is refused.)
inline constexpr double kLeastRating = 0;
inline constexpr double kMostRating = 5000;
inline constexpr double kMostDeviation = 350;
inline constexpr double kMostVolatility = 1;
bool acceptedRating(double rating);
bool acceptedDeviation(double deviation);
bool acceptedVolatility(double volatility);
bool accepted(const Rating& r);
// A game's score for the player: 1 a win, 0.5 a draw, 0 a loss.
bool acceptedScore(double score);

// One game of a rating period: the opponent's rating and deviation, and
// the player's score.
struct Game {
    double opponentRating = 1500;
    double opponentDeviation = 350;
    double score = 0.5;
};

// The rating after one rating period, by the eight steps of Glickman's
// "Example of the Glicko-2 system": the volatility found by the Illinois
// iteration to within kEpsilon, with kTau. A period without games only
// widens the deviation (step 6). Every input must be accepted() above.
// 例: 1500/200/0.06 after beating 1400/30 and losing to 1550/100 and
// 1700/300 becomes about 1464.06/151.52/0.05999.
Rating afterPeriod(const Rating& player, std::span<const Game> games);

// The game is a period of its own, as the game rates every game.
Rating afterGame(const Rating& player, const Game& game);

// The player's expected score against an opponent, as step 3 writes it:
// E(μ, μj, φj), which counts the opponent's deviation only.
// 例: expectedScore(1500, 1500, 0) == 0.5
double expectedScore(double rating, double opponentRating, double opponentDeviation);

}  // namespace rating

#include "cli/rating_commands.h"

#include <charconv>
#include <cstdio>

namespace cli {

namespace {

// A decimal number that is the whole word ("1500", "0.5", "-3"), or false.
bool parseDecimal(std::string_view word, double& out) {
    if (word.empty()) return false;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), out);
    return ec == std::errc() && end == word.data() + word.size();
}

std::string ratingLine(const rating::Rating& r) {
    char line[96];
    std::snprintf(line, sizeof line, "rating %.2f %.2f %.6f\n", r.rating, r.deviation, r.volatility);
    return line;
}

}  // namespace

std::string ratingCommand(rating::Rating& player, const Words& w) {
    if (w.size() == 1) return ratingLine(player);
    if (w.size() != 4) return "error rating: wrong number of words\n";
    rating::Rating r;
    if (!parseDecimal(w[1], r.rating) || !rating::acceptedRating(r.rating))
        return "error rating: R must be 0 to 5000\n";
    if (!parseDecimal(w[2], r.deviation) || !rating::acceptedDeviation(r.deviation))
        return "error rating: RD must be above 0 and at most 350\n";
    if (!parseDecimal(w[3], r.volatility) || !rating::acceptedVolatility(r.volatility))
        return "error rating: VOL must be above 0 and at most 1\n";
    player = r;
    return "ok\n";
}

std::string ratedCommand(rating::Rating& player, const Words& w) {
    if (w.size() != 4) return "error rated: wrong number of words\n";
    rating::Game game;
    if (!parseDecimal(w[1], game.opponentRating) || !rating::acceptedRating(game.opponentRating))
        return "error rated: OPP_R must be 0 to 5000\n";
    if (!parseDecimal(w[2], game.opponentDeviation) || !rating::acceptedDeviation(game.opponentDeviation))
        return "error rated: OPP_RD must be above 0 and at most 350\n";
    if (!parseDecimal(w[3], game.score) || !rating::acceptedScore(game.score))
        return "error rated: SCORE must be 1, 0.5 or 0\n";
    player = rating::afterGame(player, game);
    return ratingLine(player);
}

}  // namespace cli

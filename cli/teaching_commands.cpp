#include "cli/teaching_commands.h"

#include "control/computer_choice.h"
#include "control/hint.h"
#include "rules/reach.h"
#include "search/levels.h"

namespace cli {

namespace {

std::string countLine(std::string_view name, const state::Grid<int>& counts) {
    std::string out(name);
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) out += ' ' + std::to_string(counts(x, y));
    return out + "\n";
}

}  // namespace

std::string attacksCommand(state::Game& g, const Words& w) {
    if (w.size() != 1) return "error attacks: wrong number of words\n";
    const rules::ReachCounts counts = rules::調査_利き数(g.board);
    return countLine("lower", counts.lower) + countLine("upper", counts.upper);
}

std::string hintCommand(state::Game& g, StrongPlayer& player, const Words& w) {
    if (w.size() != 1) return "error hint: wrong number of words\n";
    const std::optional<state::Move> h =
        search::isSearchLevel(g.state.level)
            ? control::強いヒント(g, -1, player.searcher(), player.limits(search::kStrongestLevel))
            : control::側の指し手(g, -1, g.state.level);
    if (!h) return "nomove\n";
    std::string out = "hint " + std::to_string(h->fromX) + " " + std::to_string(h->fromY) + " " +
                      std::to_string(h->toX) + " " + std::to_string(h->toY) + " " + std::to_string(h->placed);
    if (h->twoStep) out += " second " + std::to_string(h->toX2) + " " + std::to_string(h->toY2);
    return out + "\n";
}

}  // namespace cli

#include "cli/teaching_commands.h"

#include "control/hint.h"
#include "rules/reach.h"
#include "search/levels.h"

namespace cli {

namespace {

std::string countLine(std::string_view name, const rules::Grid<int>& counts) {
    std::string out(name);
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) out += ' ' + std::to_string(counts(x, y));
    return out + "\n";
}

}  // namespace

std::string attacksCommand(control::Game& g, const Words& w) {
    if (w.size() != 1) return "error attacks: wrong number of words\n";
    const rules::ReachCounts counts = rules::調査_利き数(g);
    return countLine("lower", counts.lower) + countLine("upper", counts.upper);
}

std::string hintCommand(control::Game& g, StrongPlayer& player, const Words& w) {
    if (w.size() != 1) return "error hint: wrong number of words\n";
    const std::optional<control::Hint> h =
        search::isSearchLevel(g.state.level)
            ? control::強いヒント(g, -1, player.searcher(), player.limits(search::kStrongestLevel))
            : control::指し手ヒント(g, -1);
    if (!h) return "nomove\n";
    std::string out = "hint " + std::to_string(h->x) + " " + std::to_string(h->y) + " " +
                      std::to_string(h->tx) + " " + std::to_string(h->ty) + " " + std::to_string(h->placed);
    if (h->second) out += " second " + std::to_string(h->tx2) + " " + std::to_string(h->ty2);
    return out + "\n";
}

}  // namespace cli

#include "cli/session.h"

#include "cli/commands.h"
#include "cli/rating_commands.h"
#include "cli/teaching_commands.h"
#include "search/levels.h"

namespace cli {

namespace {

Words splitWords(std::string_view line) {
    Words words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

struct Command {
    std::string_view name;
    std::string (*run)(state::Game&, const Words&);
};

constexpr Command kCommands[] = {
    {"board", boardCommand},     {"start", startCommand},     {"show", showCommand},
    {"level", levelCommand},     {"moves", movesCommand},     {"maps", mapsCommand},
    {"pins", pinsCommand},       {"mate", mateCommand},       {"candidates", candidatesCommand},
    {"go", goCommand},           {"reverse", reverseCommand}, {"notation", notationCommand},
    {"attacks", attacksCommand},
};

}  // namespace

Session::Session() {
    // A session starts with an empty board, level 3 and no step pending.
    game_.state.stepState = 1;
    game_.state.level = 3;
}

std::string Session::handle(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const Words words = splitWords(line);
    if (words.empty() || words[0].front() == '#') return {};
    if (words[0] == "quit") {
        if (words.size() != 1) return "error quit takes no arguments\n";
        finished_ = true;
        return {};
    }
    // The search levels' commands: level 8's node budget, the move count, their move.
    if (words[0] == "limit") return limitCommand(strong_, words);
    if (words[0] == "perft") return perftCommand(game_, words);
    if (words[0] == "go" && search::isSearchLevel(game_.state.level))
        return strongGoCommand(game_, strong_, words);
    if (words[0] == "hint") return hintCommand(game_, strong_, words);
    if (words[0] == "position") return positionCommand(game_, turn_, words);
    if (words[0] == "legal") return legalCommand(game_, turn_, words);
    if (words[0] == "play") return playCommand(game_, turn_, words);
    // The player's rating, apart from the game.
    if (words[0] == "rating") return ratingCommand(rating_, words);
    if (words[0] == "rated") return ratedCommand(rating_, words);
    for (const Command& c : kCommands) {
        if (words[0] != c.name) continue;
        const record::TextPosition before = currentPosition(game_, turn_);
        std::string answer = c.run(game_, words);
        if (answer == "ok\n") noteStart(words, before);
        return answer;
    }
    return "error unknown command\n";
}

// board, start and reverse clear the record: the position they leave is
// where it starts from. The board alone says no side: the lower side moves.
void Session::noteStart(const Words& words, const record::TextPosition& before) {
    if (words[0] == "board") turn_ = {-1, 1};
    if (words[0] == "start") turn_ = {words[1] == "computer" ? 1 : -1, 1};
    if (words[0] == "reverse") turn_ = {-before.side, before.moveNumber};
}

}  // namespace cli

#pragma once

#include <string>
#include <string_view>

#include "cli/exchange_commands.h"
#include "cli/strong_commands.h"
#include "rating/glicko2.h"
#include "state/game.h"

namespace cli {

// One analysis session: a game object that lives as long as the session,
// answering one command line at a time.
class Session {
public:
    Session();

    // Answers one input line: the answer's lines, each ending in '\n' (empty
    // for a blank or comment line). Sets finished() on quit.
    std::string handle(std::string_view line);

    bool finished() const { return finished_; }
    state::Game& game() { return game_; }

private:
    // The commands that set a position say where the record starts from.
    void noteStart(const Words& words, const record::TextPosition& before);

    state::NullPort port_;
    state::Game game_{port_};
    StrongPlayer strong_;
    TurnAtStart turn_;
    rating::Rating rating_ = rating::kFirstRating;
    bool finished_ = false;
};

}  // namespace cli

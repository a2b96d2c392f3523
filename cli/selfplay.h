#pragma once

#include <string>

#include "state/clock.h"
#include "state/outcome.h"

namespace state {
struct Game;
}

namespace cli {

struct SelfPlayOptions {
    int games = 0;
    int level = 3;       // the upper side's level, and the lower side's unless lowerLevel is set
    int lowerLevel = 0;  // the lower side's level; 0: the same as the upper side's
    int limit = 0;       // level 8's node budget per move; 0: its time limit
    int randomPlies = 0;
    unsigned seed = 1;
    std::string outDir;        // empty: no files
    bool check = false;        // check the position after every move and the saved records
    state::TimeControl clock;  // both sides' clock; none by default
};

struct SelfPlayGame {
    state::Outcome outcome;        // who won and why
    int moves = 0;                 // record entries
    std::string problem;           // what a check found wrong, empty when all was well
    double longestStrongMove = 0;  // seconds of the search levels' longest move in the game
};

// Plays game number `index` (from 1) of the computer against itself on g:
// odd games from the human-first position, even ones from the
// computer-first position. The upper side plays the computer's move; the
// lower side's move is chosen on the board turned about and played back on
// the real board. The first plies are random when asked.
SelfPlayGame playSelfPlayGame(state::Game& g, int index, const SelfPlayOptions& options);

// The level of one side (+1 upper, -1 lower).
int levelOf(const SelfPlayOptions& options, int sign);

// Checks a position reached in play: codes, royal pieces, the record.
std::string positionProblem(const state::Game& g);

// Replays the record from its starting position, entry by entry, and compares
// the result with the board: empty when they agree.
std::string replayProblem(const state::Game& g);

// `nuedori-cli selfplay --games N --level L [--lower-level L] [--limit N] [--random-plies K] [--seed S]
// [--out DIR] [--check] [--clock sudden:M | fischer:M:S | byoyomi:M:S]`
int selfplayMain(int argc, char** argv);

}  // namespace cli

#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/computer_move.h"
#include "state/game.h"

namespace engine_support {

// Brings the maps up to date as game control does before the computer's
// turn: both king columns to 0, the human side's survey, then the computer's.
void surveyAsGameControl(state::Game& g);

// The expected 9 x 9 map written as 81 whitespace-separated numbers, row 1
// first, turned into the text testing_support::mapText prints, so that a
// failing comparison shows both grids aligned.
std::string grid(std::string_view rows);

// One evaluation the search made, as the analysis command line lists it.
struct Evaluation {
    int x = 0, y = 0, tx = 0, ty = 0, placed = 0;
    double score = 0;
    friend bool operator==(const Evaluation&, const Evaluation&) = default;
};
std::ostream& operator<<(std::ostream& out, const Evaluation& e);

// Every evaluation of the computer's search on the board as it stands (after
// bringing the maps up to date), in search order, and the chosen move.
struct SearchResult {
    std::vector<Evaluation> evaluations;
    engine::Choice chosen;
};
SearchResult searchAll(state::Game& g);

// The terms added one after the other, as the evaluation adds them to its
// running score (so an expected total rounds exactly as the score does).
double sum(std::initializer_list<double> terms);

// The score of one evaluation of the list; fails the test when it is absent.
double scoreOf(const SearchResult& r, int x, int y, int tx, int ty, int placed);

}  // namespace engine_support

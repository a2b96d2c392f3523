#pragma once

#include <QDate>

#include <optional>

#include "app/library/game_row.h"

namespace statistics {

// The games table's filters: the player's side, the level, the result and
// the days the game ended between; an empty filter lets every game through.
struct GameFilter {
    std::optional<library::HumanSide> side;  // Both: the games between two people
    int level = 0;                           // 0: any
    std::optional<library::Result> result;
    QDate from, to;  // either may be null: no limit that way
};

// 例: passes(a computer game won at level 3, {.level = 3}) is true
bool passes(const library::GameRow& row, const GameFilter& filter);

}  // namespace statistics

#pragma once

namespace state {

// How a game stands after a move, or before one.
enum class Outcome { Continues, UpperWins, LowerWins, Draw };

}  // namespace state

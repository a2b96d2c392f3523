#pragma once

namespace rules {

// How a game stands after a move, or before one.
enum class Outcome { Continues, UpperWins, LowerWins, Draw };

}  // namespace rules

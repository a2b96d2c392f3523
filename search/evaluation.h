#pragma once

#include "search/position.h"

namespace search {

// The strong computer's judgement of a quiet position, in hundredths of a
// pawn, from the side to move's point of view. Its own terms, documented in
// evaluation.cpp; it shares nothing with the one-ply levels' scores.
int evaluate(const Position& p);

// Material alone, from the side to move's point of view.
int material(const Position& p);

}  // namespace search

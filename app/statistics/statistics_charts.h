#pragma once

#include "app/library/library.h"

class QChart;

namespace statistics {

// The statistics' charts, drawn by Qt Charts from what the library read;
// each is empty (no series) when there is nothing to draw.

// The player's rating after each rated game, one line a side, over time.
QChart* ratingChart(const library::Statistics& s);
// Wins, draws and losses against each level, for each side the player held.
QChart* levelChart(const library::Statistics& s);
// The accuracy of each reviewed game and its blunders, over time.
QChart* reviewChart(const library::Statistics& s);

}  // namespace statistics

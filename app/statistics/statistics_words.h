#pragma once

#include <QString>

#include "app/library/game_row.h"
#include "rating/glicko2.h"
#include "rating/level_ratings.h"

namespace statistics {

// The statistics' words for the library's facts, in the window's language
// (context "Statistics": Japanese source texts, English in nuedori_en.ts).
QString sideWord(rating::Side side);
QString sideWord(library::HumanSide side);
QString resultWord(library::Result result);
QString opponentWord(const library::GameRow& row);
// "1523 ± 120（暫定）"
QString ratingWords(const rating::Rating& r);
QString text(const char* japanese);

}  // namespace statistics

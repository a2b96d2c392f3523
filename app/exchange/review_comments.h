#pragma once

#include <string>
#include <vector>

#include "record/kif_format.h"
#include "review/game_review.h"

namespace app {

// The review's grades and better moves as KIF comments, in Japanese as KIF
// is written: after each of the first `held` moves of the review, its grade
// (最善手 好手 疑問手 悪手 大悪手), then, below best, the search's choice
// where the move played was not it, marked ▲ for the lower side as KIF
// marks 先手. Other comments of the game stay.
// 例: a mistake where the search chose ４八鵺王 gives "悪手\n最善：▲４八鵺王"
void addReviewComments(record::KifGame& game, const review::Result& r, int held);

}  // namespace app

#include "app/exchange/review_comments.h"

#include <algorithm>

#include "record/notation.h"

namespace app {

namespace {

std::string gradeWords(review::Grade g) {
    switch (g) {
        case review::Grade::Best: return "最善手";
        case review::Grade::Good: return "好手";
        case review::Grade::Inaccuracy: return "疑問手";
        case review::Grade::Mistake: return "悪手";
        case review::Grade::Blunder: return "大悪手";
    }
    return {};
}

}  // namespace

void addReviewComments(record::KifGame& game, const review::Result& r, int held) {
    held = std::min(held, static_cast<int>(r.moves.size()));
    if (held <= 0) return;
    game.comments.resize(std::max(game.comments.size(), static_cast<std::size_t>(held) + 1));
    record::Square previous;
    for (int i = 0; i < held; ++i) {
        const review::MoveReview& m = r.moves[static_cast<std::size_t>(i)];
        std::string text = gradeWords(m.grade);
        // A move graded best within the review's margin needs no better one.
        if (!m.searchChoice && m.grade != review::Grade::Best)
            ((text += "\n最善：") += record::手番記号(m.side, -1)) +=
                record::指し手表記(m.best, record::Notation::Japanese, previous);
        game.comments[static_cast<std::size_t>(m.ply)] = text;
        previous = {m.played.lastX(), m.played.lastY()};
    }
}

}  // namespace app

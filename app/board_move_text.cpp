#include "app/board_move_text.h"

#include <cmath>
#include <string>

#include "app/western_notation.h"
#include "display/texts.h"
#include "record/notation.h"

namespace app {

namespace {

constexpr int kMoveTextSize = 12;
// Where 描画_手数 prints the number: from x 11.7 (three digits) to 11.9 (one),
// at y 3.3, each over its shadow 0.1 further right and down.
constexpr double kNumberLeft = 11.7, kNumberRight = 12.0, kNumberTop = 3.3, kNumberBottom = 3.4;

enum class Part { Column, Row, Piece };

struct Place {
    Part part;
    bool upper;
    QPointF columnAt;
};

// The core computes its places as sums of tenths: compare with a margin.
constexpr double kSlack = 1e-6;
bool near(double a, double b) { return std::abs(a - b) < kSlack; }
bool within(double v, double low, double high) { return v > low - kSlack && v < high + kSlack; }

// The places 描画_移動結果 prints at: the column at X, the row 0.4 and the
// piece 1 to the right, each shadow 0.1 further right and down.
std::optional<Place> placeOf(double x, double y) {
    for (const bool upper : {true, false}) {
        const double left = upper ? display::kUpperMoveX : display::kLowerMoveX;
        const double top = upper ? display::kUpperMoveY : display::kLowerMoveY;
        for (const double shadow : {0.0, 0.1}) {
            if (!near(y, top + shadow)) continue;
            const double dx = x - left - shadow;
            const QPointF columnAt(left + shadow, y);
            if (near(dx, 0)) return Place{Part::Column, upper, columnAt};
            if (near(dx, 0.4)) return Place{Part::Row, upper, columnAt};
            if (near(dx, 1)) return Place{Part::Piece, upper, columnAt};
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<EnglishMoveText> englishMoveText(const rules::MoveRecord& r, double x, double y, int size,
                                               std::string_view printed) {
    if (size != kMoveTextSize || r.counter < 1) return std::nullopt;
    const std::optional<Place> place = placeOf(x, y);
    if (!place) return std::nullopt;
    // The move texts are printed right after the move is recorded or stepped
    // to: the current entry ends the move they name. Anything else printed
    // there (an analysis position, a record turned about) keeps the texts'
    // own translation.
    const int last = r.counter;
    if ((r.placed[last] >= 1) != place->upper) return std::nullopt;
    std::string_view expected;
    switch (place->part) {
        case Part::Column: expected = display::全角数字(10 - r.toX[last]); break;
        case Part::Row: expected = display::漢数字(r.toY[last]); break;
        case Part::Piece: expected = display::駒名(r.placed[last]); break;
    }
    if (printed != expected) return std::nullopt;
    if (place->part != Part::Piece) return EnglishMoveText{QString(), place->columnAt};
    return EnglishMoveText{QString::fromStdString(westernMove(r, record::手の最初(r, last), last)),
                           place->columnAt};
}

std::optional<EnglishMoveText> englishMoveNumber(int moveNumber, double x, double y, int size,
                                                 std::string_view printed) {
    if (printed == "手目") return EnglishMoveText{QString("Move %1").arg(moveNumber), QPointF(x, y)};
    const bool numberPlace =
        size == kMoveTextSize && within(x, kNumberLeft, kNumberRight) && within(y, kNumberTop, kNumberBottom);
    if (numberPlace && printed == std::to_string(moveNumber))
        return EnglishMoveText{QString(), QPointF(x, y)};
    return std::nullopt;
}

}  // namespace app

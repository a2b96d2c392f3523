#include "record/notation.h"

#include "rules/piece_names.h"
#include "rules/promotion_zone.h"
#include "state/pieces.h"

namespace record {

namespace {

bool isNueKing(int code) { return rules::magnitude(code) == rules::鵺王; }

// The last entry of the move starting at entry k: a Nue King's steps go
// together while the next entry places the same Nue King, as 進 does.
int lastEntryOf(const rules::MoveRecord& r, int k) {
    while (isNueKing(r.placed[k]) && k < r.last && r.placed[k + 1] == r.placed[k]) ++k;
    return k;
}

struct Square {
    int x = 0, y = 0;
    friend bool operator==(const Square&, const Square&) = default;
};

std::string squareText(Square s, Square previous) {
    if (s == previous) return "同";
    return rules::升目名(s.x, s.y);
}

// 成 when the piece changed on its way, 不成 when it could have and did not.
std::string_view promotionText(const rules::MoveRecord& r, int k) {
    if (r.placed[k] != r.moved[k]) return "成";
    return rules::成れる(r.fromY[k], r.toY[k], r.moved[k]) ? "不成" : "";
}

std::string lineText(const rules::MoveRecord& r, int first, int last, int firstMover, Square previous) {
    const bool firstSide = (r.moved[first] >= 1) == (firstMover >= 1);
    std::string text = firstSide ? "▲" : "△";
    for (int k = first; k <= last; ++k) {
        if (k > first) text += "・";
        text += squareText({r.toX[k], r.toY[k]}, previous);
    }
    text += rules::駒名(r.moved[first]);
    text += promotionText(r, last);
    return text;
}

}  // namespace

std::vector<NotationLine> 棋譜表記(const rules::MoveRecord& r, int firstMover) {
    std::vector<NotationLine> lines;
    Square previous;
    for (int k = 1; k <= r.last && k <= rules::MoveRecord::kCapacity;) {
        const int last = lastEntryOf(r, k);
        lines.push_back({k, last, lineText(r, k, last, firstMover, previous)});
        previous = {r.toX[last], r.toY[last]};
        k = last + 1;
    }
    return lines;
}

int 手の最初(const rules::MoveRecord& r, int last) {
    for (int k = 1; k <= last;) {
        const int end = lastEntryOf(r, k);
        if (end == last) return k;
        k = end + 1;
    }
    return last;
}

int 先手の側(const control::GameState& s) { return s.humanToken == 1 ? -1 : 1; }

int 初手の側(const rules::MoveRecord& r) { return r.last >= 1 && r.moved[1] >= 1 ? 1 : -1; }

int 表記行(const std::vector<NotationLine>& lines, int counter) {
    int line = 0;
    while (line < static_cast<int>(lines.size()) && lines[static_cast<std::size_t>(line)].last <= counter)
        ++line;
    return line;
}

}  // namespace record

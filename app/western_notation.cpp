#include "app/western_notation.h"

#include "app/language.h"
#include "rules/promotion_zone.h"

namespace app {

namespace {

constexpr const char* kLetters[] = {"",   "P", "+P", "L",  "+L", "N",  "+N", "S",
                                    "+S", "G", "R",  "+R", "B",  "+B", "U",  "K"};

std::string letterOf(int code) {
    const int kind = code < 0 ? -code : code;
    return kind <= 15 ? kLetters[kind] : "";
}

std::string squareOf(int x, int y) {
    return std::string(1, static_cast<char>('0' + 10 - x)) + static_cast<char>('a' + y - 1);
}

}  // namespace

std::string westernLine(const rules::MoveRecord& r, int first, int last, int firstMover) {
    const bool firstSide = (r.moved[first] >= 1) == (firstMover >= 1);
    std::string text = firstSide ? "▲" : "△";
    return text += westernMove(r, first, last);
}

std::string westernMove(const rules::MoveRecord& r, int first, int last) {
    std::string text = letterOf(r.moved[first]);
    for (int k = first; k <= last; ++k) {
        text += r.captured[k] != 0 ? "x" : "-";
        text += squareOf(r.toX[k], r.toY[k]);
    }
    if (r.placed[last] != r.moved[last])
        text += "+";
    else if (rules::成れる(r.fromY[last], r.toY[last], r.moved[last]))
        text += "=";
    return text;
}

std::string westernHint(const control::Hint& h) {
    // Appended piece by piece: GCC 12 at -O3 takes "-" + a short string for
    // an overlapping copy (-Wrestrict).
    std::string text = letterOf(h.placed) + squareOf(h.x, h.y);
    text += '-';
    text += squareOf(h.tx, h.ty);
    if (h.second) {
        text += '-';
        text += squareOf(h.tx2, h.ty2);
    }
    return text;
}

std::vector<record::NotationLine> writtenMoves(const rules::MoveRecord& r, int firstMover) {
    std::vector<record::NotationLine> lines = record::棋譜表記(r, firstMover);
    if (inEnglish())
        for (record::NotationLine& line : lines)
            line.text = westernLine(r, line.first, line.last, firstMover);
    return lines;
}

}  // namespace app

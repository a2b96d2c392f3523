#include "record/position_check.h"

#include <array>

namespace record {

using namespace state;

namespace {

// The kind a piece promoted from; every other kind is its own.
int unpromoted(int kind) {
    switch (kind) {
        case と: return 歩;
        case 成香: return 香;
        case 成桂: return 桂;
        case 成銀: return 銀;
        case 龍: return 飛;
        case 馬: return 角;
        default: return kind;
    }
}

bool isRoyal(int code) { return magnitude(code) == 王 || magnitude(code) == 鵺王; }

// The ranks a piece has left ahead of it: rows count down toward the upper
// side's edge for the lower side (negative codes), up for the upper side.
int ranksAhead(int code, int y) { return isLower(code) ? y - 1 : 9 - y; }

// A pawn or a lance moves only forward, a knight two ranks forward.
bool stranded(int code, int y) {
    const int kind = magnitude(code);
    if (kind == 歩 || kind == 香) return ranksAhead(code, y) < 1;
    if (kind == 桂) return ranksAhead(code, y) < 2;
    return false;
}

void royalFaults(const Board& b, int side, std::vector<SetupProblem>& out) {
    int royals = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) royals += (isRoyal(b(x, y)) && (b(x, y) > 0) == (side > 0)) ? 1 : 0;
    if (royals == 0) out.push_back({SetupFault::NoRoyal, side});
    if (royals > 1) out.push_back({SetupFault::TwoRoyals, side, 0, 0, 0, royals});
}

}  // namespace

int 駒の上限(int kind) {
    switch (unpromoted(kind)) {
        case 歩: return 9;
        case 香:
        case 桂:
        case 銀:
        case 金: return 2;
        default: return 1;
    }
}

std::vector<SetupProblem> 局面の問題(const Board& b) {
    std::vector<SetupProblem> out;
    royalFaults(b, -1, out);
    royalFaults(b, +1, out);
    std::array<int, 16> counts{};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int code = b(x, y);
            if (code == 空) continue;
            counts[static_cast<std::size_t>(unpromoted(magnitude(code)))] += 1;
            if (stranded(code, y)) out.push_back({SetupFault::StrandedPiece, code > 0 ? 1 : -1, x, y, code});
        }
    for (int kind = 歩; kind <= 王; ++kind) {
        const int count = counts[static_cast<std::size_t>(kind)];
        if (count > 駒の上限(kind))
            out.push_back({SetupFault::TooMany, 0, 0, 0, kind, count, 駒の上限(kind)});
    }
    return out;
}

}  // namespace record

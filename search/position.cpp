#include "search/position.h"

#include "search/zobrist.h"

namespace search {

namespace {

// Keeps the royal squares when a royal piece moves or is taken.
void forgetRoyal(Position& p, int code) {
    if (code == 14 || code == -14) p.nue[sideIndex(code)] = 0;
    if (code == 15 || code == -15) p.king[sideIndex(code)] = 0;
}

void placeRoyal(Position& p, int code, int sq) {
    if (code == 14 || code == -14) p.nue[sideIndex(code)] = sq;
    if (code == 15 || code == -15) p.king[sideIndex(code)] = sq;
}

// One record entry: the piece leaves `from`, `placed` stands on `to`.
int step(Position& p, int from, int to, int moved, int placed) {
    const int captured = p.cell[to];
    p.key ^= pieceKey(moved, from) ^ pieceKey(captured, to) ^ pieceKey(placed, to);
    p.cell[from] = 0;
    p.cell[to] = static_cast<std::int8_t>(placed);
    if (isRoyal(captured)) forgetRoyal(p, captured);
    placeRoyal(p, placed, to);
    ++p.entries;
    p.previousPlaced = p.lastPlaced;
    p.lastPlaced = placed;
    p.lastCaptured = captured;
    return captured;
}

}  // namespace

int Position::bannedTarget() const {
    if (entries < 1) return 0;
    if (lastCaptured != 14 && lastCaptured != -14) return 0;
    const int threatened = -lastCaptured;
    return previousPlaced != threatened ? threatened : 0;
}

Undo Position::make(Move m) {
    Undo u{0, 0, entries, lastCaptured, lastPlaced, previousPlaced, nue, king, key};
    const int from = fromOf(m), to = toOf(m), second = secondOf(m);
    const int piece = cell[from];
    const int placed = promotes(m) ? piece + side : piece;
    u.captured = step(*this, from, to, piece, placed);
    if (second != 0) u.secondCaptured = step(*this, to, second, piece, piece);
    side = -side;
    key ^= kZobrist.side;
    return u;
}

void Position::unmake(Move m, const Undo& u) {
    const int from = fromOf(m), to = toOf(m), second = secondOf(m);
    const int piece = second != 0 ? cell[second] : (promotes(m) ? cell[to] + side : cell[to]);
    // Second step first: when it went back to the start, `from` is restored last.
    if (second != 0) cell[second] = static_cast<std::int8_t>(u.secondCaptured);
    cell[to] = static_cast<std::int8_t>(u.captured);
    cell[from] = static_cast<std::int8_t>(piece);
    side = -side;
    entries = u.entries;
    lastCaptured = u.lastCaptured;
    lastPlaced = u.lastPlaced;
    previousPlaced = u.previousPlaced;
    nue = u.nue;
    king = u.king;
    key = u.key;
}

void Position::makeNull() {
    side = -side;
    key ^= kZobrist.side;
}

std::uint64_t Position::computeKey() const {
    std::uint64_t k = side < 0 ? kZobrist.side : 0;
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) k ^= pieceKey(at(x, y), square(x, y));
    return k;
}

state::Move toGameMove(const Position& p, Move m) {
    state::Move g;
    const int from = fromOf(m), to = toOf(m), second = secondOf(m);
    g.fromX = fileOf(from);
    g.fromY = rankOf(from);
    g.toX = fileOf(to);
    g.toY = rankOf(to);
    g.moved = p.cell[from];
    g.placed = promotes(m) ? g.moved + p.side : g.moved;
    g.captured = p.cell[to];
    if (second != 0) {
        g.twoStep = true;
        g.toX2 = fileOf(second);
        g.toY2 = rankOf(second);
        // Back to its own square the Nue King finds it empty.
        g.captured2 = second == from ? 0 : p.cell[second];
    }
    return g;
}

Move packed(const state::Move& m) {
    const int second = m.twoStep ? square(m.toX2, m.toY2) : 0;
    return makeMove(square(m.fromX, m.fromY), square(m.toX, m.toY), second, m.placed != m.moved);
}

Position emptyPosition() {
    Position p;
    p.cell.fill(kOff);
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) p.cell[square(x, y)] = 0;
    return p;
}

void put(Position& p, int x, int y, int code) {
    const int sq = square(x, y);
    if (isRoyal(p.cell[sq])) forgetRoyal(p, p.cell[sq]);
    p.cell[sq] = static_cast<std::int8_t>(code);
    placeRoyal(p, code, sq);
    p.key = p.computeKey();
}

}  // namespace search

#include "search/transposition_table.h"

#include <algorithm>

namespace search {

TranspositionTable::TranspositionTable(std::size_t megabytes) {
    const std::size_t budget = std::clamp<std::size_t>(megabytes, 1, kMaxMegabytes) << 20;
    std::size_t count = 1;
    while (count * 2 * sizeof(TableEntry) <= budget) count *= 2;
    entries_.assign(count, TableEntry{});
    mask_ = count - 1;
}

void TranspositionTable::clear() { std::fill(entries_.begin(), entries_.end(), TableEntry{}); }

const TableEntry* TranspositionTable::probe(std::uint64_t key) const {
    const TableEntry& e = entries_[key & mask_];
    return e.key == key && e.bound != Bound::None ? &e : nullptr;
}

void TranspositionTable::store(std::uint64_t key, Move move, int score, int depth, Bound bound) {
    TableEntry& e = entries_[key & mask_];
    // A deeper result of the same position is kept unless this one is exact.
    if (e.key == key && e.depth > depth && bound != Bound::Exact) return;
    if (e.key == key && move == 0) move = e.move;
    e = TableEntry{key, move, static_cast<std::int16_t>(score), static_cast<std::int8_t>(depth), bound};
}

}  // namespace search

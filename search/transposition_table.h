#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "search/position.h"

namespace search {

enum class Bound : std::uint8_t { None, Upper, Lower, Exact };

struct TableEntry {
    std::uint64_t key = 0;
    Move move = 0;
    std::int16_t score = 0;
    std::int8_t depth = 0;
    Bound bound = Bound::None;
};

// What earlier searches learnt of positions, by Zobrist key. Its size is
// fixed when it is made (a power of two of entries within the megabytes
// asked for, never more than 64 MB) and never changes.
class TranspositionTable {
public:
    static constexpr std::size_t kMaxMegabytes = 64;

    explicit TranspositionTable(std::size_t megabytes);

    void clear();
    // The entry of this key, or nullptr.
    const TableEntry* probe(std::uint64_t key) const;
    void store(std::uint64_t key, Move move, int score, int depth, Bound bound);

    std::size_t bytes() const { return entries_.size() * sizeof(TableEntry); }

private:
    std::vector<TableEntry> entries_;
    std::size_t mask_ = 0;
};

}  // namespace search

#pragma once

#include "search/position.h"

namespace search {

// True when `code` is a piece of the side `sign` (+1 upper, -1 lower).
constexpr bool ownedBy(int code, int sign) { return sign > 0 ? (code > 0 && code <= 15) : code < 0; }

// How many pieces of side `by` could move to `target` by their movement
// alone, whatever stands there, with `transparent` (0 for none) taken as an
// empty square. The Nue King counts only when `withNue` is set.
// 例: attackerCount(p, square(5, 8), -1, 0, true) == 1 with a lower king on (5, 9)
int attackerCount(const Position& p, int target, int by, int transparent, bool withNue);

// A Nue King that stands guarded may not be taken by the other Nue King's
// jump or first step: some other piece of its side could move to its square
// with both Nue Kings lifted off.
bool nueGuarded(const Position& p, int target, int guardSign, int attackerFrom);

// The side to move can take a royal piece of the other side with this move.
bool canTakeRoyal(const Position& p);

// The other side could take a royal piece of side `sign` if it were to move.
bool royalAttacked(const Position& p, int sign);

}  // namespace search

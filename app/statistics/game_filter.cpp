#include "app/statistics/game_filter.h"

namespace statistics {

bool passes(const library::GameRow& row, const GameFilter& f) {
    if (f.side && row.humanSide != *f.side) return false;
    if (f.level != 0 && row.level != f.level) return false;
    if (f.result && row.result != *f.result) return false;
    const QDate day = row.finished.date();
    if (f.from.isValid() && day < f.from) return false;
    if (f.to.isValid() && day > f.to) return false;
    return true;
}

}  // namespace statistics

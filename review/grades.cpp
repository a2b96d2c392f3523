#include "review/grades.h"

#include <algorithm>
#include <cmath>

#include "search/search.h"

namespace review {

double 勝率(int score, Army side) {
    if (score >= search::kWinBound) return 1;
    if (score <= -search::kWinBound) return 0;
    const double balance = side == Army::Full ? kArmyBalance : (side == Army::Nue ? -kArmyBalance : 0);
    return 1.0 / (1.0 + std::exp(-(score - balance) / kWinChanceScale));
}

Grade 損失の評価(double loss) {
    if (loss < 0.02) return Grade::Best;
    if (loss < 0.05) return Grade::Good;
    if (loss < 0.10) return Grade::Inaccuracy;
    if (loss < 0.20) return Grade::Mistake;
    return Grade::Blunder;
}

std::string_view 評価の名前(Grade g) {
    switch (g) {
        case Grade::Best: return "best";
        case Grade::Good: return "good";
        case Grade::Inaccuracy: return "inaccuracy";
        case Grade::Mistake: return "mistake";
        case Grade::Blunder: return "blunder";
    }
    return "best";
}

double 手の正確さ(Grade g, double loss) {
    if (g == Grade::Best) return 100;
    if (g == Grade::Blunder) return 0;
    return 100 * (1 - std::clamp(loss, 0.0, 0.2) / 0.2);
}

}  // namespace review

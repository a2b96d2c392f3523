#include "app/window/level_tips.h"

#include <QCoreApplication>

#include <array>
#include <cstring>

namespace app {

namespace {

// Each level as the ladder measured it (README, "The levels"): its rating
// (1500 for level 3, the others by their measured Elo above it; 0 where no
// match measured it), what it looks at in a move, and the side it plays best.
struct LevelFacts {
    int rating;
    const char* thinks;
    const char* bestSide;
};

constexpr std::array<LevelFacts, 8> kLevels = {{
    {0, QT_TRANSLATE_NOOP("Levels", "一手だけを見て、すぐに指します"), QT_TRANSLATE_NOOP("Levels", "鵺王側")},
    {0, QT_TRANSLATE_NOOP("Levels", "一手だけを見て、すぐに指します"), QT_TRANSLATE_NOOP("Levels", "鵺王側")},
    {1500, QT_TRANSLATE_NOOP("Levels", "一手だけを見て、すぐに指します"),
     QT_TRANSLATE_NOOP("Levels", "鵺王側")},
    {1700, QT_TRANSLATE_NOOP("Levels", "5千局面まで読み、すぐに指します"),
     QT_TRANSLATE_NOOP("Levels", "鵺王側")},
    {1827, QT_TRANSLATE_NOOP("Levels", "千局面を読み、すぐに指します"),
     QT_TRANSLATE_NOOP("Levels", "鵺王側")},
    {2009, QT_TRANSLATE_NOOP("Levels", "1万局面を読み、すぐに指します"),
     QT_TRANSLATE_NOOP("Levels", "鵺王側")},
    {2146, QT_TRANSLATE_NOOP("Levels", "7万局面を読み、一手に一秒足らず考えます"),
     QT_TRANSLATE_NOOP("Levels", "鵺王側と軍側のどちらも")},
    {2304, QT_TRANSLATE_NOOP("Levels", "一手に約一秒考えます"), QT_TRANSLATE_NOOP("Levels", "軍側")},
}};

}  // namespace

int levelOfItem(const char* controlName) {
    if (std::strncmp(controlName, "LEVEL", 5) != 0 || std::strlen(controlName) != 6) return 0;
    const int n = controlName[5] - '0';
    return 1 <= n && n <= static_cast<int>(kLevels.size()) ? n : 0;
}

QString levelTip(int level) {
    const LevelFacts& f = kLevels[static_cast<std::size_t>(level - 1)];
    const QString rating = f.rating > 0 ? QCoreApplication::translate("Levels", "レート %1").arg(f.rating)
                                        : QCoreApplication::translate("Levels", "LEVEL3 より弱い");
    return QCoreApplication::translate("Levels", "%1・%2・%3が得意")
        .arg(rating)
        .arg(QCoreApplication::translate("Levels", f.thinks))
        .arg(QCoreApplication::translate("Levels", f.bestSide));
}

}  // namespace app

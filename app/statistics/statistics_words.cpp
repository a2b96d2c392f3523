#include "app/statistics/statistics_words.h"

#include <QCoreApplication>

#include <array>

namespace statistics {

namespace {

constexpr const char* kContext = "Statistics";

constexpr std::array kResults = {
    QT_TRANSLATE_NOOP("Statistics", "勝ち"),     QT_TRANSLATE_NOOP("Statistics", "負け"),
    QT_TRANSLATE_NOOP("Statistics", "引き分け"), QT_TRANSLATE_NOOP("Statistics", "手前の勝ち"),
    QT_TRANSLATE_NOOP("Statistics", "奥の勝ち"), QT_TRANSLATE_NOOP("Statistics", "中断"),
};

}  // namespace

QString text(const char* japanese) { return QCoreApplication::translate(kContext, japanese); }

QString sideWord(rating::Side side) {
    return side == rating::Side::Nue ? text(QT_TRANSLATE_NOOP("Statistics", "鵺王"))
                                     : text(QT_TRANSLATE_NOOP("Statistics", "全軍"));
}

QString sideWord(library::HumanSide side) {
    if (side == library::HumanSide::Both) return text(QT_TRANSLATE_NOOP("Statistics", "両方"));
    return sideWord(library::sideOf(side));
}

QString resultWord(library::Result result) { return text(kResults[static_cast<std::size_t>(result)]); }

QString opponentWord(const library::GameRow& row) {
    if (row.kind == library::Kind::TwoPlayers) return text(QT_TRANSLATE_NOOP("Statistics", "二人で対局"));
    return text(QT_TRANSLATE_NOOP("Statistics", "コンピュータ レベル%1")).arg(row.level);
}

QString ratingWords(const rating::Rating& r) {
    QString words = QString("%1 ± %2").arg(qRound(r.rating)).arg(qRound(r.deviation));
    if (rating::provisional(r)) words += text(QT_TRANSLATE_NOOP("Statistics", "（暫定）"));
    return words;
}

}  // namespace statistics

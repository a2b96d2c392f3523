#include "app/statistics/player_record.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cmath>

#include "app/statistics/statistics_window.h"
#include "control/kept_game.h"
#include "record/record_facts.h"
#include "review/game_review.h"

namespace statistics {

PlayerRecord::PlayerRecord(const QString& dataFolder, const QString& gamesFolder)
    : library_(library::Library::fileIn(dataFolder), gamesFolder) {}

rating::Side PlayerRecord::playerSide(const state::Game& g) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (g.board(x, y) == -state::鵺王) return rating::Side::Nue;
    return rating::Side::Army;
}

void PlayerRecord::gameEnded(const state::Game& g, state::Outcome o, const QString& recordFile,
                             bool adaptive) {
    if (recordFile.isEmpty()) return;  // the library reads only games kept in the folder
    const record::KeptGame kept = control::保存用の対局(g);
    library_.recordGame(library::rowOf(record::対局の事実(kept, o), QDateTime::currentDateTime(), recordFile,
                                       library::clockOf(kept)),
                        adaptive);
}

void PlayerRecord::reviewed(const QString& recordFile, const review::Result& r) {
    if (recordFile.isEmpty()) return;
    // The person is the lower side against the computer, and by this game's choice between two.
    const review::SideSummary& s = r.lower;
    library_.recordReview(recordFile, {s.accuracy, s.inaccuracies, s.mistakes, s.blunders});
}

QString PlayerRecord::suggestion(rating::Side side) const {
    const rating::Rating player = library_.rating(side);
    const int level = rating::suggestedLevel(player, side);
    const int chance = static_cast<int>(std::lround(100 * rating::expectedAgainst(player, side, level)));
    return QCoreApplication::translate("Statistics", "LEVEL%1 が合いそうです（期待勝率 %2%）")
        .arg(level)
        .arg(chance);
}

void PlayerRecord::showStatistics(QWidget* parent, const Hooks& hooks) {
    auto* w = new StatisticsWindow(parent);  // deleted when it closes
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setStatistics(library_.statistics(),
                     {library_.rating(rating::Side::Nue), library_.rating(rating::Side::Army)});
    w->games().onOpen(hooks.open);
    w->games().onReview(hooks.review);
    w->games().onPlayOn(hooks.playOn);
    w->show();
}

}  // namespace statistics

#include "app/keeping/recent_games.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <filesystem>
#include <variant>

#include "record/kept_game.h"
#include "record/kifu_format.h"

namespace app {

namespace {

constexpr const char* kFactsEnding = ".game.txt";

QString words(const char* japanese) { return QCoreApplication::translate("RecentGame", japanese); }

std::filesystem::path pathOf(const QString& path) { return std::filesystem::path(path.toStdString()); }

QString sideName(state::Side side, state::Side nueKing) {
    return side == nueKing ? words(QT_TRANSLATE_NOOP("RecentGame", "鵺王"))
                           : words(QT_TRANSLATE_NOOP("RecentGame", "全軍"));
}

// Against the computer the person's result; between two people the winner's side.
QString resultWords(const RecentGame& game) {
    if (game.unfinished) return words(QT_TRANSLATE_NOOP("RecentGame", "中断"));
    const std::optional<state::Outcome>& o = game.summary.outcome;
    if (!o) return {};
    if (!o->winner()) return words(QT_TRANSLATE_NOOP("RecentGame", "引き分け"));
    if (game.summary.opponent == record::GameSummary::Opponent::Computer)
        return *o->winner() == state::Side::Lower ? words(QT_TRANSLATE_NOOP("RecentGame", "勝ち"))
                                                  : words(QT_TRANSLATE_NOOP("RecentGame", "負け"));
    return *o->winner() == game.summary.nueKing ? words(QT_TRANSLATE_NOOP("RecentGame", "鵺王の勝ち"))
                                                : words(QT_TRANSLATE_NOOP("RecentGame", "全軍の勝ち"));
}

record::GameSummary summaryOfFiles(const QString& recordPath) {
    const record::KeptGameRead facts = record::readKeptGame(pathOf(factsFileOf(recordPath)));
    if (const auto* game = std::get_if<record::KeptGame>(&facts)) return record::summaryOf(*game);
    const record::ReadResult read = record::readKifuFile(pathOf(recordPath));
    if (const auto* kifu = std::get_if<record::Kifu>(&read)) return record::summaryOf(*kifu);
    return {};
}

}  // namespace

QString RecentGame::caption() const {
    QStringList parts{when.isValid() ? when.toString("MM/dd HH:mm") : name};
    using Opponent = record::GameSummary::Opponent;
    if (summary.opponent == Opponent::Computer) {
        parts << "LEVEL" + QString::number(summary.computerLevel);
        parts << sideName(state::Side::Lower, summary.nueKing);
    }
    if (summary.opponent == Opponent::Person) parts << words(QT_TRANSLATE_NOOP("RecentGame", "二人"));
    if (const QString result = resultWords(*this); !result.isEmpty()) parts << result;
    if (summary.moves > 0) parts << words(QT_TRANSLATE_NOOP("RecentGame", "%1手")).arg(summary.moves);
    return parts.join(' ');
}

QString factsFileOf(const QString& recordPath) {
    QString path = recordPath;
    if (path.endsWith(kRecordEnding)) path.chop(static_cast<int>(QString(kRecordEnding).size()));
    return path + kFactsEnding;
}

RecentGame recentGameOf(const QString& path) {
    RecentGame game;
    game.name = QFileInfo(path).completeBaseName();
    game.when = QDateTime::fromString(game.name.left(19), kGameStampFormat);
    game.unfinished = game.name.contains(kUnfinishedMark);
    game.summary = summaryOfFiles(path);
    return game;
}

}  // namespace app

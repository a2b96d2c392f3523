#include "app/keeping/recent_games.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <filesystem>
#include <variant>

#include "record/kept_game.h"
#include "record/kifu_format.h"
#include "record/record_facts.h"

namespace app {

namespace {

constexpr const char* kFactsEnding = ".game.txt";

QString words(const char* japanese) { return QCoreApplication::translate("RecentGame", japanese); }

std::filesystem::path pathOf(const QString& path) { return std::filesystem::path(path.toStdString()); }

QString sideName(bool nueKing) {
    return nueKing ? words(QT_TRANSLATE_NOOP("RecentGame", "鵺王"))
                   : words(QT_TRANSLATE_NOOP("RecentGame", "全軍"));
}

// Against the computer the person's result; between two people the winner's side.
QString resultWords(const RecentGame& game) {
    if (game.unfinished) return words(QT_TRANSLATE_NOOP("RecentGame", "中断"));
    if (!game.facts || !game.facts->outcome.over()) return {};
    const std::optional<state::Side> winner = game.facts->outcome.winner();
    if (!winner) return words(QT_TRANSLATE_NOOP("RecentGame", "引き分け"));
    if (game.facts->computerSide != 0)
        return *winner == state::Side::Lower ? words(QT_TRANSLATE_NOOP("RecentGame", "勝ち"))
                                             : words(QT_TRANSLATE_NOOP("RecentGame", "負け"));
    return state::sign(*winner) == game.facts->nueSide ? words(QT_TRANSLATE_NOOP("RecentGame", "鵺王の勝ち"))
                                                       : words(QT_TRANSLATE_NOOP("RecentGame", "全軍の勝ち"));
}

// The facts kept beside the record, or what the record alone tells.
std::optional<record::RecordFacts> factsOfFiles(const QString& recordPath, bool unfinished) {
    const record::KeptGameRead facts = record::readKeptGame(pathOf(factsFileOf(recordPath)));
    if (const auto* game = std::get_if<record::KeptGame>(&facts))
        return record::対局の事実(*game, game->outcome);
    const record::ReadResult read = record::readKifuFile(pathOf(recordPath));
    if (const auto* kifu = std::get_if<record::Kifu>(&read)) return record::棋譜の事実(*kifu, !unfinished);
    return std::nullopt;
}

}  // namespace

QString RecentGame::caption() const {
    QStringList parts{when.isValid() ? when.toString("MM/dd HH:mm") : name};
    if (facts && facts->computerSide != 0) {
        parts << "LEVEL" + QString::number(facts->level);
        parts << sideName(facts->nueSide == -1);  // the person is the lower side
    }
    if (facts && facts->computerSide == 0) parts << words(QT_TRANSLATE_NOOP("RecentGame", "二人"));
    if (const QString result = resultWords(*this); !result.isEmpty()) parts << result;
    if (facts && facts->moves > 0) parts << words(QT_TRANSLATE_NOOP("RecentGame", "%1手")).arg(facts->moves);
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
    game.facts = factsOfFiles(path, game.unfinished);
    return game;
}

}  // namespace app

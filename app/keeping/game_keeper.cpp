#include "app/keeping/game_keeper.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

#include "app/keeping/player_settings.h"
#include "control/kept_game.h"
#include "record/kifu_format.h"
#include "record/record_moves.h"

namespace app {

namespace {

constexpr const char* kGameFile = "game-in-progress.txt";
constexpr const char* kGames = "games";
constexpr const char* kRecords = "records";

std::filesystem::path pathOf(const QString& path) { return std::filesystem::path(path.toStdString()); }

// The same game, gone on: the same position before entry 1, and the entries
// up to the earlier marker unchanged (moves after it may be dropped by a new
// move, as after 戻).
bool goesOn(const record::KeptGame& before, const record::KeptGame& now) {
    if (now.state == record::KeptState::None || now.start != before.start) return false;
    // スタート turns a game against the computer into a two-player game of its own.
    if (now.gameKind != before.gameKind && before.state == record::KeptState::Playing) return false;
    // An emptied record is a new game, or 最初.
    if (now.record.last == 0 && before.record.last > 0) return false;
    const int kept = before.record.counter;
    if (now.record.last < kept) return false;
    for (int k = 1; k <= kept; ++k)
        if (record::記録の項(before.record, k) != record::記録の項(now.record, k)) return false;
    return true;
}

// A new name in the games folder: the date and time, and a number when a
// game of the same second (its record or its facts) is there already.
QString freshName(const QString& folder, bool unfinished) {
    const QString stem =
        QDateTime::currentDateTime().toString(kGameStampFormat) + (unfinished ? kUnfinishedMark : "");
    const auto taken = [](const QString& path) {
        return QFileInfo::exists(path) || QFileInfo::exists(factsFileOf(path));
    };
    QString path = QDir(folder).filePath(stem + kRecordEnding);
    for (int n = 2; taken(path); ++n)
        path = QDir(folder).filePath(stem + "-" + QString::number(n) + kRecordEnding);
    return path;
}

record::KeptGame noGame(record::KeptGame game) {
    game.state = record::KeptState::None;
    game.outcome = {};
    return game;
}

}  // namespace

GameKeeper::GameKeeper(QString dataFolder) : data_(std::move(dataFolder)) {}

QString GameKeeper::gameFile() const { return QDir(data_).filePath(kGameFile); }
QString GameKeeper::gamesFolder() const { return QDir(data_).filePath(kGames); }

QString GameKeeper::recordsFolder() const {
    const QString folder = QDir(data_).filePath(kRecords);
    QDir().mkpath(folder);
    return folder;
}

GameKeeper::Found GameKeeper::takeKeptGame() {
    Found found;
    if (!keeping()) return found;
    const record::KeptGameRead read = record::readKeptGame(pathOf(gameFile()));
    if (const auto* game = std::get_if<record::KeptGame>(&read)) {
        if (game->state != record::KeptState::None) found.game = *game;
        return found;
    }
    if (std::get<record::KeptGameError>(read).kind == record::KeptGameError::Kind::Missing) return found;
    found.setAside = setAsideDamaged(gameFile());
    // A file that could not be moved is not written over either.
    if (found.setAside.isEmpty()) data_.clear();
    return found;
}

void GameKeeper::start(const state::Game& g) {
    started_ = keeping();
    keep(g);
}

bool GameKeeper::keep(const state::Game& g) {
    if (!started_) return false;
    const record::KeptGame now = ended_ ? noGame(control::保存用の対局(g)) : control::保存用の対局(g);
    const bool other = !kept_ || !goesOn(*kept_, now);
    if (other && kept_ && kept_->state == record::KeptState::Playing && control::棋譜に残せる(*kept_))
        writeGame(*kept_, true);
    kept_ = now;
    writeKept(now);
    return other;
}

void GameKeeper::gameEnded(const state::Game& g, state::Outcome outcome) {
    if (!started_) return;
    record::KeptGame game = control::保存用の対局(g);
    game.outcome = outcome;
    if (control::棋譜に残せる(game)) writeGame(game, false);
    ended_ = true;
    kept_ = noGame(game);
    writeKept(*kept_);
}

bool GameKeeper::eventEnded(const state::Game& g) {
    const bool other = keep(g);
    ended_ = false;
    return other;
}

void GameKeeper::writeKept(const record::KeptGame& game) {
    std::string text = record::keptGameText(game);
    if (text == written_) return;
    QDir().mkpath(data_);
    if (const auto failed = record::saveFile(text, pathOf(gameFile()))) {
        tellProblem(gameFile(), *failed);
        return;
    }
    written_ = std::move(text);
}

void GameKeeper::writeGame(const record::KeptGame& game, bool unfinished) {
    QDir().mkpath(gamesFolder());
    const QString path = freshName(gamesFolder(), unfinished);
    const record::Kifu kifu = record::kifuFromRecord(game.record, control::棋譜の見出し(game));
    lastWritten_.clear();
    if (const auto failed = record::saveKifu(kifu, pathOf(path))) {
        tellProblem(path, *failed);
        return;
    }
    lastWritten_ = path;
    // The facts after the record: a record without them is an earlier game's.
    if (const auto failed = record::saveKeptGame(game, pathOf(factsFileOf(path)))) tellProblem(path, *failed);
}

void GameKeeper::tellProblem(const QString& path, const record::SaveError& failed) {
    if (problem_.isEmpty()) problem_ = path + ": " + QString::fromStdString(failed.reason);
}

QStringList GameKeeper::recentGames(int count) const {
    if (!keeping()) return {};
    const QDir folder(gamesFolder());
    QStringList paths;
    // Newest first by the time each was written: names of one second tie.
    for (const QString& name : folder.entryList({QString("*") + kRecordEnding}, QDir::Files, QDir::Time)) {
        if (paths.size() == count) break;
        paths << folder.filePath(name);
    }
    return paths;
}

QString GameKeeper::takeWriteProblem() {
    if (problemTold_ || problem_.isEmpty()) return {};
    problemTold_ = true;
    return problem_;
}

}  // namespace app

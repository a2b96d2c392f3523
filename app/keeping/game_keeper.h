#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

#include "app/keeping/recent_games.h"
#include "record/kept_game.h"
#include "state/outcome.h"

namespace state {
struct Game;
}

namespace app {

// The player's games on disk, in the data folder:
//   game-in-progress.txt   the game in progress (record/kept_game.h), written
//                          whenever a move is complete, after every event
//                          that changed it and on every way out
//   games/                 every finished game as a record file named by its
//                          date and time (2024-05-01_09-05-03.棋譜), and every
//                          game replaced while it ran, "_中断" added to its name;
//                          beside each its facts as a kept game with how it
//                          ended (2024-05-01_09-05-03.game.txt), written after
//                          the record
//   records/               where the file panel opens the first time
// Nothing is ever removed: a kept game that cannot be read is set aside
// under a new name. An empty data folder keeps nothing.
class GameKeeper {
public:
    explicit GameKeeper(QString dataFolder);

    bool keeping() const { return !data_.isEmpty(); }
    QString gameFile() const;
    QString gamesFolder() const;
    // Made when missing.
    QString recordsFolder() const;

    // What start-up finds: the game to go on with, if any, and the new name
    // of a damaged file it set aside. Read once, before anything is written;
    // nothing is written until start() says start-up is over.
    struct Found {
        std::optional<record::KeptGame> game;
        QString setAside;
    };
    Found takeKeptGame();
    void start(const state::Game& g);

    // Keeps the game as it stands: written when it differs from what was
    // written last. A game with moves that gave way to another (a new game,
    // 最初, a record loaded over it) goes to the games folder first, as
    // unfinished. Answers whether the game kept is another than before.
    bool keep(const state::Game& g);
    // The game has ended: it goes to the games folder with how it ended, and
    // until the event has ended the file says that no game runs.
    void gameEnded(const state::Game& g, state::Outcome outcome);
    // An event has ended: kept as keep() keeps it.
    bool eventEnded(const state::Game& g);

    // The record written to the games folder last, empty when none was or it failed.
    const QString& lastWritten() const { return lastWritten_; }

    // The last `count` records written to the games folder, newest first, as paths.
    QStringList recentGames(int count) const;
    // A sentence on the first write that failed, once; empty otherwise.
    QString takeWriteProblem();

private:
    void writeGame(const record::KeptGame& game, bool unfinished);
    void writeKept(const record::KeptGame& game);
    // Keeps the first failure to tell.
    void tellProblem(const QString& path, const record::SaveError& failed);

    QString data_;
    bool started_ = false;
    bool ended_ = false;  // the game of this event has ended
    std::optional<record::KeptGame> kept_;
    std::string written_;  // the text written last
    QString problem_;
    bool problemTold_ = false;
    QString lastWritten_;
};

}  // namespace app

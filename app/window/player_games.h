#pragma once

#include <QString>

#include "state/outcome.h"

namespace review {
struct Result;
}
namespace statistics {
class PlayerRecord;
}

namespace app {

class GameKeeper;
class MainWindow;

// The player's games as the window follows them: each finished game kept in
// the games folder and its row and rating in the library, the record file
// on the board (for a review's figures), 棋譜 → 成績, the level suggested as
// a game against the computer begins, and the adaptive level.
class PlayerGames {
public:
    PlayerGames(MainWindow& window, GameKeeper* keeper, statistics::PlayerRecord* player)
        : window_(window), keeper_(keeper), player_(player) {}

    void gameBegins();
    void gameEnded(state::Outcome o);
    void reviewed(const review::Result& r);
    // Opens a record file as 読込 does; it is then the record on the board.
    void openRecord(const QString& path);
    void showStatistics();

    bool adaptive() const { return adaptive_; }
    void setAdaptive(bool on) { adaptive_ = on; }

private:
    MainWindow& window_;
    GameKeeper* keeper_;
    statistics::PlayerRecord* player_;
    QString recordFile_;  // the file of the record on the board, if any
    bool adaptive_ = false;
};

}  // namespace app

#pragma once

#include <QString>

#include <functional>
#include <memory>

#include "app/library/library.h"
#include "rating/level_choice.h"
#include "state/game.h"

class QWidget;

namespace review {
struct Result;
}

namespace statistics {

// What the window keeps of its player beside the games folder: every game in
// the library with the player's rating for each side, the reviews' figures,
// the level suggested for the next game and the adaptive level.
class PlayerRecord {
public:
    PlayerRecord(const QString& dataFolder, const QString& gamesFolder);

    library::Library& library() { return library_; }

    // The side the player holds against the computer in the game on the
    // board: the army, or the Nue King (the lower side's piece then).
    static rating::Side playerSide(const state::Game& g);

    // A game has ended as `o` says, its record written to `recordFile`
    // (empty when it was not). `adaptive`: played at the adaptive level.
    void gameEnded(const state::Game& g, state::Outcome o, const QString& recordFile, bool adaptive);
    // A review of the game of that record file is done.
    void reviewed(const QString& recordFile, const review::Result& r);

    // The level whose expected score for the player is nearest 50 %, in a
    // line for the panel ("LEVEL5 が合いそうです（期待 51%）").
    QString suggestion(rating::Side side) const;
    int adaptiveLevel(rating::Side side) const { return library_.adaptiveLevel(side).level; }

    // 棋譜 → 成績: the statistics window, whose rows open a record, review it
    // or play on from it through the hooks.
    struct Hooks {
        std::function<void(const QString&file)> open, review, playOn;
    };
    void showStatistics(QWidget* parent, const Hooks& hooks);

private:
    library::Library library_;
};

}  // namespace statistics

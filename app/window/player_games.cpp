#include "app/window/player_games.h"

#include "app/keeping/game_keeper.h"
#include "app/panel/notices.h"
#include "app/review/game_review.h"
#include "app/statistics/player_record.h"
#include "app/window/main_window.h"
#include "control/commands.h"
#include "control/file_panel.h"
#include "control/play_on.h"

namespace app {

void PlayerGames::gameBegins() {
    recordFile_.clear();
    window_.notices().setSuggestion({});
    state::Game& g = window_.game();
    if (!player_ || g.state.gameKind != state::kAgainstComputer) return;
    const rating::Side side = statistics::PlayerRecord::playerSide(g);
    if (adaptive_) {
        const int level = player_->adaptiveLevel(side);
        if (level != g.state.level) control::LEVELn_Click(g, level);
    }
    window_.notices().setSuggestion(player_->suggestion(side));
}

void PlayerGames::gameEnded(state::Outcome o) {
    if (!keeper_) return;
    keeper_->gameEnded(window_.game(), o);
    recordFile_ = keeper_->lastWritten();
    if (player_) player_->gameEnded(window_.game(), o, recordFile_, adaptive_);
}

void PlayerGames::reviewed(const review::Result& r) {
    if (player_) player_->reviewed(recordFile_, r);
}

void PlayerGames::openRecord(const QString& path) {
    window_.run([file = path.toStdString()](state::Game& g) { control::File1_Click(g, file); });
    if (window_.game().state.kifuMode) recordFile_ = path;
}

void PlayerGames::showStatistics() {
    if (!player_) return;
    const auto review = [this](const QString& path) {
        openRecord(path);
        if (window_.game().state.kifuMode) window_.review().start();
    };
    const auto playOn = [this](const QString& path) {
        openRecord(path);
        if (!window_.game().state.kifuMode) return;
        window_.run(window_.game().state.gameKind == state::kAgainstComputer ? control::ここから対局_COM
                                                                             : control::ここから対局_人間);
    };
    player_->showStatistics(&window_, {[this](const QString& path) { openRecord(path); }, review, playOn});
}

}  // namespace app

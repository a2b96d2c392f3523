// Play that flows: the winning move shown before the result, a resumed game
// that goes on by itself, a load that keeps the player's choices, Ctrl+N and
// スタート as the game on the board asks, and fewer interruptions.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include "app/keeping/game_keeper.h"
#include "app/keeping/player_settings.h"
#include "app/panel/beside_board.h"
#include "app/panel/side_panel.h"
#include "play_window.h"
#include "record/kept_game.h"
#include "rules/move_execution.h"

using testing_support::PlayWindow;

namespace {

struct Player {
    QTemporaryDir home;
    QString data() const { return home.filePath("data"); }
    QString settings() const { return home.filePath("config/nuedori.conf"); }
};

struct Started {
    explicit Started(const Player& p) : keeper(p.data()), settings(p.settings()), w({}, &keeper, &settings) {
        w.start();
        QApplication::processEvents();  // what start-up does once the window shows
    }
    app::GameKeeper keeper;
    app::PlayerSettings settings;
    PlayWindow w;
};

// A game against the computer kept as if the program had stopped after the
// player's first move: the Nue King's jump (5, 9) -> (5, 7), or, holding
// the army, after the computer's first move and the player's reply.
void keepComputerGame(const Player& p, bool playerHoldsNue) {
    record::KeptGame k;
    k.state = record::KeptState::Playing;
    k.gameKind = state::kAgainstComputer;
    k.lowerToken = playerHoldsNue ? 1 : -1;
    k.start =
        playerHoldsNue ? testing_support::humanFirstPosition() : testing_support::computerFirstPosition();
    state::Board b = k.start;
    if (playerHoldsNue) {
        rules::手順保存(b, k.record, 5, 9, 5, 7, -state::鵺王, -state::鵺王);
    } else {
        rules::手順保存(b, k.record, 5, 1, 5, 3, state::鵺王, state::鵺王);
        rules::盤面移動(b, 5, 1, 5, 3, state::鵺王);
        rules::手順保存(b, k.record, 1, 7, 1, 6, -state::歩, -state::歩);
    }
    k.turn = playerHoldsNue ? -1 : 1;  // the computer's turn
    k.moveNumber = k.record.counter;
    QDir().mkpath(p.data());
    ASSERT_FALSE(record::saveKeptGame(k, (p.data() + "/game-in-progress.txt").toStdString()));
}

}  // namespace

TEST(Flow, TheWinningMoveIsListedAndMarkedBeforeTheResultIsTold) {
    PlayWindow w;
    w.start();
    w.choose("START");
    int listedAtResult = -1;
    w.onBox = [&](const testing_support::SeenBox& b) {
        if (b.text.find("の勝ちです") != std::string::npos)
            listedAtResult = w.window.besideBoard().panel().moveList()->count();
    };
    // The Nue King jumps up the fifth file and takes the king; the army only pushes pawns.
    const std::vector<std::pair<int, int>> presses{{5, 9}, {5, 7}, {1, 3}, {1, 4}, {5, 7}, {5, 5}, {9, 3},
                                                   {9, 4}, {5, 5}, {5, 3}, {1, 4}, {1, 5}, {5, 3}, {5, 1}};
    for (const auto& [x, y] : presses) w.click(x, y);
    // Seven moves and the start line, the king's capture the last of them.
    EXPECT_EQ(listedAtResult, 8);
}

TEST(Flow, AGameResumedAtTheComputersTurnGoesOnByItself) {
    for (const bool nue : {true, false}) {
        Player p;
        keepComputerGame(p, nue);
        Started run(p);
        const int kept = nue ? 1 : 2;
        EXPECT_GT(run.w.game().record.counter, kept) << nue;
        EXPECT_EQ(run.w.game().state.sideToMove, run.w.game().state.humanToken) << nue;
        // Ctrl+N: a new game of the same kind and side.
        run.w.choose("NEW_GAME");
        EXPECT_EQ(run.w.game().state.humanToken, nue ? 1 : -1);
        EXPECT_EQ(run.w.game().state.gameKind, state::kAgainstComputer);
    }
}

TEST(Flow, ALoadedRecordKeepsThePlayersLevelAndOptions) {
    Player p;
    {
        app::PlayerSettings s(p.settings());
        s.setOptions(1, true, true);
    }
    Started run(p);
    QFile record(run.keeper.recordsFolder() + "/game.棋譜");  // where the file panel opens
    ASSERT_TRUE(record.open(QIODevice::WriteOnly));
    record.write("2024/05/01 09:05:03\n先手：MAN\n後手：COM LEVEL3\n5 9 5 7 -14-140\n7 3 7 4 1  1  0\n");
    record.close();
    run.w.choose("KIFU_READ");
    ASSERT_TRUE(run.w.clickFile("game.棋譜"));
    ASSERT_EQ(run.w.game().state.kifuMode, 1);
    EXPECT_EQ(run.w.game().state.level, 1);
    EXPECT_TRUE(run.w.game().state.teachingOn);
    EXPECT_TRUE(run.w.window.menuItem("LEVEL1")->isChecked());
    run.w.choose("PLAY_ON_COM");
    EXPECT_EQ(run.w.game().state.level, 1);
    EXPECT_EQ(app::PlayerSettings(p.settings()).level(), 1);
}

TEST(Flow, StartDuringAComputerGameKeepsItAndStartsTheClocks) {
    Player p;
    {
        app::PlayerSettings s(p.settings());
        s.setClock(-1, *state::timeControlNamed("byoyomi:0:30"));
    }
    Started run(p);
    run.w.choose("SENTE");
    run.w.click(5, 9);
    run.w.click(5, 7);
    run.w.choose("START");
    EXPECT_EQ(run.w.game().state.gameKind, state::kTwoPlayers);
    EXPECT_NE(run.w.game().clock, nullptr);
    EXPECT_EQ(QDir(run.keeper.gamesFolder()).entryList({"*_中断.棋譜"}).size(), 1);
}

TEST(Flow, FewerInterruptionsSayWhatOnlyNeedsOkAndAskTheQuestions) {
    Player p;
    {
        app::PlayerSettings s(p.settings());
        s.setFewerInterruptions(true);
    }
    Started run(p);
    PlayWindow& w = run.w;
    w.forget();
    w.choose("SENTE");
    EXPECT_TRUE(w.boxes.empty());
    EXPECT_EQ(w.window.statusText().toStdString(), "MANの番です");
    w.choose("RESIGN");  // はい: resigned; はい again: the same game anew
    std::vector<std::string> questions;
    for (const auto& b : w.boxes) questions.push_back(b.text);
    EXPECT_EQ(questions, (std::vector<std::string>{"投了しますか？", "続けますか？"}));
    EXPECT_EQ(w.game().state.sideToMove, w.game().state.humanToken);
    EXPECT_EQ(w.game().state.humanToken, 1);
}

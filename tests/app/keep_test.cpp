// Nothing a player does is lost: the game comes back after a kill, finished
// and replaced games are in 最近の対局, damaged files are set aside, the
// file panel's Esc and Enter, and the settings across runs.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <iostream>
#include <string>

#include "app/keeping/game_keeper.h"
#include "app/keeping/player_settings.h"
#include "app/keeping/recent_games.h"
#include "app/language/language.h"
#include "play_window.h"
#include "positions.h"

using testing_support::boardText;
using testing_support::PlayWindow;
using Strings = std::vector<std::string>;

namespace {

// A two-player game from スタート, each move its presses: the Nue King's two
// steps, a pawn, a jump, a pawn, two steps back, a pawn.
const std::vector<std::vector<std::pair<int, int>>> kMoves{
    {{5, 9}, {5, 8}, {5, 7}}, {{7, 3}, {7, 4}},         {{5, 7}, {5, 5}},
    {{1, 3}, {1, 4}},         {{5, 5}, {5, 6}, {5, 7}}, {{9, 3}, {9, 4}},
};

void play(PlayWindow& w, std::size_t moves) {
    for (std::size_t m = 0; m < moves; ++m)
        for (const auto& [x, y] : kMoves[m]) w.click(x, y);
}

// A player's own folders for the game's files, fresh for each test.
struct Player {
    QTemporaryDir home;
    QString data() const { return home.filePath("data"); }
    QString settings() const { return home.filePath("config/nuedori.conf"); }
};

// The game started again over the player's folders.
struct Restart {
    explicit Restart(const Player& p) : keeper(p.data()), settings(p.settings()), w({}, &keeper, &settings) {
        w.start();
        QApplication::processEvents();  // what start-up tells once the window shows
    }
    app::GameKeeper keeper;
    app::PlayerSettings settings;
    PlayWindow w;
};

// Everything a game comes back with: the board, the record, the marker, the turn.
std::string gameText(const state::Game& g) {
    const state::MoveRecord& r = g.record;
    std::string text = boardText(g.board);
    for (std::size_t k = 1; k <= static_cast<std::size_t>(r.last); ++k)
        for (const int v : {r.fromX[k], r.fromY[k], r.toX[k], r.toY[k], r.placed[k], r.moved[k],
                            r.captured[k], int{r.secondStep[k]}})
            text += " " + std::to_string(v);
    for (const int v : {r.counter, g.state.sideToMove, g.state.moveNumber, g.state.gameKind})
        text += " | " + std::to_string(v);
    return text;
}

// The same moves played in a window that keeps nothing, then 戻 or not.
std::string expectedAfter(std::size_t moves, bool back) {
    PlayWindow w;
    w.start();
    w.choose("START");
    play(w, moves);
    if (back) w.choose("REPLAY");
    return gameText(w.game());
}

}  // namespace

// The child the next test kills: the game played over the folder it is
// given, a move or a 戻 for each line on its input, then stepped back and
// forth (every step written) until it is killed.
TEST(KeptGameChild, DISABLED_PlaysUntilKilled) {
    const QString folder = qEnvironmentVariable("NUEDORI_KEEP_FOLDER");
    if (folder.isEmpty()) GTEST_SKIP();
    app::GameKeeper keeper(folder);
    app::PlayerSettings settings{QString()};
    PlayWindow w({}, &keeper, &settings);
    w.start();
    w.choose("START");
    for (std::string line; std::getline(std::cin, line);) {
        if (line == "back") w.choose("REPLAY");
        if (line == "move")
            for (const auto& [x, y] : kMoves[static_cast<std::size_t>(w.game().state.moveNumber)])
                w.click(x, y);
        std::cout << "done " << w.game().record.counter << std::endl;
    }
    std::cout << "stepping" << std::endl;
    for (;;) {
        w.choose("REPLAY");
        w.choose("AFTER");
    }
}

TEST(KeptGame, AKilledGameComesBackAtItsLastMoveBetweenMovesAndWhileWriting) {
    struct Case {
        std::size_t moves;
        bool back;          // 戻 after them
        bool whileWriting;  // killed while stepping back and forth
    };
    for (const Case c :
         {Case{3, false, false}, Case{kMoves.size(), true, false}, Case{kMoves.size(), false, true}}) {
        SCOPED_TRACE(std::to_string(c.moves) + (c.back ? " moves and 戻" : " moves") +
                     (c.whileWriting ? ", killed while writing" : ""));
        Player player;
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("NUEDORI_KEEP_FOLDER", player.data());
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=KeptGameChild.*", "--gtest_also_run_disabled_tests"});
        ASSERT_TRUE(child.waitForStarted());
        // The child's next word, past what the test runner prints.
        const auto ask = [&child](const char* what) {
            child.write(what);
            for (;;) {
                while (!child.canReadLine())
                    if (!child.waitForReadyRead(30000)) return false;
                const QByteArray line = child.readLine();
                if (line.startsWith("done") || line.startsWith("stepping")) return true;
            }
        };
        for (std::size_t m = 0; m < c.moves; ++m) ASSERT_TRUE(ask("move\n"));
        if (c.back) {
            ASSERT_TRUE(ask("back\n"));
        }
        if (c.whileWriting) {
            child.closeWriteChannel();
            ASSERT_TRUE(ask(""));
            QTest::qWait(20);  // some steps, each written, the last one cut off
        }
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        child.waitForFinished();

        Restart again(player);
        EXPECT_TRUE(again.w.boxes.empty());
        const std::string back = gameText(again.w.game());
        // Killed while stepping: at the end, or one move back.
        if (c.whileWriting && back == expectedAfter(c.moves, true)) continue;
        EXPECT_EQ(back, expectedAfter(c.moves, c.back));
    }
}

TEST(KeptGame, DamagedFilesAreSetAsideAndTheGameStartsFresh) {
    Player player;
    QDir().mkpath(player.data());
    QDir().mkpath(QFileInfo(player.settings()).path());
    for (const QString& path : {player.data() + "/game-in-progress.txt", player.settings()}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("nuedori-game 1\nstate playing\n[no end\n\x01\x02");
    }
    Restart run(player);
    EXPECT_EQ(run.w.game().state.sideToMove, 0);
    EXPECT_EQ(run.w.game().state.level, 3);
    ASSERT_EQ(run.w.boxes.size(), 2u);
    for (const auto& [name, box] : {std::pair{player.data() + "/", run.w.boxes[0]},
                                    std::pair{QFileInfo(player.settings()).path() + "/", run.w.boxes[1]}}) {
        const QStringList aside = QDir(name).entryList({"*.damaged-*"});
        ASSERT_EQ(aside.size(), 1) << name.toStdString();
        EXPECT_NE(box.text.find(aside[0].toStdString()), std::string::npos) << box.text;
        QFile kept(name + aside[0]);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_TRUE(kept.readAll().endsWith("\x01\x02"));  // kept byte for byte
    }
}

TEST(FilePanel, EscClosesItEnterSavesAndTheSaveViewListsTheRecords) {
    Player player;
    Restart run(player);
    PlayWindow& w = run.w;
    w.choose("START");
    play(w, 2);
    w.forget();
    w.choose("KIFU_WRITE");
    auto* name = w.panel<QLineEdit>("Text1");
    QTest::keyClicks(name, "first");
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(w.messages(), Strings{"棋譜を書き込みました|  "});
    EXPECT_EQ(QDir(run.keeper.recordsFolder()).entryList({"*.棋譜"}), QStringList{"first.棋譜"});
    w.choose("KIFU_WRITE");
    EXPECT_TRUE(w.panelShows("SavedRecords"));
    EXPECT_EQ(w.panel<QListWidget>("SavedRecords")->item(0)->text(), "first.棋譜");
    QTest::keyClick(name, Qt::Key_Escape);
    EXPECT_FALSE(w.panelShows("Text1"));
    w.choose("KIFU_READ");
    QTest::keyClick(w.panel<QListWidget>("File1"), Qt::Key_Escape);
    EXPECT_FALSE(w.panelShows("File1"));
    EXPECT_EQ(w.quits, 0);
    EXPECT_EQ(w.game().record.counter, 3);  // the game is as it was
    QTest::keyClick(&w.window, Qt::Key_Escape);
    EXPECT_EQ(w.quits, 1);
}

TEST(KeptGame, FinishedAndReplacedGamesAreRecentGamesAndTheSettingsStay) {
    Player player;
    {
        Restart run(player);
        PlayWindow& w = run.w;
        w.choose("LEVEL2");
        w.choose("SIDOU");
        w.choose("START");
        play(w, 2);
        w.choose("SENTE");  // the two-player game gives way: kept as unfinished
        w.click(5, 9);
        w.click(5, 7);
        w.choose("RESIGN");  // はい twice: resigned, and a new start
        ASSERT_EQ(w.game().state.sideToMove, 0);
        QMenu* recent = w.window.menuItem("RECENT")->menu();
        emit recent->aboutToShow();
        const QList<QAction*> items = recent->actions();
        ASSERT_EQ(items.size(), 2);
        // The newest first, after their dates: the computer's win on the player's resignation.
        EXPECT_EQ(items[0]->text().mid(12), "LEVEL2 鵺王 負け 2手");
        EXPECT_EQ(items[1]->text().mid(12), "二人 中断 2手");
        // Beside each record its facts, how it ended among them.
        const auto facts = record::readKeptGame(app::factsFileOf(run.keeper.recentGames(1)[0]).toStdString());
        EXPECT_EQ(std::get<record::KeptGame>(facts).outcome,
                  (state::Outcome{state::Result::UpperWins, state::EndReason::Resignation}));
        w.forget();
        items[1]->trigger();
        EXPECT_EQ(w.messages(), (Strings{" 読み込みました|棋譜", "棋譜を '進 'で進めて下さい|棋譜"}));
        EXPECT_EQ(w.game().record.last, 3);
        w.choose("CANCEL");
        w.choose("OWARI");
    }
    Restart again(player);
    EXPECT_EQ(again.w.game().state.sideToMove, 0);
    EXPECT_EQ(again.w.game().state.level, 2);
    EXPECT_TRUE(again.w.game().state.teachingOn);
    EXPECT_TRUE(again.w.window.menuItem("LEVEL2")->isChecked());
}

TEST(KeptGame, TheClocksAndALevelAboveFourComeBack) {
    Player player;
    const state::TimeControl byoyomi = *state::timeControlNamed("byoyomi:0:30");
    const state::TimeControl sudden = *state::timeControlNamed("sudden:5");
    {
        app::PlayerSettings settings(player.settings());
        settings.setClock(-1, byoyomi);
        settings.setClock(1, sudden);
        settings.setOptions(7, false, true);
    }
    {
        Restart run(player);
        run.w.choose("START");
        ASSERT_NE(run.w.game().clock, nullptr);
        play(run.w, 1);
        EXPECT_EQ(run.w.game().clock->running(),
                  1);  // the upper side's time runs after the lower side's move
        run.w.choose("OWARI");
    }
    Restart again(player);
    EXPECT_EQ(again.w.game().state.level, 7);
    const state::GameClock* clock = again.w.game().clock;
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(clock->control(-1), byoyomi);
    EXPECT_EQ(clock->control(1), sudden);
    EXPECT_EQ(clock->running(), 1);
    EXPECT_GT(clock->read(1).main, std::chrono::minutes(4));
    const auto* upper = again.w.window.findChild<QLabel*>("UpperClock");
    ASSERT_NE(upper, nullptr);
    EXPECT_TRUE(upper->text().startsWith("▶")) << upper->text().toStdString();
}

TEST(RecentGames, ALineSaysTheDateTheOpponentTheSideTheResultAndTheLength) {
    const state::Outcome lowerWins{state::Result::LowerWins, state::EndReason::MateAsked};
    const state::Outcome upperWins{state::Result::UpperWins, state::EndReason::OutOfTime};
    struct Case {
        bool unfinished;
        record::RecordFacts facts;  // computer's side, level, the Nue King's side, outcome, moves
        const char* japanese;
        const char* english;
    };
    const Case cases[] = {
        {false, {1, 1, 1, lowerWins, 12}, "LEVEL1 全軍 勝ち 12手", "LEVEL1 army win 12"},
        {false, {1, 6, -1, upperWins, 31}, "LEVEL6 鵺王 負け 31手", "LEVEL6 Nue King loss 31"},
        {false, {0, 0, 1, lowerWins, 40}, "二人 全軍の勝ち 40手", "two players army won 40"},
        {true, {1, 3, -1, {}, 7}, "LEVEL3 鵺王 中断 7手", "LEVEL3 Nue King unfinished 7"},
        {false, {1, 3, -1, {}, 9}, "LEVEL3 鵺王 9手", "LEVEL3 Nue King 9"},  // how it ended not known
    };
    const QDateTime when = QDateTime::fromString("2024-12-08_14-37-05", app::kGameStampFormat);
    for (const Case& c : cases) {
        const app::RecentGame game{when, "2024-12-08_14-37-05", c.unfinished, c.facts};
        EXPECT_EQ(game.caption(), ("12/08 14:37 " + QString(c.japanese)).trimmed());
        app::Translators::of()->use(app::Language::English);
        EXPECT_EQ(game.caption(), ("12/08 14:37 " + QString(c.english)).trimmed());
        app::Translators::of()->use(app::Language::Japanese);
    }
}

TEST(RecentGames, AnEarlierRecordOrDamagedFactsFallBackToTheRecordsHeader) {
    QTemporaryDir folder;
    const QString path = folder.filePath("2024-05-01_09-05-03_中断.棋譜");
    const auto write = [](const QString& file, const char* bytes) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) > 0);
    };
    write(path,
          "2024/05/01 09:05:03\n先手：MAN\n後手：COM LEVEL3\n5 9 5 8 -14-140\n5 8 5 7 -14-140\n7 3 7 4 1  1  "
          "0\n");
    EXPECT_EQ(app::recentGameOf(path).caption(), "05/01 09:05 LEVEL3 鵺王 中断 2手");
    write(app::factsFileOf(path), "nuedori-game 1\nstate playing\noutcome upper-wins\n\x01");
    EXPECT_EQ(app::recentGameOf(path).caption(), "05/01 09:05 LEVEL3 鵺王 中断 2手");
    write(path, "not a record");
    EXPECT_EQ(app::recentGameOf(path).caption(), "05/01 09:05 中断");
}

// The main window: its menus, check marks, start-up and the ways out.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

#include "app/board/surface_view.h"
#include "app/window/game_main.h"
#include "game_window.h"

using testing_support::GameWindow;

namespace {

// The menu bar as indented text: caption, control name, a check box for
// items that carry a mark, and "disabled" for any item that is not enabled.
void printMenu(const QList<QAction*>& items, int depth, std::string& out) {
    for (const QAction* a : items) {
        out += std::string(depth * 2, ' ') + a->text().toStdString() + " " + a->objectName().toStdString();
        if (a->isCheckable()) out += a->isChecked() ? " [x]" : " [ ]";
        if (!a->isEnabled()) out += " disabled";
        out += "\n";
        if (a->menu()) printMenu(a->menu()->actions(), depth + 1, out);
    }
}

std::string menuText(GameWindow& w) {
    std::string out;
    printMenu(w.window.menuBar()->actions(), 0, out);
    return out;
}

bool checked(GameWindow& w, const char* name) { return w.window.menuItem(name)->isChecked(); }

QWidget* panelControl(GameWindow& w, const char* name) { return w.window.view()->findChild<QWidget*>(name); }

}  // namespace

TEST(MenuBar, CaptionsNestingAndMarksAtStartUp) {
    GameWindow w;
    w.startAndShow();
    EXPECT_EQ(w.window.windowTitle(), " QXぬえどり王");
    EXPECT_EQ(menuText(w),
              "対局 TAIKYOKU\n"
              "  対局(人間) MATCH_MAN\n"
              "    スタート START\n"
              "  対局(COM) START2\n"
              "    先手 SENTE\n"
              "    後手 GOTE\n"
              "  COM対局ﾚﾍﾞﾙ LEVEL\n"
              "    LEVEL1 LEVEL1 [ ]\n"
              "    LEVEL2 LEVEL2 [ ]\n"
              "    LEVEL3 LEVEL3 [x]\n"
              "    LEVEL4 LEVEL4 [ ]\n"
              "    LEVEL5 LEVEL5 [ ]\n"
              "    LEVEL6 LEVEL6 [ ]\n"
              "    LEVEL7 LEVEL7 [ ]\n"
              "    LEVEL8 LEVEL8 [ ]\n"
              "    自動 AUTO_LEVEL [ ]\n"
              "  終わり OWARI\n"
              "   \n"  // after a separator, the items added beside the game's own
              "  新しい対局 NEW_GAME\n"
              "  投了 RESIGN\n"
              "  ここから対局(COM) PLAY_ON_COM\n"
              "  ここから対局(人間) PLAY_ON_MAN\n"
              "  持ち時間… TIME_CONTROL\n"
              "局面 STOP\n"
              "  最初 CANCEL\n"
              "  反転 REVERSE\n"
              "   \n"
              "  画像で保存… SAVE_IMAGE\n"
              "  局面をコピー COPY_POSITION\n"
              "  局面を貼り付け PASTE_POSITION\n"
              "  局面編集… EDIT_POSITION\n"
              "   \n"
              "  一手戻る STEP_BACK\n"
              "  一手進む STEP_FORWARD\n"
              "  棋譜の初めへ RECORD_START\n"
              "  棋譜の終わりへ RECORD_END\n"
              "戻 REPLAY\n"
              "進 AFTER\n"
              "棋譜 KIFU\n"
              "  読込 KIFU_READ\n"
              "  書込 KIFU_WRITE\n"
              "   \n"
              "  KIF で書き出す… KIF_EXPORT\n"
              "  KIF で読み込む… KIF_IMPORT\n"
              "  棋譜をコピー COPY_GAME\n"
              "  棋譜を貼り付け PASTE_GAME\n"
              "   \n"
              "  最近の対局 RECENT\n"
              "  検討 REVIEW\n"
              "  成績 STATISTICS\n"
              "ｵﾌﾟｼｮﾝ OPTION\n"
              "  移動指導 SIDOU [ ]\n"
              "  BGM BGM [x]\n"
              "   \n"
              "  駒 PIECES\n"
              "    二字駒 PIECES_KANJI2 [x]\n"
              "    一字駒 PIECES_KANJI1 [ ]\n"
              "    国際駒 PIECES_INTERNATIONAL [ ]\n"
              "  サイドパネル SIDE_PANEL [x]\n"
              "   \n"
              "  勢力表示 SEIRYOKU [ ]\n"
              "  確認を減らす FEWER_BOXES [ ]\n"
              "  ヒント HINT\n"
              "   \n"
              "  English LANGUAGE\n"
              "その他 OTHER\n"
              "  バージョン情報 VER\n"
              "  遊び方 HOW_TO_PLAY\n");
}

TEST(MenuBar, LevelMarksFollowTheChosenLevel) {
    GameWindow w;
    w.startAndShow();
    w.choose("LEVEL2");
    EXPECT_EQ(w.game().state.level, 2);
    EXPECT_FALSE(checked(w, "LEVEL1"));
    EXPECT_TRUE(checked(w, "LEVEL2"));
    EXPECT_FALSE(checked(w, "LEVEL3"));
    // Choosing the checked level again changes nothing: the mark stays.
    w.choose("LEVEL2");
    EXPECT_TRUE(checked(w, "LEVEL2"));
    EXPECT_EQ(w.game().state.level, 2);
    w.choose("LEVEL1");
    EXPECT_TRUE(checked(w, "LEVEL1"));
    EXPECT_FALSE(checked(w, "LEVEL2"));
}

TEST(MenuBar, TeachingModeAndMusicToggle) {
    GameWindow w;
    w.startAndShow();
    const int music = w.game().state.sounds.bgm;
    ASSERT_NE(music, 0);
    EXPECT_TRUE(w.sound.playing(music));

    w.choose("SIDOU");
    EXPECT_TRUE(checked(w, "SIDOU"));
    EXPECT_EQ(w.game().state.movableColour, 15);
    w.choose("SIDOU");
    EXPECT_FALSE(checked(w, "SIDOU"));
    EXPECT_EQ(w.game().state.movableColour, 2);

    w.choose("BGM");
    EXPECT_FALSE(checked(w, "BGM"));
    EXPECT_FALSE(w.sound.playing(music));
    w.choose("BGM");
    EXPECT_TRUE(checked(w, "BGM"));
    EXPECT_TRUE(w.sound.playing(music));
}

TEST(MenuBar, OpeningTheGameMenusHidesTheFilePanel) {
    GameWindow w;
    w.startAndShow();
    for (const char* menu : {"TAIKYOKU", "STOP", "OPTION", "KIFU"}) {
        w.window.port().setListsVisible(true, true, true);
        w.window.port().setNameRowVisible(true);
        QTest::keyClicks(panelControl(w, "Text1"), "kifu");
        QMenu* m = w.window.menuBar()->findChild<QMenu*>(menu);
        ASSERT_NE(m, nullptr) << menu;
        m->popup(w.window.mapToGlobal(QPoint(10, 10)));
        QApplication::processEvents();
        m->hide();
        const bool hides = std::string(menu) != "KIFU";  // 棋譜 only opens its submenu
        for (const char* control : {"Drive1", "Dir1", "File1", "Label1", "Text1", "Command1"})
            EXPECT_EQ(panelControl(w, control)->isVisible(), !hides) << menu << " " << control;
        EXPECT_EQ(w.window.port().nameBoxText(), hides ? "" : "kifu") << menu;
        w.window.port().clearNameBox();
    }
}

TEST(MenuBar, TheVersionBoxStandsOnTheBar) {
    GameWindow w;
    w.startAndShow();
    w.boxes.clear();
    w.choose("VER");
    ASSERT_EQ(w.boxes.size(), 1u);
    EXPECT_EQ(w.boxes[0].title, "その他");
    EXPECT_EQ(w.boxes[0].text.rfind(" QXぬえどり王\nVersion ", 0), 0u) << w.boxes[0].text;
    EXPECT_NE(w.boxes[0].text.find("MIT License"), std::string::npos);
}

TEST(StartUp, LoadsTheFourSoundsAndStartsTheMusic) {
    GameWindow w;
    w.startAndShow();
    const state::SoundHandles& s = w.game().state.sounds;
    EXPECT_TRUE(w.sound.running());
    EXPECT_EQ(w.sound.bufferCount(), 4u);
    EXPECT_NE(s.other, 0);
    EXPECT_NE(s.forbidden, 0);
    EXPECT_NE(s.piece, 0);
    EXPECT_TRUE(w.sound.playing(s.bgm));
    EXPECT_FALSE(w.sound.playing(s.piece));
    EXPECT_TRUE(w.boxes.empty());
    // The first window takes four fifths of the screen's height, and no more than the screen.
    const QRect room = w.window.screen()->availableGeometry();
    EXPECT_LE(w.firstSize.width(), room.width());
    EXPECT_LE(w.firstSize.height(), 0.8 * room.height() + 1);
    // Narrower than four fifths of its height allows, the screen's width decides.
    if (w.firstSize.width() < room.width()) {
        EXPECT_NEAR(w.firstSize.height(), 0.8 * room.height(), 1);
    }
}

TEST(StartUp, WithoutASoundDeviceOneWarningThenASilentGame) {
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    GameWindow w;
    w.startAndShow();
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(w.boxes.size(), 1u);
    EXPECT_EQ(w.boxes[0].text, "Direct Soundインターフェースが作成できません。");
    EXPECT_EQ(w.boxes[0].title, "QXぬえどり王.dll");
    EXPECT_EQ(w.boxes[0].buttons, state::Buttons::Ok);
    EXPECT_EQ(w.boxes[0].icon, state::Icon::Exclamation);
    const state::SoundHandles& s = w.game().state.sounds;
    EXPECT_EQ(s.other + s.forbidden + s.piece + s.bgm, 0);
    // The game runs on: the board is set up and the menus work.
    EXPECT_EQ(w.game().board(5, 9), -14);
    w.choose("VER");
    EXPECT_EQ(w.boxes.size(), 2u);
}

TEST(LeavingTheGame, EscapeClosingAndTheMenuEndTheProgramAfterFreeingTheSounds) {
    struct Way {
        const char* name;
        void (*leave)(GameWindow&);
    };
    const Way ways[] = {
        {"Esc", [](GameWindow& w) { QTest::keyClick(&w.window, Qt::Key_Escape); }},
        {"close", [](GameWindow& w) { EXPECT_TRUE(w.window.close()); }},
        {"終わり", [](GameWindow& w) { w.choose("OWARI"); }},
    };
    for (const Way& way : ways) {
        GameWindow w;
        w.startAndShow();
        ASSERT_EQ(w.sound.bufferCount(), 4u);
        way.leave(w);
        EXPECT_EQ(w.quits, 1) << way.name;
        EXPECT_TRUE(w.game().state.quitRequested) << way.name;
        EXPECT_EQ(w.sound.bufferCount(), 0u) << way.name;
        EXPECT_FALSE(w.sound.running()) << way.name;
        // Nothing more is handled once the program is ending.
        w.choose("LEVEL1");
        EXPECT_EQ(w.game().state.level, 3) << way.name;
        QTest::keyClick(&w.window, Qt::Key_Escape);
        EXPECT_EQ(w.quits, 1) << way.name;
    }
}

TEST(LeavingTheGame, OtherKeysDoNothing) {
    GameWindow w;
    w.startAndShow();
    QTest::keyClick(&w.window, Qt::Key_A);
    QTest::keyClick(&w.window, Qt::Key_Return);
    EXPECT_EQ(w.quits, 0);
    EXPECT_TRUE(w.sound.running());
}

// A box without a title of its own would show the program's file name in its
// title bar; it shows the game's name, and every other title stays its own.
TEST(MessageBoxes, AnEmptyTitleShowsTheGamesName) {
    for (const auto& [title, shown] :
         {std::pair<std::string, QString>{"", "QXぬえどり王"}, {" ", " "}, {"終了", "終了"}}) {
        QString seen;
        QTimer::singleShot(0, [&seen] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            seen = box->windowHandle() ? box->windowHandle()->title() : box->windowTitle();
            box->close();
        });
        app::askWithMessageBox(
            nullptr, app::BoxRequest{"   ** 王手 **", title, state::Buttons::Ok, state::Icon::None});
        EXPECT_EQ(seen, shown);
    }
}

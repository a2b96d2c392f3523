// The menu commands of the game (the game-record commands live in record/).
#include <string>

#include "control/commands.h"
#include "control/computer_turn.h"
#include "control/end_of_game.h"
#include "control/file_panel.h"
#include "control/game_reset.h"
#include "control/waiting_and_closing.h"
#include "display/board_drawing.h"
#include "display/texts.h"
#include "rules/initial_position.h"
#include "search/levels.h"
#include "state/game.h"

namespace control {

using namespace state;

namespace {

// The labels beside the board of a game against the computer.
void drawComputerGameLabels(Game& g) {
    display::描画_対局者(g, 5.1, Text::LabelComputer, 5.05, Text::LabelHuman, 6.05, 10);
}

// The window hears who plays whom once the labels say it.
void tellLabels(Game& g) { g.port.gameFacts(対局の事実(g)); }

// First steps shared by 先手 and 後手.
void prepareComputerGame(Game& g) {
    display::描画_レベル(g, g.state.level);
    display::描画_将棋盤桝(g);
    g.state.selection = 0;
    g.state.gameKind = kAgainstComputer;
    g.state.kifuMode = 0;
    g.state.resumeNotice = 0;
}

void chooseLevel(Game& g, int level) {
    if (g.state.level == level) return;
    g.port.setMenuChecked(MenuCheck::LEVEL1, level == 1);
    g.port.setMenuChecked(MenuCheck::LEVEL2, level == 2);
    g.port.setMenuChecked(MenuCheck::LEVEL3, level == 3);
    // The search levels' marks are set only when one of them is involved, so
    // a choice among levels 1 to 3 sets the marks it always did.
    if (search::isSearchLevel(level) || search::isSearchLevel(g.state.level))
        for (int l = search::kFirstSearchLevel; l <= search::kStrongestLevel; ++l)
            g.port.setMenuChecked(searchLevelCheck(l), level == l);
    g.state.level = level;
    display::描画_レベル(g, level);
    tellLabels(g);
}

bool upperHoldsNueKing(const state::Board& board) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (board(x, y) == state::鵺王) return true;
    return false;
}

void sayWhoseTurn(Game& g) {
    g.port.messageBox(Message{g.state.sideToMove == 1 ? Text::FirstToMove : Text::SecondToMove},
                      Text::TitleBlank, Buttons::Ok, Icon::None);
}

}  // namespace

void TAIKYOKU_Click(Game& g) { ファイルパネル_非表示(g); }
void STOP_Click(Game& g) { ファイルパネル_非表示(g); }
void OPTION_Click(Game& g) { ファイルパネル_非表示(g); }

void SENTE_Click(Game& g) {
    prepareComputerGame(g);
    rules::初期設定_先手自(g);
    control::初期設定(g);
    drawComputerGameLabels(g);
    g.state.humanToken = 1;
    g.state.comToken = -1;
    g.state.sideToMove = 1;
    g.port.gameBegins();
    tellLabels(g);
    g.port.messageBox(Message{Text::HumanToMove}, Text::TitleBlank, Buttons::Ok, Icon::None);
}

void GOTE_Click(Game& g) {
    prepareComputerGame(g);
    rules::初期設定_先手敵(g);
    control::初期設定(g);
    drawComputerGameLabels(g);
    待ち時間(g, 0.5);
    g.state.humanToken = -1;
    g.state.comToken = 1;
    g.state.sideToMove = 1;
    g.port.gameBegins();
    tellLabels(g);
    コンピュータの手番(g);
}

void START_Click(Game& g) {
    display::描画_将棋盤桝(g);
    display::描画_桝_数値(g);
    g.state.gameKind = kTwoPlayers;
    display::描画_対局者(g, 5.08, Text::LabelSecond, 5.08, Text::LabelFirst, 6.08, 11);
    if (g.state.sideToMove == 0 || g.record.counter == 0) {
        // The side that owns the Nue King moves first, as in every game.
        const bool upperFirst = upperHoldsNueKing(g.board);
        g.state.humanToken = upperFirst ? -1 : 1;
        g.state.comToken = upperFirst ? 1 : -1;
        g.state.sideToMove = 1;
        if (upperFirst) display::描画_対局者(g, 5.08, Text::LabelFirst, 5.08, Text::LabelSecond, 6.08, 11);
        g.port.gameBegins();
        tellLabels(g);
        g.port.messageBox(Message{Text::FirstToMove}, Text::TitleBlank, Buttons::Ok, Icon::None);
    } else {
        // The position stays, played on by two people as a game of its own
        // (with the clocks chosen for it); when the upper side moved first
        // its label says so.
        if (g.state.comToken == 1)
            display::描画_対局者(g, 5.08, Text::LabelFirst, 5.08, Text::LabelSecond, 6.08, 11);
        g.port.gameBegins();
        tellLabels(g);
        sayWhoseTurn(g);
    }
    g.state.resumeNotice = 0;
}

void LEVELn_Click(Game& g, int level) { chooseLevel(g, level); }
void LEVEL1_Click(Game& g) { chooseLevel(g, 1); }
void LEVEL2_Click(Game& g) { chooseLevel(g, 2); }
void LEVEL3_Click(Game& g) { chooseLevel(g, 3); }
void LEVEL4_Click(Game& g) { chooseLevel(g, 4); }
void LEVEL5_Click(Game& g) { chooseLevel(g, 5); }
void LEVEL6_Click(Game& g) { chooseLevel(g, 6); }
void LEVEL7_Click(Game& g) { chooseLevel(g, 7); }
void LEVEL8_Click(Game& g) { chooseLevel(g, 8); }

void CANCEL_Click(Game& g) {
    rules::初期設定_先手自(g);
    control::初期設定(g);
    g.port.playSound(g.state.sounds.piece);
}

void SIDOU_Click(Game& g) {
    if (g.state.teachingOn) {
        // Outlines can stand left and right of the board too: erase those as well.
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) display::描画_桝輪郭(g, kGreen, x, y);
        for (int k = 1; k <= 7; ++k) {
            display::描画_桝輪郭(g, kGreen, -1, k);
            display::描画_桝輪郭(g, kGreen, 11, k + 2);
        }
        g.state.teachingOn = false;
        g.port.setMenuChecked(MenuCheck::SIDOU, false);
        g.state.movableColour = kGreen;
    } else {
        g.state.teachingOn = true;
        g.port.setMenuChecked(MenuCheck::SIDOU, true);
        g.state.movableColour = kWhite;
    }
}

void BGM_Click(Game& g) {
    g.state.bgmOn = !g.state.bgmOn;
    g.port.setMenuChecked(MenuCheck::BGM, g.state.bgmOn);
    if (g.state.bgmOn)
        g.port.loopSound(g.state.sounds.bgm);
    else
        g.port.stopSound(g.state.sounds.bgm);
}

void VER_Click(Game& g) {
    ファイルパネル_非表示(g);
    g.port.playSound(g.state.sounds.other);
    g.port.messageBox(Message{Text::Version, NUEDORI_VERSION}, Text::TitleOther, Buttons::Ok, Icon::None);
}

void OWARI_Click(Game& g) { プログラム終了(g); }

void Form_KeyPress(Game& g, int keyAscii) {
    if (keyAscii == kEscKey) プログラム終了(g);
}

void Form_Unload(Game& g) { プログラム終了(g); }

}  // namespace control

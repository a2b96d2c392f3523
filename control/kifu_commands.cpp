// 書込 and 読込: saving the record through the file panel, and loading a
// record to step through. A file is checked whole before the game changes.
#include <filesystem>
#include <string>

#include "control/commands.h"
#include "control/end_of_game.h"
#include "control/file_panel.h"
#include "control/kept_game.h"
#include "control/record_load.h"
#include "control/refusal.h"
#include "control/startup.h"
#include "display/board_drawing.h"
#include "display/texts.h"
#include "record/kifu_format.h"
#include "rules/initial_position.h"
#include "state/game.h"

namespace control {

using namespace state;

namespace {

constexpr const char* kExtension = ".棋譜";

std::string fileNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

bool refuseFile(Game& g, const std::string& path, const record::ReadError& e) {
    Message text;
    switch (e.kind) {
        case record::ReadError::Kind::kNoMoveLine: text = Message{Text::RecordEmpty}; break;
        case record::ReadError::Kind::kUnreadable: text = Message{Text::CannotRead, fileNameOf(path)}; break;
        case record::ReadError::Kind::kBadLine:
            text = Message{Text::BadLine, fileNameOf(path), e.line};
            break;
    }
    g.port.messageBox(text, Text::TitleRecord, Buttons::Ok, Icon::None);
    return false;
}

// Loading starts the game afresh as start-up does, but keeps the sounds
// loaded then: only the music starts over. The player's own level and
// options come back as they do after start-up.
void restartAsAtStartUp(Game& g) {
    g.port.stopSound(g.state.sounds.bgm);
    g.port.loopSound(g.state.sounds.bgm);
    起動_初期化(g);
    g.port.optionsReset();
}

// The position the side that moved first always starts from.
state::Board firstPosition(bool upperFirst) {
    state::GameData d;
    if (upperFirst)
        rules::初期設定_先手敵(d);
    else
        rules::初期設定_先手自(d);
    return d.board;
}

void setUpLoadedGame(Game& g, const 読み込む記録& loaded) {
    GameState& s = g.state;
    s.kifuMode = 1;
    g.record = loaded.record;
    g.record.counter = 0;
    s.moveNumber = 0;
    const bool upperFirst = g.record.moved[1] >= 1;
    if (upperFirst) {  // the computer's pieces moved first
        s.gameKind = kAgainstComputer;
        s.comToken = 1;
        s.humanToken = -1;
    } else {
        s.gameKind = kTwoPlayers;
        s.humanToken = 1;
        s.comToken = -1;
    }
    g.board = loaded.start;
    s.sideToMove = 1;
    // The whole window is redrawn first: the labels and the header lines
    // drawn before it would be erased by it.
    display::画面_再描画(g);
    display::描画_対局者(g, 5.08, upperFirst ? Text::LabelFirst : Text::LabelSecond, 5.08,
                         upperFirst ? Text::LabelSecond : Text::LabelFirst, 6.08, 11);
    display::描画_棋譜見出し(g, loaded.header);
    g.port.gameFacts(対局の事実(g));
    g.port.refresh();
}

}  // namespace

void KIFU_WRITE_Click(Game& g) {
    if (g.state.reversed) return 禁止_通知(g, Text::NoWriteAfterReversal, Text::TitleWrite);
    描画_可視(g, true, true, false);
    描画_棋譜_IO(g, 0);
}

void Command1_Click(Game& g) {
    const std::string name = g.port.nameBoxText();
    if (name.empty()) {
        g.port.messageBox(Message{Text::NoFileName}, Text::TitleTwoBlanks, Buttons::Ok, Icon::None);
        return;
    }
    if (g.record.last == 0) {
        g.port.messageBox(Message{Text::NothingToSave}, Text::TitleSave, Buttons::Ok, Icon::None);
        return;
    }
    if (name.find('/') != std::string::npos || name == "." || name == "..") {
        g.port.messageBox(Message{Text::NoSlashInName}, Text::TitleSave, Buttons::Ok, Icon::None);
        return;
    }
    const std::filesystem::path target = std::filesystem::path(g.port.fileListFolder()) / (name + kExtension);
    const auto failed =
        record::saveKifu(record::kifuFromRecord(g.record, 棋譜の見出し(保存用の対局(g))), target);
    if (failed) {  // the panel stays open to try another name or folder
        g.port.messageBox(Message{Text::SaveFailed, failed->reason}, Text::TitleSave, Buttons::Ok,
                          Icon::None);
        return;
    }
    ファイルパネル_非表示(g);
    g.port.refreshFileList();
    g.port.messageBox(Message{Text::RecordWritten}, Text::TitleTwoBlanks, Buttons::Ok, Icon::None);
}

void KIFU_READ_Click(Game& g) {
    描画_可視(g, true, true, true);
    描画_棋譜_IO(g, 1);
}

void File1_Click(Game& g, const std::string& path) {
    描画_可視(g, false, false, false);
    const record::ReadResult read = record::readKifuFile(path);
    if (const auto* e = std::get_if<record::ReadError>(&read)) {
        refuseFile(g, path, *e);
        return;
    }
    const record::Kifu& kifu = std::get<record::Kifu>(read);
    const state::MoveRecord entries = record::recordFromKifu(kifu);
    記録を読込(g, {firstPosition(entries.moved[1] >= 1), entries, kifu.header});
}

void 記録を読込(Game& g, const 読み込む記録& loaded) {
    restartAsAtStartUp(g);
    setUpLoadedGame(g, loaded);
    g.port.messageBox(Message{Text::RecordLoaded}, Text::TitleRecord, Buttons::Ok, Icon::None);
    g.port.messageBox(Message{Text::StepWithForward}, Text::TitleRecord, Buttons::Ok, Icon::None);
}

}  // namespace control

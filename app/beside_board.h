#pragma once

#include <QString>

#include <functional>
#include <string_view>
#include <vector>

#include "app/last_move_layer.h"
#include "record/notation.h"
#include "state/game.h"

class QMenuBar;
class QWidget;

namespace app {

class SidePanel;
class SurfaceView;

// What the window shows beside and over the board besides the game's own
// surface: the side panel, the last move on the board, 投了, a new game of
// the last kind, and the keys of the record commands. It reads the game,
// and changes it only through the window's own way of running an event.
class BesideBoard {
public:
    using Command = std::function<void(control::Game&)>;
    using Runner = std::function<void(const Command&)>;

    BesideBoard(control::Game& game, SurfaceView& view, Runner run);

    SidePanel& panel() const { return *panel_; }
    const LastMoveLayer& lastMove() const { return lastMove_; }

    // Adds 投了 and 新しい対局 to the 対局 menu, the record's keys to the 局面
    // menu, and Ctrl+O and Ctrl+S to the record's menu items.
    void addToMenus(QMenuBar& bar);

    // Brings the panel and the last move up to the game as it stands.
    void follow();
    // Every text the game prints: the computer's status box says when it thinks.
    void noticeText(std::string_view text);
    // An event has run to its end: the computer thinks no more.
    void eventEnded();

private:
    void rememberKind(const QString& controlName);
    void newGame(QMenuBar& bar);

    control::Game& game_;
    SurfaceView& view_;
    Runner run_;
    SidePanel* panel_ = nullptr;  // owned by the window it is laid out in
    LastMoveLayer lastMove_;
    std::vector<record::NotationLine> lines_;
    bool thinking_ = false;
    int thinkingFrom_ = 0;  // the replay position when the computer began to think
    QString lastKind_ = "SENTE";
};

}  // namespace app

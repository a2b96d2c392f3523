#pragma once

#include <QString>

#include <functional>
#include <vector>

#include "app/board/last_move_layer.h"
#include "record/notation.h"
#include "state/game.h"

class QWidget;

namespace app {

class SidePanel;
class SurfaceView;

// What the window shows beside and over the board besides the game's own
// surface: the side panel and the last move on the board. It reads the
// game, and changes it only through the window's own way of running an event.
class BesideBoard {
public:
    using Command = std::function<void(state::Game&)>;
    using Runner = std::function<void(const Command&)>;

    BesideBoard(state::Game& game, SurfaceView& view, Runner run);

    SidePanel& panel() const { return *panel_; }
    const LastMoveLayer& lastMove() const { return lastMove_; }

    // Brings the panel and the last move up to the game as it stands.
    void follow();
    // Told after each follow(), for what else shows the game beside the board.
    void onFollow(std::function<void()> f) { followers_.push_back(std::move(f)); }
    // The game says whether the computer thinks.
    void setThinking(bool on);
    // An event has run to its end: the computer thinks no more.
    void eventEnded();

private:
    state::Game& game_;
    SurfaceView& view_;
    Runner run_;
    SidePanel* panel_ = nullptr;  // owned by the window it is laid out in
    LastMoveLayer lastMove_;
    std::vector<record::NotationLine> lines_;
    std::vector<std::function<void()>> followers_;
    bool thinking_ = false;
};

}  // namespace app

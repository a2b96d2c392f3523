#include "app/panel/beside_board.h"

#include "app/board/surface_view.h"
#include "app/language/language.h"
#include "app/panel/side_panel.h"
#include "control/record_jump.h"

namespace app {

BesideBoard::BesideBoard(state::Game& game, SurfaceView& view, Runner run)
    : game_(game), view_(view), run_(std::move(run)) {
    panel_ = new SidePanel(nullptr);  // the window lays it out and owns it
    panel_->onLineClicked(
        [this](int entry) { run_([entry](state::Game& g) { control::棋譜_移動(g, entry); }); });
    view_.addLayer([this](QPainter& p, const SurfacePlacement& place) {
        lastMove_.paint(p, place, view_.shownPieces());
    });
}

void BesideBoard::follow() {
    // While a Nue King waits for its second step, its first is shown as pending.
    const bool pending = game_.state.stepState == 2;
    lines_ = record::棋譜表記(game_.record, record::先手の側(game_.state),
                              inEnglish() ? record::Notation::Western : record::Notation::Japanese, pending);
    panel_->follow(game_, lines_, thinking_);
    lastMove_.show(lastMoveSquares(game_.record, lines_));
    for (const auto& f : followers_) f();
    view_.update();
}

void BesideBoard::setThinking(bool on) {
    thinking_ = on;
    follow();
}

void BesideBoard::eventEnded() {
    thinking_ = false;
    follow();
}

}  // namespace app

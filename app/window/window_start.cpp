#include "app/window/window_start.h"

#include <QAction>
#include <QCoreApplication>
#include <QScreen>

#include "app/board/surface_view.h"
#include "app/keeping/player_settings.h"
#include "app/keeping/remembered_options.h"
#include "app/window/main_window.h"
#include "app/window/window_fit.h"

namespace app {

void placeAtFirstStart(MainWindow& w, const PlayerSettings* settings) {
    const QScreen* s = w.screen();
    const QRect room = s ? s->availableGeometry() : QRect(0, 0, 4096, 4096);
    w.resize(firstWindowSize(room.size(), barsHeight(w)));
    w.move(room.topLeft() - QPoint(4, 4));
    if (const std::optional<QRect> frame = settings ? rememberedFrame(*settings) : std::nullopt) {
        w.resize(frame->size());
        w.move(frame->topLeft());
    }
    w.fitPanel();
    // The pieces drawn for the board's first size while the game starts.
    const int bars = barsHeight(w);
    w.view()->prepareInBackground(QSize(w.width() - sidePanelWidth(w.size(), bars), w.height() - bars));
}

void putBackOptions(MainWindow& w, const PlayerSettings& settings, bool atStart) {
    const RememberedOptions o = rememberedOptions(settings);
    putBackOnGame(w.game(), o);
    if (!atStart) return;
    w.clocks().setChoice(o.clocks);
    w.menuItem("SEIRYOKU")->setChecked(o.influence);
    w.menuItem("FEWER_BOXES")->setChecked(o.fewerInterruptions);
    w.menuItem("AUTO_LEVEL")->setChecked(o.adaptiveLevel);
    if (o.pieces && !QCoreApplication::arguments().contains("--pieces")) w.setPieceSet(*o.pieces);
}

}  // namespace app

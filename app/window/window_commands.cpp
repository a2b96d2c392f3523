#include "app/window/window_commands.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>

#include "app/board/image_export.h"
#include "app/board/teaching_layers.h"
#include "app/exchange/exchange_commands.h"
#include "app/keeping/kept_games_view.h"
#include "app/keeping/player_settings.h"
#include "app/language/language.h"
#include "app/review/game_review.h"
#include "app/window/main_window.h"
#include "control/commands.h"
#include "control/file_panel.h"
#include "control/game_clock.h"
#include "control/new_game.h"

namespace app {

void runWindowCommand(MainWindow& w, WindowCommand command) {
    if (w.exchange().run(command)) return;
    const auto checked = [&w](const char* item) { return w.menuItem(item)->isChecked(); };
    PlayerSettings* s = w.services().settings;
    switch (command) {
        case WindowCommand::NewGame: return w.run(control::新しい対局);
        case WindowCommand::InfluenceView:
            w.teaching().showInfluence(checked("SEIRYOKU"));
            if (s) s->setInfluence(checked("SEIRYOKU"));
            return;
        case WindowCommand::FewerInterruptions:
            w.boxes().setFewerInterruptions(checked("FEWER_BOXES"));
            if (s) s->setFewerInterruptions(checked("FEWER_BOXES"));
            return;
        case WindowCommand::AdaptiveLevel:
            w.playerGames().setAdaptive(checked("AUTO_LEVEL"));
            if (s) s->setAdaptiveLevel(checked("AUTO_LEVEL"));
            return;
        case WindowCommand::Statistics: return w.playerGames().showStatistics();
        case WindowCommand::SaveImage: return saveBoardImage(w);
        case WindowCommand::Hint: return w.teaching().askHint();
        case WindowCommand::PiecesKanji2: return w.setPieceSet(PieceSet::Kanji2);
        case WindowCommand::PiecesKanji1: return w.setPieceSet(PieceSet::Kanji1);
        case WindowCommand::PiecesInternational: return w.setPieceSet(PieceSet::International);
        case WindowCommand::SidePanel: return w.setSidePanelShown(!w.sidePanelShown());
        case WindowCommand::Language:
            if (Translators* t = Translators::of())
                t->use(t->language() == Language::English ? Language::Japanese : Language::English);
            return;
        case WindowCommand::HowToPlay: return w.showHowToPlay();
        case WindowCommand::Review: return w.review().start();
        case WindowCommand::RecentGames:
            return fillRecentGames(*w.menuItem("RECENT")->menu(), w.services().keeper,
                                   [&w](const QString& path) { w.playerGames().openRecord(path); });
        case WindowCommand::TimeControl: return w.clocks().choose(&w, s);
        default: return;  // none, or the exchange's, taken above
    }
}

bool windowMark(const MainWindow& w, WindowCommand command) {
    switch (command) {
        case WindowCommand::PiecesKanji2: return w.pieceSet() == PieceSet::Kanji2;
        case WindowCommand::PiecesKanji1: return w.pieceSet() == PieceSet::Kanji1;
        case WindowCommand::PiecesInternational: return w.pieceSet() == PieceSet::International;
        case WindowCommand::SidePanel: return w.sidePanelShown();
        default: return false;
    }
}

bool takeKey(MainWindow& w, const QKeyEvent& e) {
    // The menus without a mouse: F10 opens the first, the arrows go on from there.
    if (e.key() == Qt::Key_F10 && !w.menuBar()->actions().isEmpty()) {
        w.menuBar()->setActiveAction(w.menuBar()->actions().front());
        return true;
    }
    if (e.key() == Qt::Key_Escape) {
        // Esc leaves an open file panel as if nothing was chosen; only with
        // the panel closed does it end the program.
        if (w.filePanel().isOpen()) {
            w.run(control::ファイルパネル_非表示);
        } else if (!w.boxes().fewerInterruptions() || w.boxes().confirmQuit()) {
            w.run([](state::Game& g) { control::Form_KeyPress(g, state::kEscKey); });
        }
        return true;
    }
    // P holds a two-player game's clock still, and P again lets it run.
    const state::Game& g = w.game();
    if (e.key() == Qt::Key_P && e.modifiers() == Qt::NoModifier && g.clock &&
        g.state.gameKind == state::kTwoPlayers) {
        w.run([](state::Game& game) { control::時計_一時停止(game); });
        w.clocks().show();
        return true;
    }
    const QString text = e.text();
    if (text.size() != 1 || text[0].unicode() >= 128) return false;
    w.run([code = text[0].unicode()](state::Game& game) { control::Form_KeyPress(game, code); });
    return true;
}

void saveBoardImage(MainWindow& w) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString suggested = QDir(folder).filePath("nuedori.png");
    const auto& ask = w.services().imagePath;
    const QString path = ask ? ask(&w, suggested)
                             : QFileDialog::getSaveFileName(&w, windowText("Menu", "画像で保存…"), suggested,
                                                            "PNG (*.png);;SVG (*.svg)");
    if (path.isEmpty()) return;
    const QString failed = writeBoardImage(w, path);
    if (!failed.isEmpty()) w.boxes().tell(QDir::toNativeSeparators(path) + "\n" + failed);
}

}  // namespace app

#include "app/window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>

#include "app/board/board_access.h"
#include "app/board/board_cursor.h"
#include "app/board/surface_view.h"
#include "app/board/teaching_layers.h"
#include "app/dialogs/how_to_play.h"
#include "app/exchange/exchange_commands.h"
#include "app/keeping/game_keeper.h"
#include "app/keeping/kept_games_view.h"
#include "app/keeping/player_settings.h"
#include "app/language/language.h"
#include "app/language/window_language.h"
#include "app/panel/beside_board.h"
#include "app/panel/notices.h"
#include "app/panel/side_panel.h"
#include "app/review/game_review.h"
#include "app/window/window_commands.h"
#include "app/window/window_fit.h"
#include "app/window/window_menus.h"
#include "app/window/window_start.h"
#include "control/commands.h"
#include "control/file_panel.h"
#include "control/game_clock.h"
#include "control/kept_game.h"
#include "control/new_game.h"
#include "control/play_on.h"

namespace app {

MainWindow::MainWindow(sound::SoundLayer& sound, WindowServices services)
    : sound_(sound),
      services_(std::move(services)),
      boxes_(*this, services_.answer),
      port_({surface_, sound, boxes_, pause_, services_.waitFactor},
            {[this](state::Outcome o) { gameOver(o); }, [this] { gameBegins(); }, [this] { moveCompleted(); },
             [this] {
                 if (services_.settings) putBackOptions(*this, *services_.settings, false);
             },
             [this] { quit(); }}) {
    setWindowTitle(kCaption);
    build();
    port_.attach(*view_, *beside_, *panel_, *menus_);
    retranslate();
    // The window keeps the keys (and the board shows no cursor) until Tab
    // gives the board or the panel the focus.
    setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::build() {
    view_ = new SurfaceView(surface_, this);  // the window owns its central widget
    view_->setPieceSet(defaultPieceSet(inEnglish()));
    beside_ = std::make_unique<BesideBoard>(game_, *view_, [this](const Command& c) { handle(c); });
    auto* central = new QWidget(this);  // the view, and the side panel right of it
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(view_, 1);
    row->addWidget(&beside_->panel());
    setCentralWidget(central);
    notices_ = new PanelNotices(this, beside_->panel());
    games_ = std::make_unique<PlayerGames>(*this, services_.keeper, services_.player);
    const auto chosen = [this](const std::string& path) {
        if (services_.fileWatcher) services_.fileWatcher(path);
        if (!exchange_->fileChosen(path)) games_->openRecord(QString::fromStdString(path));
    };
    panel_ = std::make_unique<FilePanel>(
        view_, FilePanel::Hooks{chosen,
                                [this] {
                                    if (!exchange_->returnPressed()) handle(control::Command1_Click);
                                },
                                [this] {
                                    port_.messageBox(state::Text::DeviceNotReady, state::Text::TitleError,
                                                     state::Buttons::Ok, state::Icon::None);
                                },
                                [this] { return startFolder(services_.keeper, services_.settings); },
                                [this](const QString& folder) {
                                    if (services_.settings) services_.settings->setFolder(folder);
                                }});
    view_->onPlacementChanged([this](const SurfacePlacement& p) { panel_->place(p); });
    // The keyboard's Enter on the cursor's square is a press like the mouse's.
    const auto press = [this](int button, QPointF twips) {
        // A paused game holds still: its board too.
        if (game_.state.quitRequested || (game_.clock && game_.clock->paused())) return;
        if (services_.pressWatcher) services_.pressWatcher(button, twips.x(), twips.y());
        handle([&](state::Game& g) { control::Form_MouseDown(g, button, twips.x(), twips.y()); });
    };
    view_->onPress(press);
    status_ = new QLabel(statusBar());  // the status line owns it
    status_->setObjectName("StatusText");
    statusBar()->addWidget(status_, 1);
    fit_ = new PanelFit(*this, beside_->panel(), [this] { return barsHeight(*this); });
    teaching_ = std::make_unique<TeachingLayers>(*this);
    review_ = std::make_unique<GameReview>(*this);
    exchange_ = new ExchangeCommands(*this, services_.filePath);
    clocks_ = std::make_unique<GameClocks>(game_, beside_->panel(), sound_, [this] { clockTicked(); });
    review_->onReviewed([this](const review::Result& r) { games_->reviewed(r); });
    // ここから対局 at a reviewed mistake: back to the position before it, then on.
    review_->onTryAgain(
        [this](int entry) { handle([entry](state::Game& g) { control::ここから対局_記録から(g, entry); }); });
    menus_ = new WindowMenus(
        *this, beside_->panel(),
        {[this](const Command& c) { handle(c); }, [this](WindowCommand w) { runWindowCommand(*this, w); },
         [this] { rememberOptions(); }, [this](WindowCommand w) { return windowMark(*this, w); }});
    beside_->panel().setFocusPolicy(Qt::TabFocus);
    cursor_ = std::make_unique<BoardCursor>(*view_, press);
    view_->addLayer([this](QPainter& p, const SurfacePlacement& place) { cursor_->paint(p, place); });
    access_ = new BoardAccess(*view_, game_, *cursor_);
    cursor_->onMoved([this] { access_->cursorMoved(); });
    new WindowLanguage(*this);  // the window owns it
    // The translators outlive the window: the listener asks whether it is still there.
    if (Translators* t = Translators::of())
        t->onChanged([self = QPointer<MainWindow>(this), t] {
            if (self && self->services_.settings) self->services_.settings->setLanguage(t->language());
        });
    setTabOrder(view_, &beside_->panel());
}

void MainWindow::retranslate() {
    menus_->retranslate();
    panel_->retranslate();
    notices_->retranslate();
    followStatus();
    beside_->panel().moveList()->setAccessibleName(QCoreApplication::translate("Panel", "棋譜"));
    beside_->panel().turnLabel()->setAccessibleName(QCoreApplication::translate("Panel", "手番"));
    beside_->follow();
    review_->retranslate();
    view_->repaintAll();
}

QAction* MainWindow::menuItem(const QString& controlName) const { return menus_->item(controlName); }
PieceSet MainWindow::pieceSet() const { return view_->pieceSet(); }

void MainWindow::setPieceSet(PieceSet set) {
    view_->setPieceSet(set);
    menus_->showWindowMarks();
    if (services_.settings) services_.settings->setPieces(set);
}

bool MainWindow::sidePanelShown() const { return fit_->shown(); }
void MainWindow::fitPanel() { fit_->fit(); }

void MainWindow::setSidePanelShown(bool shown) {
    fit_->setShown(shown);
    menus_->showWindowMarks();
}

void MainWindow::showHowToPlay() {
    if (!howToPlay_) howToPlay_ = new HowToPlay(*this);  // the window owns it
    howToPlay_->showPage();
}

QString MainWindow::statusText() const { return status_->text(); }

void MainWindow::followStatus() {
    const QString notice = notices_->statusLine();
    status_->setText(notice.isEmpty() ? stepStatus(game_.state) : notice);
}

void MainWindow::handle(const Command& command) {
    // One event at a time, and none once the program is ending.
    if (busy_ || game_.state.quitRequested || !command) return;
    busy_ = true;
    boxes_.clearSaid();
    command(game_);
    clocks_->followEvent(game_, outcome_.over());
    if (services_.keeper && services_.keeper->eventEnded(game_)) notices_->forgetResumed();
    busy_ = false;
    beside_->eventEnded();
    access_->follow();
    notices_->setSaid(boxes_.said());
    followStatus();
    // A termination signal came meanwhile: now the program ends as always.
    if (leaving_) return handle(control::Form_Unload);
    // はい after a game, with fewer interruptions: the same kind of game again.
    if (boxes_.takeNewGameWanted()) handle(control::新しい対局);
}

void MainWindow::clockTicked() {
    // During an event the game itself sees a move made too late.
    const state::GameClock* clock = game_.clock;
    if (busy_ || !clock || clock->running() == 0 || !clock->outOfTime(clock->running())) return;
    handle([](state::Game& g) { control::時間切れ(g); });
}

void MainWindow::start() {
    // Read before anything can be written over it.
    const GameKeeper::Found found = services_.keeper ? services_.keeper->takeKeptGame() : GameKeeper::Found{};
    handle(control::Form_Load);
    placeAtFirstStart(*this, services_.settings);
    if (services_.settings)
        handle([this](state::Game&) { putBackOptions(*this, *services_.settings, true); });
    if (found.game) resume(*found.game);
    if (services_.keeper) services_.keeper->start(game_);
    // Told once the window is on the screen, over it; then a game resumed at
    // the computer's turn goes on by itself.
    const QString settingsAside = services_.settings ? services_.settings->setAside() : QString();
    QTimer::singleShot(0, this, [this, game = found.setAside, settingsAside] {
        if (!game.isEmpty()) boxes_.tell(keptGameSetAsideWords(game));
        if (!settingsAside.isEmpty()) boxes_.tell(settingsSetAsideWords(settingsAside));
        handle(control::再開した対局を続ける);
    });
}

void MainWindow::leave() {
    if (!busy_) return handle(control::Form_Unload);
    leaving_ = true;
    boxes_.stopAsking();
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
    pause_.cut();
}

void MainWindow::rememberOptions() {
    if (!services_.settings) return;
    const state::GameState& s = game_.state;
    services_.settings->setOptions(s.level, s.teachingOn, s.bgmOn);
}

void MainWindow::resume(const record::KeptGame& kept) {
    handle([&kept](state::Game& g) { control::対局を再開(g, kept); });
    if (kept.state == record::KeptState::Playing) {
        game_.clock = clocks_->resume(kept.clocks);
        clocks_->followEvent(game_, false);
    }
    notices_->setResumed(resumedKind(game_.state), game_.state.moveNumber);
}

void MainWindow::keyPressEvent(QKeyEvent* e) {
    if (!takeKey(*this, *e)) QMainWindow::keyPressEvent(e);
}

void MainWindow::closeEvent(QCloseEvent* e) {
    handle(control::Form_Unload);
    if (game_.state.quitRequested)
        e->accept();
    else
        e->ignore();
}

// ---- the game's facts ----

void MainWindow::gameOver(state::Outcome o) {
    outcome_ = o;
    // The winning move listed and marked, and the clocks stopped, before the result is told.
    beside_->setThinking(false);
    clocks_->show();
    notices_->setOutcome(o, port_.labels());
    followStatus();
    games_->gameEnded(o);
    notices_->forgetResumed();
}

void MainWindow::gameBegins() {
    outcome_ = {};
    notices_->clearOutcome();
    notices_->forgetResumed();
    games_->gameBegins();
    game_.clock = clocks_->begin(clocks_->choice());
}

void MainWindow::moveCompleted() {
    if (services_.keeper && services_.keeper->keep(game_)) notices_->forgetResumed();
}

void MainWindow::quit() {
    // Before the process ends: the game where the next start finds it, and
    // the window's place.
    if (services_.keeper) services_.keeper->keep(game_);
    if (services_.settings) services_.settings->setGeometry(QRect(pos(), size()));
    if (services_.quit) services_.quit();
}

}  // namespace app

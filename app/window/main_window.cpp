#include "app/window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

#include "app/board/board_access.h"
#include "app/board/board_cursor.h"
#include "app/board/image_export.h"
#include "app/board/surface_view.h"
#include "app/board/teaching_layers.h"
#include "app/dialogs/how_to_play.h"
#include "app/dialogs/time_control_dialog.h"
#include "app/exchange/exchange_commands.h"
#include "app/keeping/game_keeper.h"
#include "app/keeping/kept_games_view.h"
#include "app/keeping/player_settings.h"
#include "app/keeping/remembered_options.h"
#include "app/language/language.h"
#include "app/language/window_language.h"
#include "app/panel/beside_board.h"
#include "app/panel/notices.h"
#include "app/panel/side_panel.h"
#include "app/review/game_review.h"
#include "app/statistics/player_record.h"
#include "app/window/window_fit.h"
#include "app/window/window_menus.h"
#include "control/commands.h"
#include "control/file_panel.h"
#include "control/game_clock.h"
#include "control/kept_game.h"
#include "control/new_game.h"
#include "control/play_on.h"
#include "sound/sound_layer.h"

namespace app {

MainWindow::MainWindow(sound::SoundLayer& sound, WindowServices services)
    : sound_(sound), services_(std::move(services)), boxes_(*this, services_.answer) {
    setWindowTitle(kCaption);
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
    panel_ = std::make_unique<FilePanel>(
        view_, FilePanel::Hooks{[this](const std::string& path) {
                                    if (services_.fileWatcher) services_.fileWatcher(path);
                                    if (exchange_->fileChosen(path)) return;
                                    openRecord(QString::fromStdString(path));
                                },
                                [this] {
                                    if (!exchange_->returnPressed()) handle(control::Command1_Click);
                                },
                                [this] {
                                    messageBox(state::Text::DeviceNotReady, state::Text::TitleError,
                                               state::Buttons::Ok, state::Icon::None);
                                },
                                [this] { return startFolder(services_.keeper, services_.settings); },
                                [this](const QString& folder) {
                                    if (services_.settings) services_.settings->setFolder(folder);
                                }});
    view_->onPlacementChanged([this](const SurfacePlacement& p) { panel_->place(p); });
    // The keyboard's Enter on the cursor's square is a press like the mouse's.
    const auto press = [this](int button, QPointF twips) {
        if (game_.state.quitRequested) return;
        // A paused game holds still: its board too.
        if (game_.clock && game_.clock->paused()) return;
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
    // ここから対局 at a reviewed mistake: back to the position before it, then on
    // as a game of the kind it was.
    review_->onReviewed([this](const review::Result& r) {
        if (services_.player) services_.player->reviewed(recordFile_, r);
    });
    review_->onTryAgain(
        [this](int entry) { handle([entry](state::Game& g) { control::ここから対局_記録から(g, entry); }); });
    menus_ = new WindowMenus(
        *this, beside_->panel(),
        {[this](const Command& c) { handle(c); }, [this](WindowCommand w) { runWindowCommand(w); },
         [this] { rememberOptions(); }, [this](WindowCommand w) { return windowMark(w); }});
    beside_->panel().setFocusPolicy(Qt::TabFocus);
    retranslate();
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
    // The window keeps the keys (and the board shows no cursor) until Tab
    // gives the board or the panel the focus.
    setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::runWindowCommand(WindowCommand command) {
    if (exchange_->run(command)) return;
    switch (command) {
        case WindowCommand::None: break;
        case WindowCommand::NewGame: handle(control::新しい対局); break;
        case WindowCommand::InfluenceView:
            teaching_->showInfluence(menuItem("SEIRYOKU")->isChecked());
            if (services_.settings) services_.settings->setInfluence(menuItem("SEIRYOKU")->isChecked());
            break;
        case WindowCommand::FewerInterruptions:
            boxes_.setFewerInterruptions(menuItem("FEWER_BOXES")->isChecked());
            if (services_.settings) services_.settings->setFewerInterruptions(boxes_.fewerInterruptions());
            break;
        case WindowCommand::AdaptiveLevel:
            adaptive_ = menuItem("AUTO_LEVEL")->isChecked();
            if (services_.settings) services_.settings->setAdaptiveLevel(adaptive_);
            break;
        case WindowCommand::Statistics: showStatistics(); break;
        case WindowCommand::SaveImage: saveImage(); break;
        case WindowCommand::Hint: teaching_->askHint(); break;
        case WindowCommand::PiecesKanji2: setPieceSet(PieceSet::Kanji2); break;
        case WindowCommand::PiecesKanji1: setPieceSet(PieceSet::Kanji1); break;
        case WindowCommand::PiecesInternational: setPieceSet(PieceSet::International); break;
        case WindowCommand::SidePanel: setSidePanelShown(!sidePanelShown()); break;
        case WindowCommand::Language:
            if (Translators* t = Translators::of())
                t->use(t->language() == Language::English ? Language::Japanese : Language::English);
            break;
        case WindowCommand::HowToPlay: showHowToPlay(); break;
        case WindowCommand::Review: review_->start(); break;
        case WindowCommand::RecentGames:
            fillRecentGames(*menuItem("RECENT")->menu(), services_.keeper,
                            [this](const QString& path) { openRecord(path); });
            break;
        case WindowCommand::TimeControl: chooseTimeControl(); break;
        default: break;  // the exchange's, taken above
    }
}

bool MainWindow::windowMark(WindowCommand command) const {
    switch (command) {
        case WindowCommand::PiecesKanji2: return pieceSet() == PieceSet::Kanji2;
        case WindowCommand::PiecesKanji1: return pieceSet() == PieceSet::Kanji1;
        case WindowCommand::PiecesInternational: return pieceSet() == PieceSet::International;
        case WindowCommand::SidePanel: return sidePanelShown();
        default: return false;
    }
}

void MainWindow::retranslate() {
    menus_->retranslate();
    panel_->retranslate();
    notices_->retranslate();
    followStatus();
    SidePanel& panel = beside_->panel();
    panel.moveList()->setAccessibleName(QCoreApplication::translate("Panel", "棋譜"));
    panel.turnLabel()->setAccessibleName(QCoreApplication::translate("Panel", "手番"));
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

void MainWindow::setSidePanelShown(bool shown) {
    fit_->setShown(shown);
    menus_->showWindowMarks();
}

void MainWindow::saveImage() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString suggested = QDir(folder).filePath("nuedori.png");
    const QString path = services_.imagePath
                             ? services_.imagePath(this, suggested)
                             : QFileDialog::getSaveFileName(this, windowText("Menu", "画像で保存…"),
                                                            suggested, "PNG (*.png);;SVG (*.svg)");
    if (path.isEmpty()) return;
    const QString failed = writeBoardImage(*this, path);
    if (!failed.isEmpty()) boxes_.tell(QDir::toNativeSeparators(path) + "\n" + failed);
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
    followClock();
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

void MainWindow::followClock() {
    if (!game_.clock) return;
    if (game_.state.kifuMode || game_.state.sideToMove == 0) {
        // A record has no clock; a finished game's lines stay until はい clears the board.
        if (game_.state.kifuMode || !outcome_.over() || game_.record.last == 0) {
            game_.clock = nullptr;
            clocks_->end();
        }
        return;
    }
    control::時計_手番(game_);
    clocks_->show();
}

void MainWindow::clockTicked() {
    // During an event the game itself sees a move made too late.
    const state::GameClock* clock = game_.clock;
    if (busy_ || !clock || clock->running() == 0 || !clock->outOfTime(clock->running())) return;
    handle([](state::Game& g) { control::時間切れ(g); });
}

void MainWindow::chooseTimeControl() {
    const std::optional<ClockChoice> chosen = askTimeControl(this, clockChoice_);
    if (!chosen) return;
    clockChoice_ = *chosen;
    if (!services_.settings) return;
    services_.settings->setClock(1, clockChoice_[0]);
    services_.settings->setClock(-1, clockChoice_[1]);
}

void MainWindow::start() {
    // Read before anything can be written over it.
    const GameKeeper::Found found = services_.keeper ? services_.keeper->takeKeptGame() : GameKeeper::Found{};
    handle(control::Form_Load);
    placeAtFirstStart();
    handle([this](state::Game&) { applyOptions(true); });
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

void MainWindow::applyOptions(bool atStart) {
    PlayerSettings* s = services_.settings;
    if (!s) return;
    const RememberedOptions o = rememberedOptions(*s);
    putBackOnGame(game_, o);
    if (!atStart) return;
    clockChoice_ = o.clocks;
    menuItem("SEIRYOKU")->setChecked(o.influence);
    menuItem("FEWER_BOXES")->setChecked(o.fewerInterruptions);
    menuItem("AUTO_LEVEL")->setChecked(o.adaptiveLevel);
    if (o.pieces && !QCoreApplication::arguments().contains("--pieces")) setPieceSet(*o.pieces);
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
        followClock();
    }
    notices_->setResumed(resumedKind(game_.state), game_.state.moveNumber);
}

void MainWindow::placeAtFirstStart() {
    // About four fifths of the screen's height, or the size the player left
    // it at where a screen there is now shows it.
    const QScreen* s = screen();
    const QRect room = s ? s->availableGeometry() : QRect(0, 0, 4096, 4096);
    resize(firstWindowSize(room.size(), barsHeight(*this)));
    move(room.topLeft() - QPoint(4, 4));
    const std::optional<QRect> frame =
        services_.settings ? rememberedFrame(*services_.settings) : std::nullopt;
    if (frame) {
        resize(frame->size());
        move(frame->topLeft());
    }
    fit_->fit();
    // The pieces drawn for the board's first size while the game starts.
    const int bars = barsHeight(*this);
    view_->prepareInBackground(QSize(width() - sidePanelWidth(size(), bars), height() - bars));
}

void MainWindow::keyPressEvent(QKeyEvent* e) {
    // The menus without a mouse: F10 opens the first, the arrows go on from there.
    if (e->key() == Qt::Key_F10 && !menuBar()->actions().isEmpty()) {
        menuBar()->setActiveAction(menuBar()->actions().front());
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        // Esc leaves an open file panel as if nothing was chosen; only with
        // the panel closed does it end the program (asking first, with
        // fewer interruptions).
        if (panel_->isOpen()) return handle(control::ファイルパネル_非表示);
        if (boxes_.fewerInterruptions() && !boxes_.confirmQuit()) return;
        return handle([](state::Game& g) { control::Form_KeyPress(g, state::kEscKey); });
    }
    // P holds a two-player game's clock still, and P again lets it run.
    if (e->key() == Qt::Key_P && e->modifiers() == Qt::NoModifier && game_.clock &&
        game_.state.gameKind == state::kTwoPlayers) {
        handle([](state::Game& g) { control::時計_一時停止(g); });
        clocks_->show();
        return;
    }
    const QString text = e->text();
    if (text.size() == 1 && text[0].unicode() < 128) {
        const int code = text[0].unicode();
        return handle([code](state::Game& g) { control::Form_KeyPress(g, code); });
    }
    QMainWindow::keyPressEvent(e);
}

void MainWindow::closeEvent(QCloseEvent* e) {
    handle(control::Form_Unload);
    if (game_.state.quitRequested)
        e->accept();
    else
        e->ignore();
}

// ---- the game's port ----

void MainWindow::draw(DrawOp op) {
    surface_.add(std::move(op));
    view_->update();
}

void MainWindow::refresh() {
    beside_->follow();
    view_->update();
}

void MainWindow::thinking(bool on) { beside_->setThinking(on); }

void MainWindow::gameOver(state::Outcome o) {
    outcome_ = o;
    // The winning move listed and marked, and the clocks stopped, before the result is told.
    beside_->setThinking(false);
    clocks_->show();
    notices_->setOutcome(o, facts_);
    followStatus();
    if (services_.keeper) services_.keeper->gameEnded(game_, o);
    if (services_.keeper) recordFile_ = services_.keeper->lastWritten();
    if (services_.player) services_.player->gameEnded(game_, o, recordFile_, adaptive_);
    notices_->forgetResumed();
}

void MainWindow::gameBegins() {
    outcome_ = {};
    notices_->clearOutcome();
    notices_->forgetResumed();
    recordFile_.clear();
    levelForNewGame();
    game_.clock = clocks_->begin(clockChoice_);
}

void MainWindow::levelForNewGame() {
    notices_->setSuggestion({});
    if (!services_.player || game_.state.gameKind != state::kAgainstComputer) return;
    const rating::Side side = statistics::PlayerRecord::playerSide(game_);
    if (adaptive_) {
        const int level = services_.player->adaptiveLevel(side);
        if (level != game_.state.level) control::LEVELn_Click(game_, level);
    }
    notices_->setSuggestion(services_.player->suggestion(side));
}

void MainWindow::openRecord(const QString& path) {
    handle([file = path.toStdString()](state::Game& g) { control::File1_Click(g, file); });
    if (game_.state.kifuMode) recordFile_ = path;
}

void MainWindow::showStatistics() {
    if (!services_.player) return;
    const auto playOn = [this](const QString& path) {
        openRecord(path);
        if (!game_.state.kifuMode) return;
        handle(game_.state.gameKind == state::kAgainstComputer ? control::ここから対局_COM
                                                               : control::ここから対局_人間);
    };
    services_.player->showStatistics(this, {[this](const QString& path) { openRecord(path); },
                                            [this](const QString& path) {
                                                openRecord(path);
                                                if (game_.state.kifuMode) review_->start();
                                            },
                                            playOn});
}

void MainWindow::optionsReset() { applyOptions(false); }

void MainWindow::moveCompleted() {
    if (services_.keeper && services_.keeper->keep(game_)) notices_->forgetResumed();
}

void MainWindow::soundStartup() { sound_.startup(); }
int MainWindow::loadSound(std::string_view fileName, int flags) { return sound_.load(fileName, flags); }
void MainWindow::playSound(int handle) { sound_.play(handle); }
void MainWindow::loopSound(int handle) { sound_.loop(handle); }
void MainWindow::stopSound(int handle) { sound_.stop(handle); }
void MainWindow::freeSound(int handle) { sound_.free(handle); }
void MainWindow::soundShutdown() { sound_.shutdown(); }

void MainWindow::wait(double seconds) {
    beside_->follow();  // the panel shows the game as it stands while it waits
    pause_.run(seconds * services_.waitFactor);
}

void MainWindow::setMenuChecked(state::MenuCheck item, bool checked) { menus_->setChecked(item, checked); }

void MainWindow::quit() {
    // Before the process ends: the game where the next start finds it, and
    // the window's place.
    if (services_.keeper) services_.keeper->keep(game_);
    if (services_.settings) services_.settings->setGeometry(QRect(pos(), size()));
    if (services_.quit) services_.quit();
}

}  // namespace app

#include "app/window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
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

#include <algorithm>
#include <cmath>
#include <map>

#include "app/board/board_access.h"
#include "app/board/board_cursor.h"
#include "app/board/image_export.h"
#include "app/board/surface_geometry.h"
#include "app/board/surface_view.h"
#include "app/board/teaching_layers.h"
#include "app/dialogs/how_to_play.h"
#include "app/dialogs/time_control_dialog.h"
#include "app/keeping/game_keeper.h"
#include "app/keeping/player_settings.h"
#include "app/language/language.h"
#include "app/language/window_language.h"
#include "app/panel/beside_board.h"
#include "app/panel/side_panel.h"
#include "app/review/game_review.h"
#include "app/window/window_fit.h"
#include "control/commands.h"
#include "control/file_panel.h"
#include "control/game_clock.h"
#include "control/kept_game.h"
#include "control/play_on.h"
#include "control/record_jump.h"
#include "sound/sound_layer.h"

namespace app {

namespace {

// The record's keys without a modifier. The menu items show them; they are
// taken here, where the window gets them, and not while a control of the
// file panel has the focus: its lists and its name box keep their own
// arrows, Home and End. The side panel, which Tab gives the focus to from
// the board, leaves them to the record.
class RecordKeys : public QObject {
public:
    RecordKeys(QWidget* window, const QWidget* panel) : QObject(window), window_(window), panel_(panel) {
        window->installEventFilter(this);
    }
    void add(int key, QAction* action) { actions_[key] = action; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<const QKeyEvent*>(event);
        const auto found = actions_.find(key->key());
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || found == actions_.end())
            return false;
        const QWidget* focus = QApplication::focusWidget();
        if (focus && focus != window_ && focus != panel_ && focus->isVisible()) return false;
        found->second->trigger();
        return true;
    }

private:
    QWidget* window_;
    const QWidget* panel_;
    std::map<int, QAction*> actions_;
};

// The view's size at the first start: the whole surface at its natural size.
constexpr QSize kFirstViewSize(static_cast<int>(kSurfacePixels.width()) + 1,
                               static_cast<int>(kSurfacePixels.height()) + 1);

// What 最近の対局 lists.
constexpr int kRecentGames = 10;

// The notices of a file set aside at start-up.
constexpr const char* kKeptGameDamaged = QT_TRANSLATE_NOOP(
    "Window", "前回の対局のファイルが読めませんでした。新しく始めます。ファイルはこの名前で残しました：");
constexpr const char* kSettingsDamaged = QT_TRANSLATE_NOOP(
    "Window", "設定のファイルが読めませんでした。初期設定で始めます。ファイルはこの名前で残しました：");

}  // namespace

MainWindow::MainWindow(sound::SoundLayer& sound, WindowServices services)
    : sound_(sound), services_(std::move(services)) {
    setWindowTitle(kCaption);
    view_ = new SurfaceView(surface_, this);  // the window owns its central widget
    view_->setPieceSet(defaultPieceSet(inEnglish()));
    view_->prepareInBackground(kFirstViewSize);
    beside_ = std::make_unique<BesideBoard>(game_, *view_, [this](const Command& c) { handle(c); });
    auto* central = new QWidget(this);  // the view, and the side panel right of it
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(view_, 1);
    row->addWidget(&beside_->panel());
    setCentralWidget(central);
    panel_ = std::make_unique<FilePanel>(
        view_, FilePanel::Hooks{[this](const std::string& path) {
                                    if (services_.fileWatcher) services_.fileWatcher(path);
                                    handle([&path](state::Game& g) { control::File1_Click(g, path); });
                                },
                                [this] { handle(control::Command1_Click); },
                                [this] {
                                    messageBox(state::Text::DeviceNotReady, state::Text::TitleError,
                                               state::Buttons::Ok, state::Icon::None);
                                },
                                [this] { return startFolder(); },
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
    fit_ = new PanelFit(*this, beside_->panel(), [this] { return barsHeight(); });
    teaching_ = std::make_unique<TeachingLayers>(*this);
    review_ = std::make_unique<GameReview>(*this);
    clocks_ = std::make_unique<GameClocks>(game_, beside_->panel(), sound_, [this] { clockTicked(); });
    // ここから対局 at a reviewed mistake: back to the position before it, then on
    // as a game of the kind it was.
    review_->onTryAgain([this](int entry) {
        handle([entry](state::Game& g) {
            control::棋譜_移動(g, entry);
            if (g.record.counter != entry) return;  // refused on the way, as 戻 and 進 are
            if (g.state.gameKind == state::kAgainstComputer)
                control::ここから対局_COM(g);
            else
                control::ここから対局_人間(g);
        });
    });
    buildMenus();
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

void MainWindow::buildMenus() {
    std::map<std::string, QMenu*> menus;
    auto* keys = new RecordKeys(this, &beside_->panel());  // the window owns it
    for (const MenuEntry& e : menuBarEntries()) {
        QMenu* parent = *e.under ? menus.at(e.under) : nullptr;
        if (e.kind == MenuEntry::Kind::Separator) {
            parent->addSeparator();
            continue;
        }
        const Command command = e.command;
        QAction* action = nullptr;
        if (e.kind == MenuEntry::Kind::Menu) {
            QMenu* menu = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
            menu->setObjectName(e.name);
            menus[e.name] = menu;
            action = menu->menuAction();
            if (command) connect(menu, &QMenu::aboutToShow, this, [this, command] { handle(command); });
            if (e.window != WindowCommand::None)
                connect(menu, &QMenu::aboutToShow, this, [this, w = e.window] { runWindowCommand(w); });
        } else {
            action = parent ? parent->addAction(QString()) : menuBar()->addAction(QString());
            const int check = e.check;
            if (check != kNoCheck) action->setCheckable(true);
            if (check >= 0) checkItems_[static_cast<std::size_t>(check)] = action;
            const MenuEntry* entry = &e;
            connect(action, &QAction::triggered, this, [this, action, entry] {
                // The game alone decides its marks: undo the toggle the menu made itself.
                if (entry->check >= 0) action->setChecked(checks_[static_cast<std::size_t>(entry->check)]);
                if (entry->newGame) newGame_ = entry->newGame;
                if (entry->command) handle(entry->command);
                // The player's own choice of level or option is remembered.
                if (entry->check >= 0) rememberOptions();
                if (entry->check != kOwnCheck) runWindowCommand(entry->window);
                // The window's marks say what it shows, whatever the menu toggled.
                if (entry->check == kWindowMark) showOwnMarks();
            });
            if (check == kWindowMark) marked_[e.window] = action;
            // A mark the window keeps itself acts whenever it changes.
            if (check == kOwnCheck)
                connect(action, &QAction::toggled, this, [this, entry] { runWindowCommand(entry->window); });
        }
        action->setObjectName(e.name);
        if (e.key != 0 || e.standardKey != QKeySequence::UnknownKey)
            action->setShortcut(e.key != 0 ? QKeySequence(e.key) : QKeySequence(e.standardKey));
        if (e.keyRole == KeyRole::RecordKey || e.keyRole == KeyRole::Shown)
            action->setShortcutContext(Qt::WidgetShortcut);
        if (e.keyRole == KeyRole::RecordKey) keys->add(e.key, action);
        captioned_.emplace_back(action, &e);
    }
    beside_->panel().setFocusPolicy(Qt::TabFocus);
    showOwnMarks();
    retranslate();
}

void MainWindow::runWindowCommand(WindowCommand command) {
    switch (command) {
        case WindowCommand::None: break;
        case WindowCommand::NewGame: handle(newGame_); break;
        case WindowCommand::InfluenceView:
            teaching_->showInfluence(menuItem("SEIRYOKU")->isChecked());
            if (services_.settings) services_.settings->setInfluence(menuItem("SEIRYOKU")->isChecked());
            break;
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
        case WindowCommand::RecentGames: showRecentGames(); break;
        case WindowCommand::TimeControl: chooseTimeControl(); break;
    }
}

void MainWindow::retranslate() {
    for (const auto& [action, entry] : captioned_) {
        if (entry->window == WindowCommand::Language) {
            action->setText(inEnglish() ? "日本語" : "English");
            action->setEnabled(Translators::of() != nullptr);
            continue;
        }
        action->setText(windowText("Menu", QString::fromUtf8(entry->caption)));
        if (entry->tip) action->setStatusTip(windowText("Tip", QString::fromUtf8(entry->tip)));
    }
    panel_->retranslate();
    showResumed();
    followStatus();
    SidePanel& panel = beside_->panel();
    panel.moveList()->setAccessibleName(QCoreApplication::translate("Panel", "棋譜"));
    panel.turnLabel()->setAccessibleName(QCoreApplication::translate("Panel", "手番"));
    beside_->follow();
    review_->retranslate();
    view_->repaintAll();
}

void MainWindow::showOwnMarks() {
    const auto mark = [this](WindowCommand c, bool on) {
        if (QAction* a = marked_[c]) a->setChecked(on);
    };
    mark(WindowCommand::PiecesKanji2, pieceSet() == PieceSet::Kanji2);
    mark(WindowCommand::PiecesKanji1, pieceSet() == PieceSet::Kanji1);
    mark(WindowCommand::PiecesInternational, pieceSet() == PieceSet::International);
    mark(WindowCommand::SidePanel, sidePanelShown());
}

PieceSet MainWindow::pieceSet() const { return view_->pieceSet(); }

void MainWindow::setPieceSet(PieceSet set) {
    view_->setPieceSet(set);
    showOwnMarks();
    if (services_.settings) services_.settings->setPieces(set);
}

bool MainWindow::sidePanelShown() const { return fit_->shown(); }

void MainWindow::setSidePanelShown(bool shown) {
    fit_->setShown(shown);
    showOwnMarks();
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
    if (failed.isEmpty() || !services_.answer) return;
    services_.answer(this, BoxRequest{(QDir::toNativeSeparators(path) + "\n" + failed).toStdString(),
                                      kCaption, state::Buttons::Ok, state::Icon::Exclamation});
}

void MainWindow::showHowToPlay() {
    if (!howToPlay_) howToPlay_ = new HowToPlay(*this);  // the window owns it
    howToPlay_->showPage();
}

QString MainWindow::statusText() const { return status_->text(); }

void MainWindow::followStatus() { status_->setText(stepStatus(game_.state)); }

int MainWindow::barsHeight() const {
    return menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
}

QAction* MainWindow::menuItem(const QString& controlName) const {
    const auto actions = menuBar()->findChildren<QAction*>(controlName);
    return actions.isEmpty() ? nullptr : actions.front();
}

void MainWindow::handle(const Command& command) {
    // One event at a time, and none once the program is ending.
    if (busy_ || game_.state.quitRequested || !command) return;
    busy_ = true;
    command(game_);
    followClock();
    if (services_.keeper && services_.keeper->eventEnded(game_)) forgetResumed();
    busy_ = false;
    beside_->eventEnded();
    access_->follow();
    followStatus();
    // A termination signal came meanwhile: now the program ends as always.
    if (leaving_) handle(control::Form_Unload);
}

void MainWindow::followClock() {
    if (!game_.clock) return;
    if (game_.state.kifuMode) {
        game_.clock = nullptr;
        clocks_->end();
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
    applySettings();
    if (found.game) resume(*found.game);
    if (services_.keeper) services_.keeper->start(game_);
    // Told once the window is on the screen, over it.
    const QString settingsAside = services_.settings ? services_.settings->setAside() : QString();
    QTimer::singleShot(0, this, [this, game = found.setAside, settingsAside] {
        if (!game.isEmpty()) tellSetAside(kKeptGameDamaged, game);
        if (!settingsAside.isEmpty()) tellSetAside(kSettingsDamaged, settingsAside);
    });
}

void MainWindow::leave() {
    if (!busy_) {
        handle(control::Form_Unload);
        return;
    }
    leaving_ = true;
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
    if (waiting_) waiting_->quit();
}

void MainWindow::applySettings() {
    PlayerSettings* s = services_.settings;
    if (!s) return;
    const std::optional<int> level = s->level();
    if (level && *level != game_.state.level)
        handle([n = *level](state::Game& g) { control::LEVELn_Click(g, n); });
    clockChoice_ = {s->clock(1).value_or(state::TimeControl{}), s->clock(-1).value_or(state::TimeControl{})};
    if (s->teaching().value_or(false) != game_.state.teachingOn) handle(control::SIDOU_Click);
    if (s->music().value_or(true) != game_.state.bgmOn) handle(control::BGM_Click);
    if (s->influence().value_or(false)) menuItem("SEIRYOKU")->setChecked(true);
    if (const std::optional<PieceSet> set = s->pieces()) {
        if (!QCoreApplication::arguments().contains("--pieces")) setPieceSet(*set);
    }
    // Only onto a screen there is now: a screen unplugged since would hide it.
    const std::optional<QRect> frame = s->geometry();
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (!frame || !screen->availableGeometry().contains(frame->center())) continue;
        resize(frame->size());
        move(frame->topLeft());
        break;
    }
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
    const state::GameState& s = game_.state;
    resumed_ = Resumed{s.kifuMode                         ? QT_TRANSLATE_NOOP("Panel", "棋譜再生")
                       : s.gameKind == state::kTwoPlayers ? QT_TRANSLATE_NOOP("Panel", "対局(人間)")
                                                          : QT_TRANSLATE_NOOP("Panel", "対局(COM)"),
                       s.moveNumber};
    showResumed();
}

void MainWindow::showResumed() {
    if (!resumed_) {
        beside_->panel().setNotice({});
        return;
    }
    beside_->panel().setNotice(QCoreApplication::translate("Panel", "前回の%1を再開しました（%2手）")
                                   .arg(QCoreApplication::translate("Panel", resumed_->kind))
                                   .arg(resumed_->moves));
}

void MainWindow::forgetResumed() {
    resumed_.reset();
    showResumed();
}

void MainWindow::tellSetAside(const char* what, const QString& newName) {
    if (!services_.answer) return;
    const QString text =
        windowText("Window", QString::fromUtf8(what)) + "\n" + QDir::toNativeSeparators(newName);
    services_.answer(this,
                     BoxRequest{text.toStdString(), kCaption, state::Buttons::Ok, state::Icon::Exclamation});
}

void MainWindow::showRecentGames() {
    QMenu* menu = menuItem("RECENT")->menu();
    menu->clear();
    const QStringList games = services_.keeper ? services_.keeper->recentGames(kRecentGames) : QStringList{};
    if (games.isEmpty()) menu->addAction(QCoreApplication::translate("Menu", "（なし）"))->setEnabled(false);
    for (const QString& path : games) {
        connect(menu->addAction(recentGameOf(path).caption()), &QAction::triggered, this, [this, path] {
            handle([file = path.toStdString()](state::Game& g) { control::File1_Click(g, file); });
        });
    }
}

QString MainWindow::startFolder() const {
    // The folder last used; the first time the game's records folder, never
    // the folder the program happened to start in.
    const QString last = services_.settings ? services_.settings->folder() : QString();
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    if (services_.keeper && services_.keeper->keeping()) return services_.keeper->recordsFolder();
    return QDir::currentPath();
}

void MainWindow::placeAtFirstStart() {
    // The whole surface at its natural size below the menu bar, or as large
    // as the screen's usable area allows at its scale; the frame's corner 60
    // twips (4 pixels) up and left of that area.
    const QScreen* s = screen();
    const QSize room = s ? s->availableGeometry().size() : QSize(4096, 4096);
    resize(firstWindowSize(room, barsHeight()));
    fit_->fit();
    if (s) move(s->availableGeometry().topLeft() - QPoint(4, 4));
}

void MainWindow::keyPressEvent(QKeyEvent* e) {
    // The menus without a mouse: F10 opens the first, the arrows go on from there.
    if (e->key() == Qt::Key_F10 && !menuBar()->actions().isEmpty()) {
        menuBar()->setActiveAction(menuBar()->actions().front());
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        // Esc leaves an open file panel as if nothing was chosen; only with
        // the panel closed does it end the program.
        if (panel_->isOpen())
            handle(control::ファイルパネル_非表示);
        else
            handle([](state::Game& g) { control::Form_KeyPress(g, state::kEscKey); });
        return;
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
        handle([code](state::Game& g) { control::Form_KeyPress(g, code); });
        return;
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

// ---- the surface ----

void MainWindow::outlineCell(int colour, int x, int y) {
    DrawOp op;
    op.kind = DrawOp::Kind::Outline;
    op.area = cellRect(x, y);
    op.at = QPointF(x, y);
    op.colour = colour;
    surface_.add(std::move(op));
    view_->update();
}

void MainWindow::fillRect(double x, double y, int width, int height, int colour) {
    DrawOp op;
    op.kind = DrawOp::Kind::Fill;
    op.area = QRectF(cellToTwips(x, y), QSizeF(width, height));
    op.at = QPointF(x, y);
    op.colour = colour;
    surface_.add(std::move(op));
    view_->update();
}

void MainWindow::drawImage(state::ImageRef image, double x, double y) {
    DrawOp op;
    op.kind = DrawOp::Kind::Image;
    op.image = image;
    op.at = QPointF(x, y);
    op.area = image.name == state::Image::TITLE ? QRectF(cellToTwips(x, y), QSizeF(kTitleWidth, kTitleHeight))
                                                : cellRect(x, y);
    surface_.add(std::move(op));
    view_->update();
}

void MainWindow::printText(double x, double y, const state::SurfaceText& text, state::TextStyle style) {
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.at = QPointF(x, y);
    op.text = japaneseWords(text);
    op.said = text;
    op.style = style;
    op.colour = style.colour;
    // Every twip the text may cover in either language: a move's English fits its place.
    QRectF english = textArea(cellToTwips(x, y), englishWords(text), style);
    if (text.kind == state::SurfaceText::Kind::MoveColumn)
        english.setWidth(std::min(english.width(), kMoveTextWidth));
    op.area = textArea(cellToTwips(x, y), op.text, style).united(english);
    surface_.add(std::move(op));
    view_->update();
}

void MainWindow::refresh() {
    beside_->follow();
    view_->update();
}

// ---- message boxes, sound, waiting ----

state::Answer MainWindow::messageBox(const state::Message& text, state::Text title, state::Buttons buttons,
                                     state::Icon icon) {
    // The core names the message; the player reads it in the language chosen.
    const BoxRequest request{messageWords(text), titleWords(title), buttons, icon};
    // The program is being ended: nothing more is asked.
    if (leaving_) return buttons == state::Buttons::YesNo ? state::Answer::No : state::Answer::Ok;
    if (!services_.answer) return buttons == state::Buttons::YesNo ? state::Answer::Yes : state::Answer::Ok;
    return services_.answer(this, request);
}

void MainWindow::thinking(bool on) { beside_->setThinking(on); }
void MainWindow::gameFacts(const state::GameFacts& facts) { facts_ = facts; }
void MainWindow::gameOver(state::Outcome o) {
    outcome_ = o;
    clocks_->show();  // stopped, before the result is told
    if (services_.keeper) services_.keeper->gameEnded(game_, o);
    forgetResumed();
}

void MainWindow::gameBegins() { game_.clock = clocks_->begin(clockChoice_); }

void MainWindow::moveCompleted() {
    if (services_.keeper && services_.keeper->keep(game_)) forgetResumed();
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
    const double length = seconds * services_.waitFactor;
    if (length <= 0 || leaving_) return;
    // Measured on the monotonic clock, so the wait is never shorter than asked
    // (a timer may fire a little early: then it is started again for the rest).
    const auto total = static_cast<qint64>(std::ceil(length * 1e9));
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    waiting_ = &loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    for (qint64 left = total; left > 0 && !leaving_; left = total - clock.nsecsElapsed()) {
        timer.start(static_cast<int>((left + 999'999) / 1'000'000));
        // Repaints go on; the player's input waits until the pause is over.
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    waiting_ = nullptr;
}

// ---- file panel, check marks, quitting ----

void MainWindow::setListsVisible(bool drive, bool folder, bool files) {
    panel_->setListsVisible(drive, folder, files);
}
void MainWindow::setNameRowVisible(bool visible) { panel_->setNameRowVisible(visible); }
void MainWindow::clearNameBox() { panel_->clearNameBox(); }
std::string MainWindow::nameBoxText() { return panel_->nameBoxText().toStdString(); }
std::string MainWindow::fileListFolder() { return panel_->fileListFolder().toStdString(); }
void MainWindow::refreshFileList() { panel_->refreshFileList(); }

void MainWindow::setMenuChecked(state::MenuCheck item, bool checked) {
    const auto i = static_cast<std::size_t>(item);
    checks_[i] = checked;
    if (checkItems_[i]) checkItems_[i]->setChecked(checked);
}

void MainWindow::quit() {
    // Before the process ends: the game where the next start finds it, and
    // the window's place.
    if (services_.keeper) services_.keeper->keep(game_);
    if (services_.settings) services_.settings->setGeometry(QRect(pos(), size()));
    if (services_.quit) services_.quit();
}

}  // namespace app

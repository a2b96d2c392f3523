#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <cmath>
#include <map>

#include "app/beside_board.h"
#include "app/board_access.h"
#include "app/board_cursor.h"
#include "app/language.h"
#include "app/side_panel.h"
#include "app/surface_geometry.h"
#include "app/surface_view.h"
#include "app/teaching_layers.h"
#include "app/window_language.h"
#include "control/commands.h"
#include "sound/sound_layer.h"

namespace app {

namespace {

using control::MenuCheck;

// The menu bar in display order: control name, caption, the menu it stands
// in ("" for the bar itself), what choosing it runs, and the check mark it
// carries. A menu with a submenu runs its command when it opens.
struct MenuEntry {
    const char* name;
    const char* caption;
    const char* under;
    void (*command)(control::Game&);
    bool submenu;
    int check;  // a MenuCheck, or -1
};

constexpr int kNoCheck = -1;
constexpr int checkIndex(MenuCheck c) { return static_cast<int>(c); }

constexpr MenuEntry kMenuBar[] = {
    {"TAIKYOKU", "対局", "", control::TAIKYOKU_Click, true, kNoCheck},
    {"MATCH_MAN", "対局(人間)", "TAIKYOKU", nullptr, true, kNoCheck},
    {"START", "スタート", "MATCH_MAN", control::START_Click, false, kNoCheck},
    {"START2", "対局(COM)", "TAIKYOKU", nullptr, true, kNoCheck},
    {"SENTE", "先手", "START2", control::SENTE_Click, false, kNoCheck},
    {"GOTE", "後手", "START2", control::GOTE_Click, false, kNoCheck},
    {"LEVEL", "COM対局ﾚﾍﾞﾙ", "TAIKYOKU", nullptr, true, kNoCheck},
    {"LEVEL1", "LEVEL1", "LEVEL", control::LEVEL1_Click, false, checkIndex(MenuCheck::LEVEL1)},
    {"LEVEL2", "LEVEL2", "LEVEL", control::LEVEL2_Click, false, checkIndex(MenuCheck::LEVEL2)},
    {"LEVEL3", "LEVEL3", "LEVEL", control::LEVEL3_Click, false, checkIndex(MenuCheck::LEVEL3)},
    {"LEVEL4", "LEVEL4", "LEVEL", control::LEVEL4_Click, false, checkIndex(MenuCheck::LEVEL4)},
    {"LEVEL5", "LEVEL5", "LEVEL", control::LEVEL5_Click, false, checkIndex(MenuCheck::LEVEL5)},
    {"LEVEL6", "LEVEL6", "LEVEL", control::LEVEL6_Click, false, checkIndex(MenuCheck::LEVEL6)},
    {"LEVEL7", "LEVEL7", "LEVEL", control::LEVEL7_Click, false, checkIndex(MenuCheck::LEVEL7)},
    {"LEVEL8", "LEVEL8", "LEVEL", control::LEVEL8_Click, false, checkIndex(MenuCheck::LEVEL8)},
    {"OWARI", "終わり", "TAIKYOKU", control::OWARI_Click, false, kNoCheck},
    {"STOP", "局面", "", control::STOP_Click, true, kNoCheck},
    {"CANCEL", "最初", "STOP", control::CANCEL_Click, false, kNoCheck},
    {"REVERSE", "反転", "STOP", control::REVERSE_Click, false, kNoCheck},
    {"REPLAY", "戻", "", control::REPLAY_Click, false, kNoCheck},
    {"AFTER", "進", "", control::AFTER_Click, false, kNoCheck},
    {"KIFU", "棋譜", "", nullptr, true, kNoCheck},
    {"KIFU_READ", "読込", "KIFU", control::KIFU_READ_Click, false, kNoCheck},
    {"KIFU_WRITE", "書込", "KIFU", control::KIFU_WRITE_Click, false, kNoCheck},
    {"OPTION", "ｵﾌﾟｼｮﾝ", "", control::OPTION_Click, true, kNoCheck},
    {"SIDOU", "移動指導", "OPTION", control::SIDOU_Click, false, checkIndex(MenuCheck::SIDOU)},
    {"BGM", "BGM", "OPTION", control::BGM_Click, false, checkIndex(MenuCheck::BGM)},
    {"VER", "その他", "", control::VER_Click, false, kNoCheck},
};

// The view's size at the first start: the whole surface at its natural size.
constexpr QSize kFirstViewSize(static_cast<int>(kSurfacePixels.width()) + 1,
                               static_cast<int>(kSurfacePixels.height()) + 1);

}  // namespace

MainWindow::MainWindow(sound::SoundLayer& sound, WindowServices services)
    : sound_(sound), services_(std::move(services)) {
    setWindowTitle(kCaption);
    view_ = new SurfaceView(surface_, this);  // the window owns its central widget
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
                                    handle([&path](control::Game& g) { control::File1_Click(g, path); });
                                },
                                [this] { handle(control::Command1_Click); },
                                [this] {
                                    messageBox("ﾃﾞﾊﾞｲｽが準備できていません", "ｴﾗｰ", control::Buttons::Ok,
                                               control::Icon::None);
                                }});
    view_->onPlacementChanged([this](const SurfacePlacement& p) { panel_->place(p); });
    // The keyboard's Enter on the cursor's square is a press like the mouse's.
    const auto press = [this](int button, QPointF twips) {
        if (game_.state.quitRequested) return;
        if (services_.pressWatcher) services_.pressWatcher(button, twips.x(), twips.y());
        handle([&](control::Game& g) { control::Form_MouseDown(g, button, twips.x(), twips.y()); });
    };
    view_->onPress(press);
    buildMenus();
    teaching_ = std::make_unique<TeachingLayers>(*this);
    beside_->addToMenus(*menuBar());
    cursor_ = std::make_unique<BoardCursor>(*view_, press);
    view_->addLayer([this](QPainter& p, const SurfacePlacement& place) { cursor_->paint(p, place); });
    access_ = new BoardAccess(*view_, game_, *cursor_);
    cursor_->onMoved([this] { access_->cursorMoved(); });
    new WindowLanguage(*this);  // the window owns it; after every menu item is made
    setTabOrder(view_, &beside_->panel());
    // The window keeps the keys (and the board shows no cursor) until Tab
    // gives the board or the panel the focus.
    setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
    std::map<std::string, QMenu*> menus;
    for (const MenuEntry& e : kMenuBar) {
        QMenu* parent = *e.under ? menus.at(e.under) : nullptr;
        const Command command = e.command;
        QAction* action = nullptr;
        if (e.submenu) {
            QMenu* menu = parent ? parent->addMenu(e.caption) : menuBar()->addMenu(e.caption);
            menu->setObjectName(e.name);
            menus[e.name] = menu;
            action = menu->menuAction();
            if (command) connect(menu, &QMenu::aboutToShow, this, [this, command] { handle(command); });
        } else {
            action = parent ? parent->addAction(e.caption) : menuBar()->addAction(e.caption);
            const int check = e.check;
            if (check != kNoCheck) {
                action->setCheckable(true);
                checkItems_[static_cast<std::size_t>(check)] = action;
            }
            connect(action, &QAction::triggered, this, [this, action, command, check] {
                // The game alone decides the marks: undo the toggle the menu made itself.
                if (check != kNoCheck) action->setChecked(checks_[static_cast<std::size_t>(check)]);
                handle(command);
            });
        }
        action->setObjectName(e.name);
    }
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
    busy_ = false;
    beside_->eventEnded();
    access_->follow();
}

void MainWindow::start() {
    handle(control::Form_Load);
    placeAtFirstStart();
}

void MainWindow::placeAtFirstStart() {
    // The whole surface at its natural size below the menu bar, the frame's
    // corner 60 twips (4 pixels) up and left of the screen's usable area.
    resize(kFirstViewSize.width() + SidePanel::kWidth,
           kFirstViewSize.height() + menuBar()->sizeHint().height());
    if (const QScreen* s = screen()) move(s->availableGeometry().topLeft() - QPoint(4, 4));
}

void MainWindow::keyPressEvent(QKeyEvent* e) {
    // The menus without a mouse: F10 opens the first, the arrows go on from there.
    if (e->key() == Qt::Key_F10 && !menuBar()->actions().isEmpty()) {
        menuBar()->setActiveAction(menuBar()->actions().front());
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        handle([](control::Game& g) { control::Form_KeyPress(g, control::kEscKey); });
        return;
    }
    const QString text = e->text();
    if (text.size() == 1 && text[0].unicode() < 128) {
        const int code = text[0].unicode();
        handle([code](control::Game& g) { control::Form_KeyPress(g, code); });
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

void MainWindow::drawImage(control::ImageRef image, double x, double y) {
    DrawOp op;
    op.kind = DrawOp::Kind::Image;
    op.image = image;
    op.at = QPointF(x, y);
    op.area = image.name == control::Image::TITLE
                  ? QRectF(cellToTwips(x, y), QSizeF(kTitleWidth, kTitleHeight))
                  : cellRect(x, y);
    surface_.add(std::move(op));
    view_->update();
}

void MainWindow::printText(double x, double y, std::string_view text, control::TextStyle style) {
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.at = QPointF(x, y);
    op.text = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    op.style = style;
    op.colour = style.colour;
    op.area = textArea(cellToTwips(x, y), op.text, style);
    op.english = englishMoveText(game_.record, x, y, style.size, text);
    if (!op.english) op.english = englishMoveNumber(game_.state.moveNumber, x, y, style.size, text);
    if (op.english && !op.english->text.isEmpty())
        op.area = op.area.united(
            textArea(cellToTwips(op.english->at.x(), op.english->at.y()), op.english->text, style));
    beside_->noticeText(text);
    surface_.add(std::move(op));
    view_->update();
}

void MainWindow::refresh() {
    beside_->follow();
    view_->update();
}

// ---- message boxes, sound, waiting ----

control::Answer MainWindow::messageBox(std::string_view text, std::string_view title,
                                       control::Buttons buttons, control::Icon icon) {
    // The core speaks Japanese; the player reads the language chosen.
    const BoxRequest request{messageText(text), messageText(title), buttons, icon};
    if (!services_.answer)
        return buttons == control::Buttons::YesNo ? control::Answer::Yes : control::Answer::Ok;
    return services_.answer(this, request);
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
    if (length <= 0) return;
    // Measured on the monotonic clock, so the wait is never shorter than asked
    // (a timer may fire a little early: then it is started again for the rest).
    const auto total = static_cast<qint64>(std::ceil(length * 1e9));
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    for (qint64 left = total; left > 0; left = total - clock.nsecsElapsed()) {
        timer.start(static_cast<int>((left + 999'999) / 1'000'000));
        // Repaints go on; the player's input waits until the pause is over.
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
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

void MainWindow::setMenuChecked(control::MenuCheck item, bool checked) {
    const auto i = static_cast<std::size_t>(item);
    checks_[i] = checked;
    if (checkItems_[i]) checkItems_[i]->setChecked(checked);
}

void MainWindow::quit() {
    if (services_.quit) services_.quit();
}

}  // namespace app

#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/board/drawing_surface.h"
#include "app/board/piece_sets.h"
#include "app/files/file_panel.h"
#include "app/panel/game_clocks.h"
#include "app/window/menu_bar.h"
#include "app/window/message_boxes.h"
#include "app/window/pause.h"
#include "record/kept_game.h"
#include "state/game.h"
#include "state/window_port.h"

class QAction;
class QLabel;

namespace sound {
class SoundLayer;
}

namespace statistics {
class PlayerRecord;
}

namespace app {

class BesideBoard;
class BoardAccess;
class BoardCursor;
class ExchangeCommands;
class GameKeeper;
class GameReview;
class HowToPlay;
class PanelNotices;
class PanelFit;
class PlayerSettings;
class SurfaceView;
class TeachingLayers;
class WindowMenus;

// What whoever creates the window decides: how message boxes are answered,
// how long waits really last, and what ending the program does. The game
// passes real message boxes, a factor of 1 and "end the process"; tests pass a
// script, 0 and a recorder.
struct WindowServices {
    BoxAnswerer answer;
    double waitFactor = 1.0;
    std::function<void()> quit;
    // Told of every mouse press handed to the game (button, twips); may be empty.
    std::function<void(int button, double x, double y)> pressWatcher;
    // Told of every file chosen in the file list; may be empty.
    std::function<void(const std::string& path)> fileWatcher;
    // Asks where to save a board image (empty: not saved); empty for the file dialog.
    std::function<QString(QWidget* parent, const QString& suggested)> imagePath;
    // Asks which KIF file to write (saving) or read; empty for the file dialog.
    std::function<QString(QWidget* parent, bool saving, const QString& suggested)> filePath;
    // Where the player's games and settings are kept, owned by whoever
    // creates the window; null keeps and remembers nothing.
    GameKeeper* keeper = nullptr;
    PlayerSettings* settings = nullptr;
    // The library of the player's games and ratings; null keeps none.
    statistics::PlayerRecord* player = nullptr;
};

// The caption of the main window.
inline constexpr const char* kCaption = " QXぬえどり王";

// The game's main window: owns the game object and is its window port. It
// assembles the board's view and layers, the side panel, the menus, the
// file panel, the review and the clocks, and wires them to the game: the
// game's drawing goes to the surface, its boxes to MessageBoxes, its pauses
// to Pause, its sounds to the sound layer, its facts to what shows them.
class MainWindow : public QMainWindow, public state::WindowPort {
public:
    using Command = std::function<void(state::Game&)>;

    MainWindow(sound::SoundLayer& sound, WindowServices services);
    ~MainWindow() override;

    state::Game& game() { return game_; }
    const DrawingSurface& drawingSurface() const { return surface_; }
    SurfaceView* view() const { return view_; }
    BesideBoard& besideBoard() { return *beside_; }
    FilePanel& filePanel() { return *panel_; }
    TeachingLayers& teaching() { return *teaching_; }
    BoardCursor& cursor() { return *cursor_; }
    GameReview& review() { return *review_; }
    MessageBoxes& boxes() { return boxes_; }
    ExchangeCommands& exchange() { return *exchange_; }

    // Start-up: the game's own steps (sound, state, position, first drawing),
    // then the window takes its place and size, the player's settings are
    // applied and a kept game goes on. Call once, before show().
    void start();

    // A termination signal: the program ends the normal way, the game kept.
    // An event under way (a box open, a pause) is cut short first: its boxes
    // answer No or OK unasked.
    void leave();

    // The menu item of a control name (START, LEVEL2, VER ...), or null.
    QAction* menuItem(const QString& controlName) const;

    // Every caption and label of the window in the language chosen now.
    void retranslate();

    // The labels' facts the game told last, and how its last game ended.
    const state::GameFacts& gameFacts() const { return facts_; }
    state::Outcome lastOutcome() const { return outcome_; }

    // Runs one event of the game as a menu item would.
    void run(const Command& command) { handle(command); }

    // The pieces' faces (ｵﾌﾟｼｮﾝ → 駒); the menu's marks follow.
    PieceSet pieceSet() const;
    void setPieceSet(PieceSet set);
    // The side panel, shown or hidden by the player (ｵﾌﾟｼｮﾝ → サイドパネル, F9).
    bool sidePanelShown() const;
    void setSidePanelShown(bool shown);
    // 局面 → 画像で保存: asks where, then writes the board as PNG or SVG.
    void saveImage();
    // その他 → 遊び方.
    void showHowToPlay();
    // The status line's text now (empty while there is nothing to say).
    QString statusText() const;

    // state::WindowPort
    void outlineCell(int colour, int x, int y) override { draw(outlineCall(colour, x, y)); }
    void fillRect(double x, double y, int w, int h, int colour) override {
        draw(fillCall(x, y, w, h, colour));
    }
    void drawImage(state::ImageRef image, double x, double y) override { draw(imageCall(image, x, y)); }
    void printText(double x, double y, const state::SurfaceText& t, state::TextStyle s) override {
        draw(textCall(x, y, t, s));
    }
    void refresh() override;
    state::Answer messageBox(const state::Message& text, state::Text title, state::Buttons buttons,
                             state::Icon icon) override {
        return boxes_.ask(text, title, buttons, icon);
    }
    void thinking(bool on) override;
    void gameFacts(const state::GameFacts& facts) override { facts_ = facts; }
    void gameOver(state::Outcome o) override;
    void moveCompleted() override;
    void gameBegins() override;
    void optionsReset() override;
    void soundStartup() override;
    int loadSound(std::string_view fileName, int flags) override;
    void playSound(int handle) override;
    void loopSound(int handle) override;
    void stopSound(int handle) override;
    void freeSound(int handle) override;
    void soundShutdown() override;
    void wait(double seconds) override;
    void setListsVisible(bool drive, bool folder, bool files) override {
        panel_->setListsVisible(drive, folder, files);
    }
    void setNameRowVisible(bool visible) override { panel_->setNameRowVisible(visible); }
    void clearNameBox() override { panel_->clearNameBox(); }
    std::string nameBoxText() override { return panel_->nameBoxText().toStdString(); }
    std::string fileListFolder() override { return panel_->fileListFolder().toStdString(); }
    void refreshFileList() override { panel_->refreshFileList(); }
    void setMenuChecked(state::MenuCheck item, bool checked) override;
    void quit() override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void draw(DrawOp op);
    void runWindowCommand(WindowCommand command);
    bool windowMark(WindowCommand command) const;
    void followStatus();
    void placeAtFirstStart();
    // The player's remembered level and options on the game; at start-up
    // the window's own options too (a load's reset takes only the game's).
    void applyOptions(bool atStart);
    void rememberOptions();
    void resume(const record::KeptGame& kept);
    // Runs one event of the game to its end, unless the program is ending.
    void handle(const Command& command);
    // The clock after an event: the side to move's time runs; a loaded
    // record has none.
    void followClock();
    // Between events, ten times a second: a side out of time loses.
    void clockTicked();
    void chooseTimeControl();
    // Opens a record file as 読込 does, and remembers it as the record on the board.
    void openRecord(const QString& path);
    void showStatistics();
    // Against the computer: the adaptive level, and the level suggested in the panel.
    void levelForNewGame();

    DrawingSurface surface_;
    state::Game game_{*this};
    sound::SoundLayer& sound_;
    WindowServices services_;
    MessageBoxes boxes_;
    Pause pause_;
    SurfaceView* view_ = nullptr;
    std::unique_ptr<FilePanel> panel_;
    std::unique_ptr<TeachingLayers> teaching_;  // the learner's layers over the view
    std::unique_ptr<BesideBoard> beside_;
    std::unique_ptr<BoardCursor> cursor_;  // the keyboard's square on the board
    BoardAccess* access_ = nullptr;        // the board to a screen reader, owned by the view
    WindowMenus* menus_ = nullptr;         // owned by the window
    PanelNotices* notices_ = nullptr;      // owned by the window
    state::GameFacts facts_;
    state::Outcome outcome_;
    bool busy_ = false;
    bool leaving_ = false;                // a termination signal came during an event
    PanelFit* fit_ = nullptr;             // owned by the window
    QLabel* status_ = nullptr;            // in the status line, which owns it
    HowToPlay* howToPlay_ = nullptr;      // owned by the window, made when first asked for
    std::unique_ptr<GameReview> review_;  // 棋譜 → 検討; ends its worker first
    std::unique_ptr<GameClocks> clocks_;  // the clock lent to the game, and its lines
    ClockChoice clockChoice_{};           // 持ち時間: the next game's time controls
    QString recordFile_;                  // the file of the record on the board, if any
    bool adaptive_ = false;               // COM対局ﾚﾍﾞﾙ → 自動

    // Positions and games as text: the clipboard, KIF and the board editor; owned by the window.
    ExchangeCommands* exchange_ = nullptr;
};

}  // namespace app

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
#include "app/window/game_port.h"
#include "app/window/menu_bar.h"
#include "app/window/message_boxes.h"
#include "app/window/pause.h"
#include "app/window/player_games.h"
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

// The game's main window: owns the game object, assembles the board's view
// and layers, the side panel, the menus, the file panel, the review, the
// clocks and the player's games, and wires them to the game through its
// port (GamePort) and its events (one at a time, handle()).
class MainWindow : public QMainWindow {
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
    const state::GameFacts& gameFacts() const { return port_.labels(); }
    state::Outcome lastOutcome() const { return outcome_; }

    // Runs one event of the game as a menu item would.
    void run(const Command& command) { handle(command); }

    // The pieces' faces (ｵﾌﾟｼｮﾝ → 駒); the menu's marks follow.
    PieceSet pieceSet() const;
    void setPieceSet(PieceSet set);
    // The side panel, shown or hidden by the player (ｵﾌﾟｼｮﾝ → サイドパネル, F9).
    bool sidePanelShown() const;
    void setSidePanelShown(bool shown);
    // その他 → 遊び方.
    void showHowToPlay();
    // The status line's text now (empty while there is nothing to say).
    QString statusText() const;

    // The game's window port, and what the window keeps of the player's games.
    GamePort& port() { return port_; }
    const WindowServices& services() const { return services_; }
    PlayerGames& playerGames() { return *games_; }
    PanelNotices& notices() { return *notices_; }
    GameClocks& clocks() { return *clocks_; }
    // The side panel's width to the window's size now.
    void fitPanel();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void build();
    void followStatus();
    void rememberOptions();
    void resume(const record::KeptGame& kept);
    // Runs one event of the game to its end, unless the program is ending.
    void handle(const Command& command);
    // Between events, ten times a second: a side out of time loses.
    void clockTicked();
    // The game's facts as the port tells them.
    void gameOver(state::Outcome o);
    void gameBegins();
    void moveCompleted();
    void quit();

    DrawingSurface surface_;
    sound::SoundLayer& sound_;
    WindowServices services_;
    MessageBoxes boxes_;
    Pause pause_;
    GamePort port_;
    state::Game game_{port_};
    SurfaceView* view_ = nullptr;
    std::unique_ptr<FilePanel> panel_;
    std::unique_ptr<TeachingLayers> teaching_;  // the learner's layers over the view
    std::unique_ptr<BesideBoard> beside_;
    std::unique_ptr<BoardCursor> cursor_;  // the keyboard's square on the board
    BoardAccess* access_ = nullptr;        // the board to a screen reader, owned by the view
    WindowMenus* menus_ = nullptr;         // owned by the window
    PanelNotices* notices_ = nullptr;      // owned by the window
    state::Outcome outcome_;
    bool busy_ = false;
    bool leaving_ = false;                // a termination signal came during an event
    PanelFit* fit_ = nullptr;             // owned by the window
    QLabel* status_ = nullptr;            // in the status line, which owns it
    HowToPlay* howToPlay_ = nullptr;      // owned by the window, made when first asked for
    std::unique_ptr<GameReview> review_;  // 棋譜 → 検討; ends its worker first
    std::unique_ptr<GameClocks> clocks_;  // the clock lent to the game, and its lines
    std::unique_ptr<PlayerGames> games_;
    ExchangeCommands* exchange_ = nullptr;  // positions and games as text; owned by the window
};

}  // namespace app

#pragma once

#include <QPoint>
#include <QString>

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/board/surface_view.h"
#include "app/window/main_window.h"
#include "sound/sound_layer.h"
#include "state/game.h"

class QListWidget;

namespace testing_support {

// A message box as the player met it: its text, title and buttons, whether
// the refusal sound was sounding as it opened, and the answer given.
struct SeenBox {
    std::string text;
    std::string title;
    state::Buttons buttons = state::Buttons::Ok;
    bool refusalSound = false;
    state::Answer answer = state::Answer::Ok;
};

// The real main window played through its own event path: mouse presses on
// the view at a square's pointer position, menu items triggered, the file
// panel's own widgets clicked and typed into. Message boxes are answered
// from a script, then by `fallback` (by default with their first button);
// waits last no time; quitting is counted instead of ending the process.
class PlayWindow {
public:
    using Answerer = std::function<state::Answer(const app::BoxRequest&)>;

    // With a keeper and settings the window keeps the game and remembers
    // the player as the game does, in the folders they name.
    explicit PlayWindow(Answerer fallback = {}, app::GameKeeper* keeper = nullptr,
                        app::PlayerSettings* settings = nullptr);

    std::vector<SeenBox> boxes;
    std::deque<state::Answer> script;
    Answerer fallback;
    // Told of every box as it opens, before it is answered: the game stands
    // as it was at that moment.
    std::function<void(const SeenBox&)> onBox;
    int quits = 0;
    int presses = 0;         // presses the window handed to the game
    std::string chosenFile;  // the last file clicked in the file list, as the game was given it
    QString filePath;        // the answer to KIF で書き出す's and KIF で読み込む's question
    sound::SoundLayer sound;
    app::MainWindow window;

    state::Game& game() { return window.game(); }

    // Start-up as the game does it, then the window on screen.
    void start();

    // A press and release of a mouse button at the middle of a board square
    // (columns and rows 0 and 10 lie just off the board).
    void click(int x, int y, Qt::MouseButton button = Qt::LeftButton);
    // The same at a point of the surface in twips.
    void clickTwips(double x, double y, Qt::MouseButton button = Qt::LeftButton);
    // The same at a pixel of the view, whatever covers it there.
    void clickView(QPoint pixel, Qt::MouseButton button = Qt::LeftButton);
    // Two clicks at one square as the system sends a double click: press,
    // release, press, double click, release.
    void doubleClick(int x, int y, Qt::MouseButton button = Qt::LeftButton);

    // Chooses a menu item as the player does.
    void choose(const char* controlName);
    // Opens a menu of the bar (TAIKYOKU, STOP, OPTION, KIFU) and closes it.
    void openMenu(const char* controlName);

    // The file panel's widgets, once a record command has made them.
    template <typename T>
    T* panel(const char* objectName) const {
        return window.view()->findChild<T*>(objectName);
    }
    bool panelShows(const char* objectName) const;
    // Types into the name box and presses RETURN with the mouse.
    void saveAs(const QString& name);
    // Clicks the record of that name in the file list; false when it is not listed.
    bool clickFile(const QString& name);
    QStringList listedFiles() const;

    // The boxes met so far, as "text|title", with "|禁止" when the refusal
    // sound was sounding as the box opened.
    std::vector<std::string> messages() const;
    // Forgets the boxes met and silences the refusal sound, so the next
    // action's boxes and sounds stand alone.
    void forget();

private:
    state::Answer answer(const app::BoxRequest& request);
    void silence();
};

// A fresh folder that is the working folder while it lives: the file panel
// opens on the working folder, so a window made meanwhile shows its records.
struct WorkingFolder {
    WorkingFolder();
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;
    std::string path;
    std::string previous;
    // Writes a file of these bytes in the folder.
    void write(const std::string& name, std::string_view bytes) const;
    std::string read(const std::string& name) const;
};

// ---- Positions, computed here from the rules as a player knows them ----

// Sets up a board from nine rows of nine codes, row 1 first ("." for empty).
state::Board boardFrom(std::string_view diagram);
// The human's Nue King at the bottom and the computer's army at the top.
state::Board humanFirstPosition();
// The computer's Nue King at the top and the human's army at the bottom.
state::Board computerFirstPosition();
// The board turned half about, every piece changing owner.
state::Board halfTurn(const state::Board& b);
// Entries 1..upto of the record played on `start`: each empties its source
// and puts its placed piece on its destination.
state::Board replayed(state::Board start, const state::MoveRecord& r, int upto);
// Empty when every square holds a piece code or nothing and neither side has
// more than one royal piece; otherwise what is wrong.
std::string boardProblem(const state::Board& b);
// Empty when the board is sound, the record's counter and end lie in
// 0..500 and entries 1..counter played on `start` give the board.
std::string gameProblem(const state::Game& g, const state::Board& start);

struct Move {
    int fromX, fromY, toX, toY;
};

// Every move of the side's pieces (+1 upper, -1 lower) the move check allows
// on the game's board, in column then row order of the piece, then of the
// destination. Asked between events, never during one.
std::vector<Move> legalMoves(state::Game& g, int side);

}  // namespace testing_support

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <string>

#include "app/window/menu_bar.h"
#include "record/exchange.h"
#include "record/kif_format.h"

class QWidget;

namespace app {

class BoardEditor;
class MainWindow;
class PositionChoice;

// Asks which file to write (saving) or read, offering a name; empty: none.
using FilePathAsker = std::function<QString(QWidget* parent, bool saving, const QString& suggested)>;

// Positions and games as text in the window: the position text and KIF on
// the clipboard (局面 → 局面をコピー, 局面を貼り付け; 棋譜 → 棋譜をコピー,
// 棋譜を貼り付け), KIF files (棋譜 → KIF で書き出す, KIF で読み込む, and
// through the file panel by a name ending in .kifu or .kif), and the board
// editor (局面 → 局面編集). The main window creates it and hands it its
// commands; everything it does to the game goes through the window's events
// and game control.
//
// A game read from KIF is set up as a loaded record file is. A position
// (pasted, a KIF without moves, or left by the editor) is first checked, then
// put on the board with no game, and a dialog offers what to do with it.
// Anything refused is told in one box and changes nothing.
class ExchangeCommands : public QObject {
public:
    // `filePath` empty: the file dialog asks.
    ExchangeCommands(MainWindow& window, FilePathAsker filePath);

    // Runs one of its window commands; false for any other command.
    bool run(WindowCommand command);

    // The file panel: a file chosen in the list, and RETURN. True when the
    // name was KIF's and it was done here; false leaves it to the game.
    bool fileChosen(const std::string& path);
    bool returnPressed();

    // The position of the game on the board as a position text holds it.
    record::TextPosition positionNow() const;
    // The game on the board as KIF: what game control knows of it, with how
    // it ended, the review's comments and what a KIF it came from said.
    record::KifGame gameNow() const;

    // The dialogs while they are open (null otherwise).
    BoardEditor* editor() const;
    PositionChoice* choice() const;

private:
    void copyPosition();
    void paste(bool gamesToo);
    void copyGame();
    void exportKif();
    void importKif();
    void editPosition();
    // A KIF read: a game is loaded, a position put on the board.
    void open(const record::KifRead& read, const QString& where);
    // A position checked, then put on the board with no game, and the choice offered.
    void place(const record::TextPosition& p);
    void offerChoice();
    QString study();
    // Writes the game as KIF, in Shift_JIS for a name ending in .kif; what went wrong, if anything.
    std::optional<QString> writeKif(const QString& path) const;
    QString askPath(bool saving, const QString& suggested);
    int sideWithoutGame() const;

    MainWindow& window_;
    FilePathAsker filePath_;
    std::optional<record::TextPosition> placed_;  // the position last put on the board
    std::optional<record::KifGame> loaded_;       // the game last read from KIF
    QPointer<BoardEditor> editor_;
    QPointer<PositionChoice> choice_;
};

}  // namespace app

#pragma once

#include <QObject>
#include <QString>

#include <array>

#include "state/game.h"

namespace app {

class BoardCursor;
class SurfaceView;

// What a screen reader hears of the board: the view is a table named 盤
// whose value is the last move as the move list writes it (its description
// the same move in words: "先手 ５八 ５七 鵺王"), and whose 81
// cells are the squares, each named by its square and what stands there
// (例: "５九 鵺王 手前", "５五 空き"), in rows from the top, each row from
// the left; the cursor's square is the focused cell while the board has the
// keys. The file panel's controls on the view stay its children before them.
class BoardAccess : public QObject {
public:
    BoardAccess(SurfaceView& view, const state::Game& game, const BoardCursor& cursor);

    SurfaceView& view() const { return view_; }
    const BoardCursor& cursor() const { return cursor_; }
    // The square's spoken name as the board stands now.
    QString squareName(int column, int row) const;
    // The last move's line of the move list, or empty at the start.
    QString lastMove() const;
    // The same move as a screen reader says it.
    QString lastMoveSpoken() const;

    // Tells a listening screen reader of the squares whose names changed
    // and of the board's new value; call after each event of the game.
    void follow();
    // Tells it the cursor's square is the focused one.
    void cursorMoved();

private:
    SurfaceView& view_;
    const state::Game& game_;
    const BoardCursor& cursor_;
    std::array<QString, 81> told_;  // the names a screen reader was last told
    QString toldMove_;
};

// A square's place among the board's cells (0..80) and back.
inline int cellIndex(int column, int row) { return (row - 1) * 9 + (column - 1); }

}  // namespace app

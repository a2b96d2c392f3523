#pragma once

#include <QPointF>
#include <QString>

#include <optional>
#include <string_view>

#include "state/move_record.h"

namespace app {

// The board prints each side's last move as three texts, the column, the
// row and the piece (７ 六 歩), each over its shadow. In English the three
// read as one move in Western notation (P-7f), printed from the column's
// place; the column and the row then print nothing.
struct EnglishMoveText {
    QString text;  // empty: this part prints nothing in English
    QPointF at;
};

// What a text printed at (x, y) in the given size prints in English when it
// is a part of the move text of the record's current move, or nothing when
// it is not (any other text keeps its own translation).
std::optional<EnglishMoveText> englishMoveText(const rules::MoveRecord& r, double x, double y, int size,
                                               std::string_view printed);

// The move counter beside the board prints the number, then 手目 to its
// right (2 手目). In English the number prints nothing and the label reads
// "Move 2" in its place.
std::optional<EnglishMoveText> englishMoveNumber(int moveNumber, double x, double y, int size,
                                                 std::string_view printed);

}  // namespace app

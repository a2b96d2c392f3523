#pragma once

// Records as the game keeps them in its games folder, for the library's tests.
#include <QDir>
#include <QFile>
#include <QString>

#include <vector>

#include "record/kifu_format.h"

namespace library_test {

using record::記録行;

// From the human-first position: the Nue King's two steps, a pawn, a jump,
// a pawn, a step before the pawn on (5, 3), which takes it (the upper side wins).
inline const std::vector<state::Move> kNueKingTaken = {
    記録行(5, 9, 5, 8, -14, -14, 0), 記録行(5, 8, 5, 7, -14, -14, 0), 記録行(1, 3, 1, 4, 1, 1, 0),
    記録行(5, 7, 5, 5, -14, -14, 0), 記録行(1, 4, 1, 5, 1, 1, 0),     記録行(5, 5, 5, 4, -14, -14, 0),
    記録行(5, 3, 5, 4, 1, 1, -14),
};
// The same game left before its last move: over, the upper side gave up.
inline const std::vector<state::Move> kUpperGaveUp(kNueKingTaken.begin(), kNueKingTaken.end() - 1);

// Writes a record into `folder` under `name`, as the game names them.
inline QString writeRecord(const QString& folder, const QString& name, const char* first, const char* second,
                           const std::vector<state::Move>& entries) {
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(name);
    record::saveKifu(record::Kifu{{"2024/05/01 09:05:03", first, second}, entries}, path.toStdString());
    return path;
}

}  // namespace library_test

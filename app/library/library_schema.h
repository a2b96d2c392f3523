#pragma once

#include <QSqlDatabase>
#include <QString>

#include <optional>
#include <vector>

#include "app/library/game_row.h"
#include "rating/level_choice.h"

namespace library {

// The database's tables, and the rows read and written, for the library.
//
//   meta(key, value)   version 1; the adaptive level of each side
//   games(id, finished, kind, level, human_side, result, reason, moves,
//         record_file, clock, accuracy, inaccuracies, mistakes, blunders,
//         rating, deviation, volatility)
//
// finished is ISO 8601 local time (2024-05-01T09:05:03); level, the review's
// figures and the rating are NULL where they are none.

// Makes the tables in an empty database, or checks those there: true when
// the database reads whole and is of this version.
bool schemaReady(QSqlDatabase& db);

// Renames the database and its journal files out of the way, as every
// damaged file of the game is set aside: the new name, or empty when it
// could not be moved.
QString setAsideDatabase(const QString& file);

bool writeMeta(QSqlDatabase& db, const QString& key, const QString& value);
QString readMeta(const QSqlDatabase& db, const QString& key);
// "LEVEL RUN"
QString adaptiveText(const rating::AdaptiveLevel& a);
rating::AdaptiveLevel adaptiveNamed(const QString& text);

// A null QString is bound as NULL; a text column that must hold one takes "".
QString textOf(const QString& s);

bool insertGame(QSqlDatabase& db, const GameRow& row);
std::optional<GameRow> gameNamed(const QSqlDatabase& db, const QString& recordFile);
std::vector<GameRow> allGames(const QSqlDatabase& db);

}  // namespace library

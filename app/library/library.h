#pragma once

#include <QSqlDatabase>
#include <QString>

#include <array>
#include <optional>
#include <vector>

#include "app/library/game_row.h"
#include "rating/level_choice.h"

namespace library {

// What the statistics show, read in one go.
struct RatingPoint {
    QDateTime when;
    double rating = 0, deviation = 0;
};
struct ReviewPoint {
    QDateTime when;
    double accuracy = 0;
    int blunders = 0;
};
struct LevelResults {
    int wins = 0, losses = 0, draws = 0;
};
struct Statistics {
    std::array<std::vector<RatingPoint>, 2>
        ratings;  // [rating::Side]: the player's rating after each rated game
    std::array<std::array<LevelResults, 2>, rating::kLastLevel> byLevel;  // [level - 1][rating::Side]
    std::vector<ReviewPoint> reviews;                                     // reviewed games, oldest first
    std::vector<GameRow> games;                                           // every game, oldest first
};

// The library of every game in the games folder: library.sqlite in the
// game's data folder, table `games` (one row a record file), through Qt SQL
// and SQLite. The record file is always written first: the library never
// keeps a game from being kept, and a game it could not write is read from
// its file at the next start. Every write is one transaction.
//
// At opening it reads into the table every record of the games folder it
// does not hold yet (all of them the first time), oldest first, rating the
// games against the computer as it goes. A database it cannot read, or of a
// later version, is set aside (renamed to library.sqlite.damaged-<date>-
// <time>, never removed) and built again from the games folder; the reviews'
// figures, which only the database held, are then lost.
//
// The player's rating for each side is that of the last rated game of that
// side (rating::kFirstRating before any); the adaptive level of each side is
// kept in the database beside it.
class Library {
public:
    // The database's place in the data folder.
    static QString fileIn(const QString& dataFolder);

    // Opens (or makes) the database at `databaseFile` over the games folder.
    Library(const QString& databaseFile, const QString& gamesFolder);
    ~Library();
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    bool isOpen() const { return open_; }
    // The new name of a damaged database set aside at opening, if any.
    QString setAside() const { return setAside_; }
    // A sentence on the first thing that failed, once; empty otherwise.
    QString takeProblem();

    // A game kept in the games folder: its row, and for a rated game the
    // player's new rating for its side (the level's published rating for the
    // other side as the opponent's). `adaptive`: the game was played at the
    // adaptive level, which moves by its result. A record file already in
    // the table (read at opening) keeps its row and gains the facts the
    // file does not hold (reason, clock). False when it could not be written.
    bool recordGame(const GameRow& row, bool adaptive = false);
    // A review's figures for the game of that record file; false when the
    // library holds no such game or could not write.
    bool recordReview(const QString& recordFile, const ReviewFigures& figures);

    rating::Rating rating(rating::Side side) const;
    rating::AdaptiveLevel adaptiveLevel(rating::Side side) const;
    Statistics statistics() const;
    std::optional<GameRow> game(const QString& recordFile) const;

private:
    bool openDatabase(const QString& file);
    bool importGames();
    bool insertRow(GameRow row, bool adaptive);
    bool fail(const QString& what);

    QString connection_;
    QString gamesFolder_;
    bool open_ = false;
    QString setAside_;
    QString problem_;
    bool problemTold_ = false;
};

}  // namespace library

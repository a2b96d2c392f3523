#pragma once

#include <QDateTime>
#include <QString>

#include <array>
#include <optional>

#include "rating/glicko2.h"
#include "rating/level_ratings.h"
#include "record/kept_game.h"
#include "record/record_facts.h"

namespace library {

// One row of the library's table `games`: one game kept in the games folder.
// Its words are those the database holds (ASCII, as below).

enum class Kind { Computer, TwoPlayers };  // computer, two-player
enum class HumanSide { Nue, Army, Both };  // nue, army, both
enum class Result { Win, Loss, Draw, Lower, Upper, Unfinished };
// win, loss, draw from the player's side against the computer; lower or
// upper (the winner) or draw between two; unfinished for a game replaced
// while it ran.

// The review's figures of the player's side.
struct ReviewFigures {
    double accuracy = 100;
    int inaccuracies = 0, mistakes = 0, blunders = 0;
    bool operator==(const ReviewFigures&) const = default;
};

struct GameRow {
    qint64 id = 0;  // given by the library
    QDateTime finished;
    Kind kind = Kind::Computer;
    int level = 0;  // the computer's level; 0 between two people
    HumanSide humanSide = HumanSide::Both;
    Result result = Result::Unfinished;
    state::EndReason reason = state::EndReason::None;
    int moves = 0;
    QString recordFile;
    QString clock;  // the player's time control as rules::timeControlName writes it
    std::optional<ReviewFigures> review;
    std::optional<rating::Rating> rating;  // the player's rating after the game, for its side
};

// The words of the database.
QString kindName(Kind k);
QString sideName(HumanSide s);
QString resultName(Result r);
QString reasonName(state::EndReason r);
std::optional<Kind> kindNamed(const QString& word);
std::optional<HumanSide> sideNamed(const QString& word);
std::optional<Result> resultNamed(const QString& word);
state::EndReason reasonNamed(const QString& word);

// The row of a game from its facts: against the computer the player holds
// the side the computer does not, and the result is the player's.
// 例: facts {+1, 3, -1, LowerWins, Capture, 40} give a computer game at level
// 3, the player with the Nue King, a win
GameRow rowOf(const record::RecordFacts& facts, QDateTime finished, QString recordFile, QString clock);

// The time control of a kept game's player (the lower side): "none" without one.
QString clockOf(const record::KeptGame& kept);

// The player's score of a rated game (1, 0.5, 0); none for a game that is
// not rated: between two people, or unfinished.
std::optional<double> scoreOf(const GameRow& row);
// The rating's side of a rated game.
rating::Side sideOf(HumanSide s);

}  // namespace library

// The analysis command line answering scripted sessions line by line: the
// position commands, the maps and mate answers, the computer's search and
// move, and malformed lines that answer one error and change nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "cli/session.h"
#include "cli_lines.h"
#include "positions.h"
#include "rules/initial_position.h"
#include "state/game.h"

namespace {

using cli_lines::valueAt;
using cli_lines::words;
using testing_support::TestGame;

std::vector<std::string> lines(const std::string& answer) {
    std::vector<std::string> out;
    std::istringstream in(answer);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// The "board ..." line of a position, in board order: row 1 first.
std::string boardLine(const state::Board& b) {
    std::string out = "board";
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) (out += ' ') += std::to_string(b(x, y));
    return out;
}

state::Board humanFirst() {
    TestGame t;
    rules::初期設定_先手自(t.game);
    return t.game.board;
}

// "cand X Y TX TY PLACED SCORE": squares 1..9, a code, a score with four decimals.
bool isCandidateLine(const std::string& line) {
    const std::vector<std::string> w = words(line);
    if (w.size() != 7 || w[0] != "cand") return false;
    for (int i = 1; i <= 4; ++i)
        if (w[i].size() != 1 || w[i][0] < '1' || w[i][0] > '9') return false;
    const int placed = std::stoi(w[5]);
    if (placed < 1 || placed > 15 || std::to_string(placed) != w[5]) return false;
    const std::size_t point = w[6].find('.');
    if (point == std::string::npos || w[6].size() - point - 1 != 4) return false;
    char printed[64];
    std::snprintf(printed, sizeof printed, "%.4f", std::stod(w[6]));
    return w[6] == printed;
}

TEST(Session, APositionIsSetShownAndAskedAbout) {
    cli::Session s;
    EXPECT_EQ(s.handle("# a comment"), "");
    EXPECT_EQ(s.handle(""), "");
    EXPECT_EQ(s.handle("   \t  "), "");
    EXPECT_EQ(s.handle("show"), boardLine(state::Board{}) + "\n");  // every square empty at first
    EXPECT_EQ(s.handle("start human"), "ok\n");
    EXPECT_EQ(s.handle("show"), boardLine(humanFirst()) + "\n");
    // The Nue King on (5, 9): every square within two, column by column.
    EXPECT_EQ(s.handle("moves 5 9"), "moves 3,7 3,8 3,9 4,7 4,8 4,9 5,7 5,8 6,7 6,8 6,9 7,7 7,8 7,9\n");
    EXPECT_EQ(s.handle("moves 1 1"), "moves 1,2\n");  // the lance stops before its own pawn
    EXPECT_EQ(s.handle("moves 5 5"), "moves\n");
    EXPECT_EQ(s.handle("\tmoves   2  2 "), "moves 1,2 3,2 4,2 5,2 6,2 7,2\n");  // the rook, up to its bishop
    EXPECT_EQ(s.handle("moves 8 2"), "moves\n");  // the bishop, hemmed in by its own pieces
    // No check on either side; five empty squares around the Nue King.
    EXPECT_EQ(s.handle("mate"), "mate 0 0 5\n");
    std::string noPins = "pins";
    for (int i = 0; i < 81; ++i) noPins += " 0";
    EXPECT_EQ(s.handle("pins"), noPins + " flag 0\n");
    EXPECT_EQ(s.handle("start computer"), "ok\n");
    TestGame t;
    rules::初期設定_先手敵(t.game);
    EXPECT_EQ(s.handle("show"), boardLine(t.game.board) + "\n");
    EXPECT_FALSE(s.finished());
    EXPECT_EQ(s.handle("quit"), "");
    EXPECT_TRUE(s.finished());
}

TEST(Session, MapsAnswerSixteenLinesDescribingTheBoardAlone) {
    cli::Session s;
    s.handle("start human");
    const std::vector<std::string> out = lines(s.handle("maps"));
    const char* const names[] = {"man_count", "man_def",   "man_atk_count", "man_atk",   "man_atk_x",
                                 "man_atk_y", "man_check", "com_count",     "com_atk",   "com_atk_x",
                                 "com_atk_y", "com_def",   "com_def_x",     "com_def_y", "com_check"};
    ASSERT_EQ(out.size(), 16u);
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(words(out[i]).size(), 82u) << names[i];
        EXPECT_EQ(words(out[i]).at(0), names[i]);
    }
    EXPECT_EQ(out[15], "kings 5 9 5 1");
    // The Nue King reaches rows 7..9 of columns 3..7.
    EXPECT_EQ(valueAt(out[0], 3, 7), 1);
    EXPECT_EQ(valueAt(out[0], 5, 9), 0);
    EXPECT_EQ(valueAt(out[0], 2, 9), 0);
    // The rook (2, 2) is defended by the silver (3, 1); the bishop (8, 2) by
    // the silver (7, 1); the knight (8, 1) by nothing; the gold (4, 1) by
    // the king only, which shows its code and writes no square.
    EXPECT_EQ(valueAt(out[11], 2, 2), 5);
    EXPECT_EQ(valueAt(out[12], 2, 2), 3);
    EXPECT_EQ(valueAt(out[13], 2, 2), 1);
    EXPECT_EQ(valueAt(out[11], 8, 2), 5);
    EXPECT_EQ(valueAt(out[12], 8, 2), 7);
    EXPECT_EQ(valueAt(out[11], 8, 1), 999);
    EXPECT_EQ(valueAt(out[12], 8, 1), 0);
    EXPECT_EQ(valueAt(out[11], 4, 1), 15);
    EXPECT_EQ(valueAt(out[12], 4, 1), 0);
    // Nothing attacks anything: 999 values, and squares printed as 0.
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            EXPECT_EQ(valueAt(out[3], x, y), 999);
            EXPECT_EQ(valueAt(out[4], x, y), 0);
            EXPECT_EQ(valueAt(out[8], x, y), 999);
            EXPECT_EQ(valueAt(out[9], x, y), 0);
        }
}

TEST(Session, MapsForgetSquaresAnEarlierBoardLeft) {
    cli::Session s;
    // A computer rook attacks a human pawn: its square is recorded.
    std::string first = "board";
    for (int i = 1; i <= 81; ++i) first += i == 5 ? " 10" : (i == 41 ? " -1" : " 0");
    EXPECT_EQ(s.handle(first), "ok\n");
    std::vector<std::string> out = lines(s.handle("maps"));
    ASSERT_EQ(out.size(), 16u);
    EXPECT_EQ(valueAt(out[8], 5, 5), 17);
    EXPECT_EQ(valueAt(out[9], 5, 5), 5);
    EXPECT_EQ(valueAt(out[10], 5, 5), 1);
    // The rook is gone: the pawn is attacked by nothing.
    std::string second = "board";
    for (int i = 1; i <= 81; ++i) second += i == 41 ? " -1" : " 0";
    EXPECT_EQ(s.handle(second), "ok\n");
    out = lines(s.handle("maps"));
    EXPECT_EQ(valueAt(out[8], 5, 5), 999);
    EXPECT_EQ(valueAt(out[9], 5, 5), 0);
    EXPECT_EQ(valueAt(out[10], 5, 5), 0);
    EXPECT_EQ(out[15], "kings 0 0 0 0");
    // No royal piece: its square reads (0, 0), never in check, and the one
    // square beside it on the board, (1, 1), empty and uncontrolled, counts.
    EXPECT_EQ(s.handle("mate"), "mate 0 0 1\n");
}

TEST(Session, MateAnswersBothSidesAndTheEscapeCount) {
    cli::Session s;
    // The human king on (1, 9) is mated by the protected gold and the rook;
    // it has no escape square. The computer has no king.
    std::string board = "board";
    for (int i = 1; i <= 81; ++i) {
        const int y = (i - 1) / 9 + 1, x = (i - 1) % 9 + 1;
        int v = 0;
        if (x == 1 && y == 7) v = 1;
        if (x == 1 && y == 8) v = 9;
        if (x == 1 && y == 9) v = -15;
        if (x == 4 && y == 9) v = 10;
        (board += ' ') += std::to_string(v);
    }
    ASSERT_EQ(s.handle(board), "ok\n");
    EXPECT_EQ(s.handle("mate"), "mate 1 0 0\n");
    EXPECT_EQ(s.handle("pins"), [] {
        std::string p = "pins";
        for (int i = 1; i <= 81; ++i) p += i == 73 ? " 1" : " 0";  // the king in check from the rook
        return p + " flag 0\n";
    }());
}

TEST(Session, CandidatesListEveryEvaluationAndGoPlaysTheBest) {
    cli::Session s;
    s.handle("start human");
    const std::vector<std::string> out = lines(s.handle("candidates"));
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out.back(), "end " + std::to_string(out.size() - 1));
    for (std::size_t i = 0; i + 1 < out.size(); ++i) EXPECT_TRUE(isCandidateLine(out[i])) << out[i];
    // Any pawn push scores 3.1 here; the one beside the bishop's diagonal 13.1
    // (the opening pattern with the bishop on (8, 2)).
    EXPECT_NE(std::find(out.begin(), out.end(), "cand 3 3 3 4 1 3.1000"), out.end());
    EXPECT_NE(std::find(out.begin(), out.end(), "cand 7 3 7 4 1 13.1000"), out.end());
    EXPECT_EQ(s.handle("show"), boardLine(humanFirst()) + "\n");  // unchanged
    EXPECT_EQ(s.handle("go"), "bestmove 7 3 7 4 1 1 13.1000\n");
    state::Board after = humanFirst();
    after(7, 3) = 0;
    after(7, 4) = 1;
    EXPECT_EQ(s.handle("show"), boardLine(after) + "\n");
    // Turned about: each code c on (x, y) becomes -c on (10 - x, 10 - y).
    EXPECT_EQ(s.handle("reverse"), "ok\n");
    state::Board turned;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) turned(10 - x, 10 - y) = -after(x, y);
    EXPECT_EQ(s.handle("show"), boardLine(turned) + "\n");
}

TEST(Session, GoPlaysASecondNueKingStepAndAnswersNomoveWithoutAMove) {
    cli::Session s;
    ASSERT_EQ(s.handle(cli_lines::twoStepBoard()), "ok\n");
    EXPECT_EQ(s.handle("go"), "bestmove 5 4 5 5 14 14 1000.0000 second 5 4\n");
    const std::vector<std::string> shown = words(s.handle("show"));
    EXPECT_EQ(shown.at((4 - 1) * 9 + 5), "14");
    EXPECT_EQ(shown.at((5 - 1) * 9 + 5), "0");

    std::string stuck = "board";
    for (int i = 1; i <= 81; ++i) stuck += i == 77 ? " 1" : (i == 5 ? " -15" : " 0");  // a pawn on row 9
    ASSERT_EQ(s.handle(stuck), "ok\n");
    EXPECT_EQ(s.handle("go"), "nomove\n");
    EXPECT_EQ(s.handle("candidates"), "end 0\n");
}

TEST(Session, ScoresPrintWithFourDecimals) {
    cli::Session s;
    // Two pawn pushes of 3.1 and a knight with nowhere to go.
    std::string board = "board";
    for (int i = 1; i <= 81; ++i) {
        const int y = (i - 1) / 9 + 1, x = (i - 1) % 9 + 1;
        int v = 0;
        if ((x == 3 || x == 7) && y == 3) v = 1;
        if (x == 5 && y == 9) v = -15;
        (board += ' ') += std::to_string(v);
    }
    ASSERT_EQ(s.handle(board), "ok\n");
    EXPECT_EQ(s.handle("candidates"), "cand 3 3 3 4 1 3.1000\ncand 7 3 7 4 1 3.1000\nend 2\n");
    EXPECT_EQ(s.handle("level 1"), "ok\n");
    // Level 1: only the danger scan acts, and it finds nothing.
    EXPECT_EQ(s.handle("candidates"), "cand 3 3 3 4 1 0.0000\ncand 7 3 7 4 1 0.0000\nend 2\n");
}

TEST(Session, MalformedLinesAnswerOneErrorAndChangeNothing) {
    cli::Session s;
    ASSERT_EQ(s.handle("start human"), "ok\n");
    ASSERT_EQ(s.handle("level 2"), "ok\n");
    std::string tooBig = "board";
    std::string notNumber = "board";
    for (int i = 1; i <= 81; ++i) {
        tooBig += i == 40 ? " 16" : " 0";
        notNumber += i == 40 ? " 1.5" : " 0";
    }
    const std::string bad[] = {
        "frobnicate",
        "QUIT",
        "quit now",
        "show board",
        "level",
        "level 0",
        "level 9",
        "level x",
        "level 2 2",
        "level -1",
        "level +2",
        "moves 5",
        "moves 0 5",
        "moves 5 10",
        "moves a b",
        "moves 5 5 5",
        "start",
        "start nobody",
        "start human 1",
        "board",
        "board 1 2 3",
        tooBig,
        notNumber,
        "maps now",
        "pins 1",
        "mate x",
        "candidates 3",
        "go now",
        "reverse 1",
        "board- 1",
        "level 99999999999999999999",
    };
    const std::string before = s.handle("show");
    for (const std::string& line : bad) {
        const std::vector<std::string> answer = lines(s.handle(line));
        ASSERT_EQ(answer.size(), 1u) << line;
        EXPECT_EQ(answer[0].rfind("error ", 0), 0u) << line << " -> " << answer[0];
        EXPECT_EQ(s.handle("show"), before) << line;
        EXPECT_FALSE(s.finished()) << line;
    }
    // The level stayed 2: a level-2 search still runs the exchange terms, so
    // the rook's capture below scores -11 as at level 2, not 0 as at level 1.
    std::string capture = "board";
    for (int i = 1; i <= 81; ++i) {
        const int y = (i - 1) / 9 + 1, x = (i - 1) % 9 + 1;
        int v = 0;
        if (x == 1 && y == 1) v = 15;
        if (x == 5 && y == 3) v = 10;
        if (x == 9 && y == 5) v = -15;
        if (x == 5 && y == 6) v = -1;
        if (x == 9 && y == 9) v = -3;
        (capture += ' ') += std::to_string(v);
    }
    ASSERT_EQ(s.handle(capture), "ok\n");
    const std::vector<std::string> cands = lines(s.handle("candidates"));
    EXPECT_NE(std::find(cands.begin(), cands.end(), "cand 5 3 5 6 10 -11.0000"), cands.end());
}

}  // namespace

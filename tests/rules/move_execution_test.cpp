#include <gtest/gtest.h>

#include <random>

#include "positions.h"
#include "rules/initial_position.h"
#include "rules/move_check.h"
#include "rules/move_execution.h"

using namespace rules;
using namespace state;
using testing_support::TestGame;
using testing_support::移動チェック;

TEST(Promotion, ZonesForBothSidesArrivingAndLeaving) {
    struct Case {
        int piece, fy, ty, answer, promoted;
    };
    const Case cases[] = {
        {-歩, 4, 3, 有, -と}, {-歩, 5, 4, 無, 0},     {-香, 5, 1, 有, -成香}, {-桂, 5, 3, 有, -成桂},
        {-桂, 6, 4, 無, 0},   {-銀, 3, 4, 有, -成銀},  // leaving
        {-銀, 5, 4, 無, 0},   {-角, 2, 6, 有, -馬},   {-飛, 8, 2, 有, -龍},   {歩, 6, 7, 有, と},
        {歩, 5, 6, 無, 0},    {香, 3, 9, 有, 成香},   {桂, 5, 7, 有, 成桂},   {銀, 7, 6, 有, 成銀},
        {銀, 5, 6, 無, 0},    {角, 7, 3, 有, 馬},     {飛, 1, 7, 有, 龍},     {飛, 5, 6, 無, 0},
    };
    for (const Case& c : cases) {
        int promoted = 0;
        EXPECT_EQ(調査_駒成(5, c.fy, 5, c.ty, c.piece, promoted), c.answer)
            << c.piece << " " << c.fy << "->" << c.ty;
        EXPECT_EQ(promoted, c.promoted) << c.piece;
    }
}

TEST(Promotion, GoldPromotedKindsAndRoyalsNeverPromoteAndLeaveTheValue) {
    for (int piece : {金, -金, と, -龍, 馬, 成銀, -成桂, 王, -王, 鵺王, -鵺王}) {
        int promoted = 77;
        EXPECT_EQ(調査_駒成(5, 8, 5, 9, piece, promoted), 無);
        EXPECT_EQ(調査_駒成(5, 2, 5, 1, piece, promoted), 無);
        EXPECT_EQ(promoted, 77);
    }
}

TEST(Promotion, CompulsoryOnlyWhereThePieceCouldNeverMoveAgain) {
    EXPECT_EQ(移動後チェック(9, 歩), 無);
    EXPECT_EQ(移動後チェック(8, 歩), 有);
    EXPECT_EQ(移動後チェック(9, 香), 無);
    EXPECT_EQ(移動後チェック(8, 香), 有);
    EXPECT_EQ(移動後チェック(8, 桂), 無);
    EXPECT_EQ(移動後チェック(9, 桂), 無);
    EXPECT_EQ(移動後チェック(7, 桂), 有);
    EXPECT_EQ(移動後チェック(1, -歩), 無);
    EXPECT_EQ(移動後チェック(2, -歩), 有);
    EXPECT_EQ(移動後チェック(1, -香), 無);
    EXPECT_EQ(移動後チェック(2, -桂), 無);
    EXPECT_EQ(移動後チェック(3, -桂), 有);
    EXPECT_EQ(移動後チェック(9, 銀), 有);
    EXPECT_EQ(移動後チェック(1, 歩), 有);  // an upper pawn on row 1 can still move
}

TEST(MoveRecord, EntriesKeepTheThreePieceFieldsOfACaptureAndAPromotion) {
    TestGame t;
    state::Game& g = t.game;
    g.board(2, 2) = 飛;
    g.board(2, 8) = -金;
    手順保存(g, 2, 2, 2, 8, 飛, 龍);
    盤面移動(g, 2, 2, 2, 8, 龍);
    EXPECT_EQ(g.record.counter, 1);
    EXPECT_EQ(g.record.last, 1);
    EXPECT_EQ(g.record.moved[1], 飛);
    EXPECT_EQ(g.record.placed[1], 龍);
    EXPECT_EQ(g.record.captured[1], -金);
    EXPECT_EQ(g.board(2, 8), 龍);
    EXPECT_EQ(g.board(2, 2), 空);
    // The captured gold survives only in the record.
    int golds = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) golds += g.board(x, y) == -金;
    EXPECT_EQ(golds, 0);
    // A move to an empty square records captured piece 0.
    手順保存(g, 2, 8, 3, 8, 龍, 龍);
    EXPECT_EQ(g.record.captured[2], 空);
    EXPECT_EQ(g.record.fromX[2], 2);
    EXPECT_EQ(g.record.toX[2], 3);
    EXPECT_EQ(g.record.toY[2], 8);
}

TEST(MoveRecord, NothingIsWrittenPastEntry500) {
    TestGame t;
    state::Game& g = t.game;
    g.board(5, 5) = 金;
    for (int i = 0; i < 500; ++i) 手順保存(g, 5, 5, 5, 6, 金, 金);
    EXPECT_TRUE(g.record.full());
    EXPECT_EQ(g.record.counter, 500);
    g.record.moved[0] = 0;
    手順保存(g, 5, 5, 5, 4, -金, -金);
    EXPECT_EQ(g.record.counter, 500);
    EXPECT_EQ(g.record.last, 500);
    EXPECT_EQ(g.record.moved[500], 金);
    EXPECT_EQ(g.record.toY[500], 6);
}

// The rectangle the computer scans must hold every legal destination of
// every upper piece, on many positions reached by random play.
TEST(MoveRectangle, ContainsEveryLegalDestination) {
    std::mt19937 rng(12345);
    for (int game = 0; game < 40; ++game) {
        TestGame t;
        state::Game& g = t.game;
        t.port.logDrawing = false;
        if (game % 2)
            初期設定_先手自(g);
        else
            初期設定_先手敵(g);
        // Scatter the pieces a little: random legal moves by either side.
        for (int ply = 0; ply < 60; ++ply) {
            std::vector<std::array<int, 5>> moves;
            for (int x = 1; x <= 9; ++x)
                for (int y = 1; y <= 9; ++y) {
                    const int p = g.board(x, y);
                    if (p == 0 || (ply % 2 == 0) != (p > 0)) continue;
                    for (int tx = 1; tx <= 9; ++tx)
                        for (int ty = 1; ty <= 9; ++ty)
                            if (移動チェック(g, x, y, tx, ty, p) == 有) moves.push_back({x, y, tx, ty, p});
                }
            if (moves.empty()) break;
            const auto m = moves[rng() % moves.size()];
            int placed = m[4], promoted = m[4];
            if (調査_駒成(m[0], m[1], m[2], m[3], m[4], promoted) == 有 &&
                (rng() % 2 || 移動後チェック(m[3], m[4]) == 無))
                placed = promoted;
            if (std::abs(g.board(m[2], m[3])) >= 14) break;  // a royal piece fell: stop here
            g.board(m[2], m[3]) = placed;
            g.board(m[0], m[1]) = 0;
            for (int x = 1; x <= 9; ++x)
                for (int y = 1; y <= 9; ++y) {
                    const int p = g.board(x, y);
                    if (p < 1) continue;
                    int x1, x2, y1, y2;
                    取得_駒移動座標(p, x, y, x1, x2, y1, y2);
                    ASSERT_GE(x1, 1);
                    ASSERT_LE(x2, 9);
                    ASSERT_GE(y1, 1);
                    ASSERT_LE(y2, 9);
                    for (int tx = 1; tx <= 9; ++tx)
                        for (int ty = 1; ty <= 9; ++ty)
                            if (移動チェック(g, x, y, tx, ty, p) == 有) {
                                EXPECT_TRUE(x1 <= tx && tx <= x2 && y1 <= ty && ty <= y2)
                                    << "piece " << p << " " << x << "," << y << " -> " << tx << "," << ty;
                            }
                }
        }
    }
}

TEST(MoveRectangle, NarrowedByKindAndClippedToTheBoard) {
    int x1, x2, y1, y2;
    取得_駒移動座標(桂, 1, 8, x1, x2, y1, y2);
    EXPECT_EQ((std::array{x1, x2, y1, y2}), (std::array{1, 3, 8, 9}));
    取得_駒移動座標(鵺王, 9, 1, x1, x2, y1, y2);
    EXPECT_EQ((std::array{x1, x2, y1, y2}), (std::array{7, 9, 1, 3}));
    取得_駒移動座標(成銀, 5, 5, x1, x2, y1, y2);  // promoted silver: the whole board
    EXPECT_EQ((std::array{x1, x2, y1, y2}), (std::array{1, 9, 1, 9}));
    取得_駒移動座標(-歩, 5, 5, x1, x2, y1, y2);  // lower pieces: the whole board
    EXPECT_EQ((std::array{x1, x2, y1, y2}), (std::array{1, 9, 1, 9}));
    取得_駒移動座標(香, 4, 6, x1, x2, y1, y2);
    EXPECT_EQ((std::array{x1, x2, y1, y2}), (std::array{4, 4, 7, 9}));
}

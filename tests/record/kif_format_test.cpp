// KIF: games written and read back whole (Nue King's two steps, 同,
// promotion, the ends of a game, clocks and comments), in UTF-8 and in
// Shift_JIS, and every kind of fault refused at its line.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "record/kif_format.h"
#include "rules/initial_position.h"
#include "state/game_data.h"

using namespace state;

namespace {

using record::KifEnd;
using record::KifRefusal;

rules::Position startPosition(int firstMover) {
    state::GameData g;
    (firstMover > 0 ? rules::初期設定_先手敵 : rules::初期設定_先手自)(g);
    state::MoveRecord r;
    r.placed[0] = 1;
    return rules::Position(g.board, r, firstMover);
}

// A game as the game's record file holds it (a Nue King's two steps two
// entries), taken into KIF as the converter takes it.
record::KifGame gameOf(int firstMover, const std::vector<state::Move>& moves) {
    record::Kifu kifu{{"2024/05/01 09:05:03", "先手：MAN", "後手：COM LEVEL3"}, {}};
    for (const state::Move& m : moves) {
        const int first = m.twoStep ? m.moved : m.placed;
        kifu.entries.push_back(record::記録行(m.fromX, m.fromY, m.toX, m.toY, first, m.moved, m.captured));
        if (m.twoStep)
            kifu.entries.push_back(
                record::記録行(m.toX, m.toY, m.toX2, m.toY2, m.placed, m.moved, m.captured2));
    }
    record::KifGame g = record::kifFromKifu(kifu);
    g.firstMover = firstMover;
    g.start = startPosition(firstMover).board();
    return g;
}

// Random legal moves, stopping where the game ends.
std::vector<state::Move> randomMoves(int firstMover, int plies, unsigned seed) {
    rules::Position p = startPosition(firstMover);
    std::mt19937 random(seed);
    std::vector<state::Move> moves;
    for (int i = 0; i < plies && p.結果() == state::Outcome::Continues; ++i) {
        const std::vector<state::Move> legal = record::legalMoves(p);
        moves.push_back(legal[random() % legal.size()]);
        p.着手(moves.back());
    }
    return moves;
}

std::string textOf(const record::KifRead& read) {
    if (const auto* e = std::get_if<record::KifError>(&read))
        return "refused at line " + std::to_string(e->line) + ", reason " +
               std::to_string(static_cast<int>(e->refusal));
    return record::kifText(std::get<record::KifGame>(read));
}

std::string lfOnly(std::string text) {
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
    return text;
}

TEST(Kif, GamesComeBackWholeInEitherEncoding) {
    using state::ClockKind;
    const state::TimeControl byoyomi{ClockKind::Byoyomi, std::chrono::minutes(10), std::chrono::seconds(30)};
    const state::TimeControl fischer{ClockKind::Fischer, std::chrono::minutes(5), std::chrono::seconds(2)};
    const state::TimeControl sudden{ClockKind::SuddenDeath, std::chrono::minutes(1), {}};
    const struct {
        int firstMover, plies;
        unsigned seed;
        KifEnd end;
        std::array<state::TimeControl, 2> clocks;
        std::vector<std::string> comments;
    } cases[] = {
        {-1, 400, 1, KifEnd::AsPlayed, {}, {}},
        {1,
         400,
         2,
         KifEnd::AsPlayed,
         {byoyomi, byoyomi},
         {"開始局面", "", "▲５八・５七鵺王 悪手\n最善：▲４八鵺王"}},
        {-1, 18, 3, KifEnd::Resigned, {sudden, fischer}, {"", "一手目"}},
        {1, 21, 4, KifEnd::OutOfTime, {state::TimeControl{}, byoyomi}, {}},
    };
    std::string all;
    for (const auto& c : cases) {
        record::KifGame g = gameOf(c.firstMover, randomMoves(c.firstMover, c.plies, c.seed));
        g.end = c.end;
        g.clocks = c.clocks;
        g.comments = c.comments;
        const std::string text = record::kifText(g);
        all += text;
        EXPECT_EQ(textOf(record::parseKif(text)), text);
        EXPECT_EQ(textOf(record::parseKif("\xEF\xBB\xBF" + lfOnly(text))), text);
        const std::optional<std::string> shiftJis = record::kifBytes(g, record::KifEncoding::ShiftJis);
        ASSERT_TRUE(shiftJis.has_value());
        EXPECT_EQ(textOf(record::parseKif(*shiftJis)), text);
        const record::KifGame read = std::get<record::KifGame>(record::parseKif(text));
        EXPECT_EQ(record::kifuFromRecord(read.record, {}), record::kifuFromRecord(g.record, {}));
        EXPECT_EQ(read.comments, c.comments);
        EXPECT_EQ(read.clocks, c.clocks);
    }
    // The forms the games above were chosen to hold.
    for (const std::string_view form :
         {"・５", "同　", "成(", "不成(", "  19 投了", "  22 切れ負け", "後手番", "まで18手で後手の勝ち",
          "まで21手で時間切れにより後手の勝ち", "持ち時間：先手5分＋2秒加算、後手1分切れ負け",
          "*最善：▲４八鵺王"})
        EXPECT_NE(all.find(form), std::string::npos) << form;
}

// 1 ５八・５七鵺王(59), 2 ３四歩(33), 3 ５六鵺王(57), from the Nue King below.
std::string shortGame() {
    rules::Position p = startPosition(-1);
    std::vector<state::Move> moves;
    for (const std::string_view token : {"5i5h5g", "3c3d", "5g5f"}) {
        moves.push_back(std::get<state::Move>(record::resolveToken(p, token)));
        p.着手(moves.back());
    }
    return record::kifText(gameOf(-1, moves));
}

int lineOf(const std::string& text, std::string_view line) {
    const std::size_t at = text.find(std::string(line) + "\r\n");
    return at == std::string::npos ? 0
                                   : static_cast<int>(std::count(text.begin(), text.begin() + at, '\n')) + 1;
}

TEST(Kif, EveryFaultIsRefusedAtItsLine) {
    const std::string base = shortGame();
    ASSERT_NE(lineOf(base, "   3 ５六鵺王(57)"), 0) << base;
    const struct {
        std::string_view line, replacement;
        KifRefusal refusal;
        int below = 0;  // the fault's line below the replaced one
    } cases[] = {
        {"後手：COM LEVEL3", "\xFF", KifRefusal::Encoding},
        {"変則：鵺王", "hello", KifRefusal::UnknownLine},
        {"変則：鵺王", "棋戦：名人戦", KifRefusal::UnknownHeader},
        {"変則：鵺王", "変則：鵺王\r\n変則：鵺王", KifRefusal::RepeatedHeader, 1},
        {"手合割：その他", "手合割：平手", KifRefusal::Handicap},
        {"変則：鵺王", "変則：中将棋", KifRefusal::Variant},
        {"変則：鵺王", "持ち時間：10分", KifRefusal::TimeControl},
        {"変則：鵺王", "持ち時間：0分切れ負け", KifRefusal::TimeControl},
        {"先手の持駒：なし", "先手の持駒：歩", KifRefusal::PiecesInHand},
        {"| ・ ・ ・ ・ ・ ・ ・ ・ ・|四", "| ・ ・ ・ ・ ・ ・ ・ ・|四", KifRefusal::Board},
        {"| ・ ・ ・ ・ ・ ・ ・ ・ ・|四", "| ・ ・ ・ ・ ・ ・ ・ ・ 象|四", KifRefusal::Board},
        {"   3 ５六鵺王(57)", "   4 ５六鵺王(57)", KifRefusal::MoveNumber},
        {"   3 ５六鵺王(57)", "   3 ５六鵺(57)", KifRefusal::MoveText},
        {"   3 ５六鵺王(57)", "   3 同　鵺王(57)", KifRefusal::IllegalMove},
        {"   3 ５六鵺王(57)", "   3 ５六金(57)", KifRefusal::WrongPiece},
        {"   3 ５六鵺王(57)", "   3 ５六鵺王不成(57)", KifRefusal::MoveText},
        {"   3 ５六鵺王(57)", "   3 ５三鵺王(57)", KifRefusal::IllegalMove},
        {"   3 ５六鵺王(57)", "   3 ５六鵺王(57)\r\n   4 投了\r\n   5 ３五歩(34)", KifRefusal::AfterEnd, 2},
        {"まで3手で中断", "まで3手で中断\r\n   4 ３五歩(34)", KifRefusal::AfterEnd, 1},
        {"まで3手で中断", "まで3手で先手の勝ち", KifRefusal::EndLine},
        {"まで3手で中断", "まで4手で中断", KifRefusal::EndLine},
    };
    for (const auto& c : cases) {
        const int at = lineOf(base, c.line);
        ASSERT_NE(at, 0) << c.line;
        std::string text = base;
        text.replace(text.find(c.line), c.line.size(), c.replacement);
        const record::KifRead read = record::parseKif(text);
        ASSERT_TRUE(std::holds_alternative<record::KifError>(read)) << c.replacement;
        EXPECT_EQ(std::get<record::KifError>(read).refusal, c.refusal) << c.replacement;
        EXPECT_EQ(std::get<record::KifError>(read).line, at + c.below) << c.replacement;
    }
    const record::KifRead noBoard = record::parseKif("先手：MAN\r\n手数----指手---------消費時間--\r\n");
    EXPECT_EQ(std::get<record::KifError>(noBoard), (record::KifError{KifRefusal::NoBoard, 2}));
}

TEST(Kif, OnlyAGameFromItsStartBecomesARecordFile) {
    const record::KifGame g = std::get<record::KifGame>(record::parseKif(shortGame()));
    const record::Kifu kifu = std::get<record::Kifu>(record::kifuFromKif(g));
    EXPECT_EQ(kifu.header,
              (std::array<std::string, 3>{"2024/05/01 09:05:03", "先手：MAN", "後手：COM LEVEL3"}));
    EXPECT_EQ(kifu.entries.size(), 4u);  // the Nue King's two steps are two entries
    record::KifGame elsewhere = g;
    elsewhere.start(1, 1) = state::空;
    EXPECT_EQ(std::get<record::KifuRefusal>(record::kifuFromKif(elsewhere)),
              record::KifuRefusal::NotTheStart);
    EXPECT_EQ(std::get<record::KifuRefusal>(record::kifuFromKif(gameOf(-1, {}))),
              record::KifuRefusal::NoMoves);
}

}  // namespace

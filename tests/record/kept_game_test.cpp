// The game kept between runs: its text read back whole, and every kind of
// damage named rather than half read.
#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include <string>

#include "positions.h"
#include "record/kept_game.h"
#include "rules/initial_position.h"

namespace {

using record::KeptGame;
using Kind = record::KeptGameError::Kind;

// A game against the computer from the human-first position: the Nue King's
// two steps, an upper pawn, then a Nue King jump; the marker after the pawn.
KeptGame twoStepGame() {
    testing_support::TestGame t;
    rules::初期設定_先手自(t.game);
    KeptGame k;
    k.state = record::KeptState::Playing;
    k.turn = 1;
    k.level = 4;
    k.moveNumber = 2;
    k.teaching = true;
    k.start = t.game.board;
    const int e[4][7] = {{5, 9, 5, 8, -14, -14, 0},
                         {5, 8, 5, 7, -14, -14, 0},
                         {7, 3, 7, 4, 1, 1, 0},
                         {5, 7, 5, 5, -14, -14, 0}};
    state::MoveRecord& r = k.record;
    for (std::size_t i = 1; i <= 4; ++i) {
        const int* v = e[i - 1];
        r.fromX[i] = v[0], r.fromY[i] = v[1], r.toX[i] = v[2], r.toY[i] = v[3];
        r.placed[i] = v[4], r.moved[i] = v[5], r.captured[i] = v[6];
    }
    r.secondStep[2] = true;
    r.placed[0] = 1;
    r.last = 4;
    r.counter = 3;
    k.clocks[1] = {{state::ClockKind::Byoyomi, std::chrono::minutes(10), std::chrono::seconds(30)},
                   std::chrono::milliseconds(412300)};
    return k;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

// The 1-based line of the text that holds `part`.
int lineOf(const std::string& text, const std::string& part) {
    const auto end = text.begin() + static_cast<std::ptrdiff_t>(text.find(part));
    return static_cast<int>(std::count(text.begin(), end, '\n')) + 1;
}

Kind errorOf(const record::KeptGameRead& read) {
    const auto* e = std::get_if<record::KeptGameError>(&read);
    return e ? e->kind : Kind::Missing;
}

}  // namespace

TEST(KeptGame, ReadsBackWhatItWroteAndPassesOverFactsItDoesNotKnow) {
    const KeptGame k = twoStepGame();
    const std::string text = record::keptGameText(k);
    EXPECT_NE(text.find("entry 5 8 5 7 -14 -14 0 second\n"), std::string::npos) << text;
    const auto read = record::parseKeptGame(text);
    ASSERT_TRUE(std::holds_alternative<KeptGame>(read)) << static_cast<int>(errorOf(read));
    EXPECT_EQ(record::keptGameText(std::get<KeptGame>(read)), text);
    // A later game's clock, and lines ending in CR LF.
    const auto later = record::parseKeptGame(replaced(text, "level 4\n", "level 4\r\nclock 300 290\n"));
    ASSERT_TRUE(std::holds_alternative<KeptGame>(later));
    EXPECT_EQ(record::keptGameText(std::get<KeptGame>(later)), text);
    EXPECT_TRUE(
        std::holds_alternative<KeptGame>(record::parseKeptGame(replaced(text, "level 4", "level 8"))));

    const std::filesystem::path file = testing::TempDir() + "kept-" + std::to_string(::getpid()) + ".txt";
    EXPECT_EQ(errorOf(record::readKeptGame(file)), Kind::Missing);
    ASSERT_FALSE(record::saveKeptGame(k, file));
    EXPECT_EQ(record::keptGameText(std::get<KeptGame>(record::readKeptGame(file))), text);
    std::filesystem::remove(file);
}

TEST(KeptGame, DamageIsNamedWithItsLine) {
    const std::string good = record::keptGameText(twoStepGame());
    struct Case {
        const char* what;
        std::string text;
        Kind kind;
        int line;
    };
    const auto bad = [&](const char* what, const std::string& from, const std::string& to) {
        const std::string text = replaced(good, from, to);
        return Case{what, text, Kind::BadLine, lineOf(text, to)};
    };
    const auto unplayable = [&](const char* what, const std::string& from, const std::string& to) {
        return Case{what, replaced(good, from, to), Kind::BadRecord, 0};
    };
    const Case cases[] = {
        {"empty", "", Kind::NotAGame, 0},
        {"another file", "[General]\nlevel=3\n", Kind::NotAGame, 1},
        {"a later version", replaced(good, "nuedori-game 1", "nuedori-game 2"), Kind::LaterVersion, 1},
        bad("a level out of range", "level 4", "level 9"),
        bad("a piece code out of range", "start 9 0 0 0 0 -14", "start 9 0 0 0 0 -16"),
        bad("a second step first", "entry 5 9 5 8 -14 -14 0", "entry 5 9 5 8 -14 -14 0 second"),
        bad("a kind not known", "kind computer", "kind three-players"),
        bad("a clock of a kind not known", "clock-lower byoyomi", "clock-lower hourglass"),
        unplayable("a move from an empty square", "entry 7 3 7 4", "entry 6 4 6 5"),
        unplayable("a second step of a pawn", "entry 7 3 7 4 1 1 0", "entry 7 3 7 4 1 1 0 second"),
        unplayable("the marker past the end", "marker 3", "marker 5"),
        unplayable("the marker between two steps", "marker 3", "marker 1"),
        unplayable("a row of the position missing", "start 4 0 0 0 0 0 0 0 0 0\n", ""),
        {"cut short", good.substr(0, good.find("marker")), Kind::BadRecord, 0},
    };
    for (const Case& c : cases) {
        const auto read = record::parseKeptGame(c.text);
        const auto* e = std::get_if<record::KeptGameError>(&read);
        ASSERT_NE(e, nullptr) << c.what;
        EXPECT_EQ(e->kind, c.kind) << c.what;
        EXPECT_EQ(e->line, c.line) << c.what;
    }
}

TEST(KeptGame, AFinishedGameKeepsHowItEndedAndAnEarlierFileReadsAsNotEnded) {
    KeptGame k = twoStepGame();
    const std::string earlier = record::keptGameText(k);
    EXPECT_FALSE(std::get<KeptGame>(record::parseKeptGame(earlier)).outcome.over());
    for (const state::Outcome o : {state::Outcome{state::Result::LowerWins, state::EndReason::RoyalTaken},
                                   state::Outcome{state::Result::UpperWins, state::EndReason::Resignation},
                                   state::Outcome{state::Result::Draw, state::EndReason::RecordFull}}) {
        k.outcome = o;
        const std::string text = record::keptGameText(k);
        EXPECT_EQ(std::get<KeptGame>(record::parseKeptGame(text)).outcome, o);
        EXPECT_EQ(text.substr(0, earlier.size()), earlier);  // a line added, nothing else changed
    }
    EXPECT_NE(record::keptGameText(k).find("\noutcome draw full\n"), std::string::npos);
    for (const char* bad : {"outcome draw", "outcome upper-wins none", "outcome continues royal",
                            "outcome lower-wins sneezed", "outcome lower-wins royal later"}) {
        const auto read = record::parseKeptGame(earlier + bad + "\n");
        const auto* e = std::get_if<record::KeptGameError>(&read);
        EXPECT_TRUE(e && *e == (record::KeptGameError{Kind::BadLine, lineOf(earlier + bad, bad)})) << bad;
    }
}

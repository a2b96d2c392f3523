#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "positions.h"
#include "record/kifu_format.h"
#include "rules/initial_position.h"
#include "rules/move_execution.h"

namespace {

namespace fs = std::filesystem;
using record::Kifu;
using record::ReadError;
using record::記録行;

// The header lines the game writes: time of saving, first player, second player.
std::array<std::string, 3> gameHeader() { return {"2024/05/01 09:05:03", "先手：MAN", "後手：COM LEVEL3"}; }

// The lines joined with the given line end after each.
std::string joined(const std::vector<std::string>& lines, std::string_view end = "\r\n") {
    std::string text;
    for (const std::string& line : lines) (text += line) += end;
    return text;
}

const Kifu* kifuIn(const record::ReadResult& result) { return std::get_if<Kifu>(&result); }

std::string describe(const record::ReadResult& result) {
    if (kifuIn(result)) return "a record";
    const ReadError& e = std::get<ReadError>(result);
    return "error kind " + std::to_string(static_cast<int>(e.kind)) + " at line " + std::to_string(e.line);
}

// Valid entries of either side, promoted or not, capturing or not.
std::vector<state::Move> randomEntries(std::size_t count, unsigned seed) {
    std::mt19937 random(seed);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    std::vector<state::Move> entries;
    for (std::size_t i = 0; i < count; ++i) {
        const int side = pick(0, 1) ? 1 : -1;
        const int captured = pick(0, 2) ? 0 : -side * pick(1, 15);
        entries.push_back(記録行(pick(1, 9), pick(1, 9), pick(1, 9), pick(1, 9), side * pick(1, 15),
                                 side * pick(1, 15), captured));
    }
    return entries;
}

// A folder of its own for one test, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        path_ = fs::temp_directory_path() /
                ("nuedori_kifu_" + std::string(test->name()) + "_" + std::to_string(::getpid()));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::permissions(path_, fs::perms::owner_all, ignored);
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& item : fs::directory_iterator(folder)) names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// ---- Writing ----

TEST(KifuMoveLine, PutsEachValueLeftAlignedInItsColumn) {
    const struct {
        state::Move entry;
        std::string line;
    } cases[] = {
        {記録行(7, 7, 7, 6, -1, -1, 0), "7 7 7 6 -1 -1 0  "},     // lower pawn, no capture
        {記録行(2, 2, 2, 8, 10, 10, -9), "2 2 2 8 10 10 -9 "},    // upper rook takes a lower gold
        {記録行(1, 1, 9, 9, -15, -15, 14), "1 1 9 9 -15-1514 "},  // three characters fill the field
        {記録行(5, 3, 5, 2, -2, -1, 12), "5 3 5 2 -2 -1 12 "},    // a promotion: placed before moved
        {記録行(9, 1, 1, 9, 13, 12, -14), "9 1 1 9 13 12 -14"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(record::moveLine(c.entry), c.line);
        EXPECT_EQ(record::moveLine(c.entry).size(), 17u);
    }
}

TEST(KifuText, GameOfThreeMovesIsSixCrLfLines) {
    testing_support::TestGame t;
    state::Game& g = t.game;
    rules::初期設定_先手自(g);
    const int moves[3][4] = {{5, 9, 5, 7}, {5, 3, 5, 4}, {5, 7, 5, 5}};
    for (const auto& m : moves) {
        const int piece = g.board(m[0], m[1]);
        rules::手順保存(g, m[0], m[1], m[2], m[3], piece, piece);
        rules::盤面移動(g, m[0], m[1], m[2], m[3], piece);
    }
    const std::string text = record::kifuText(record::kifuFromRecord(g.record, gameHeader()));
    EXPECT_EQ(text,
              "2024/05/01 09:05:03\r\n"
              "先手：MAN\r\n"
              "後手：COM LEVEL3\r\n"
              "5 9 5 7 -14-140  \r\n"
              "5 3 5 4 1  1  0  \r\n"
              "5 7 5 5 -14-140  \r\n");
}

TEST(KifuText, OnlyEntriesUpToTheLastMoveAreWritten) {
    state::MoveRecord r = record::recordFromKifu({gameHeader(), randomEntries(5, 7)});
    r.counter = 2;  // stepped back in replay: the whole game is still saved
    r.last = 4;
    const Kifu k = record::kifuFromRecord(r, gameHeader());
    ASSERT_EQ(k.entries.size(), 4u);
    EXPECT_EQ(k.entries, randomEntries(4, 7));
}

TEST(KifuText, HeaderLinesStayOneLineOfText) {
    Kifu k{{"a\r\nb", std::string("c\0d\x7f", 4), "e\xff\tf\xC2\x85"}, randomEntries(1, 3)};
    const std::string text = record::kifuText(k);
    EXPECT_TRUE(text.starts_with("a  b\r\nc d \r\ne?\tf \r\n")) << text;
    const record::ReadResult back = record::parseKifu(text);
    ASSERT_TRUE(kifuIn(back)) << describe(back);
    EXPECT_EQ(kifuIn(back)->entries, k.entries);
}

TEST(KifuDateTime, WritesYearMonthDayAndTime) {
    std::tm when{};
    when.tm_year = 2024 - 1900;
    when.tm_mon = 4;
    when.tm_mday = 1;
    when.tm_hour = 9;
    when.tm_min = 5;
    when.tm_sec = 3;
    EXPECT_EQ(record::dateTimeLine(when), "2024/05/01 09:05:03");
    when.tm_year = 1999 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 31;
    when.tm_hour = 23;
    when.tm_min = 59;
    when.tm_sec = 59;
    EXPECT_EQ(record::dateTimeLine(when), "1999/12/31 23:59:59");

    // A time point is shown in local time; with the zone set to UTC the
    // moment 2024-05-01 09:05:03 UTC reads as itself.
    const char* saved = std::getenv("TZ");
    const std::string oldZone = saved ? saved : "";
    ::setenv("TZ", "UTC0", 1);
    ::tzset();
    const auto moment = std::chrono::sys_days{std::chrono::year{2024} / 5 / 1} + std::chrono::hours{9} +
                        std::chrono::minutes{5} + std::chrono::seconds{3};
    EXPECT_EQ(record::dateTimeLine(moment), "2024/05/01 09:05:03");
    if (saved)
        ::setenv("TZ", oldZone.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

// ---- Reading back what was written ----

TEST(KifuRoundTrip, EveryRecordReadsBackToTheSameValues) {
    for (const std::size_t count : {1u, 2u, 37u, 300u, 499u, 500u}) {
        const Kifu k{gameHeader(), randomEntries(count, static_cast<unsigned>(count))};
        const record::ReadResult back = record::parseKifu(record::kifuText(k));
        ASSERT_TRUE(kifuIn(back)) << count << " entries: " << describe(back);
        EXPECT_EQ(*kifuIn(back), k) << count << " entries";
    }
}

TEST(KifuRoundTrip, MoveRecordSurvivesSavingAndLoading) {
    const Kifu k{gameHeader(), randomEntries(120, 11)};
    const state::MoveRecord saved = record::recordFromKifu(k);
    const record::ReadResult back =
        record::parseKifu(record::kifuText(record::kifuFromRecord(saved, gameHeader())));
    ASSERT_TRUE(kifuIn(back)) << describe(back);
    const state::MoveRecord loaded = record::recordFromKifu(*kifuIn(back));
    EXPECT_EQ(loaded.last, 120);
    EXPECT_EQ(loaded.counter, 0);
    EXPECT_EQ(loaded.placed[0], 1);
    for (int i = 1; i <= 120; ++i) {
        const state::Move& e = k.entries[i - 1];
        const state::Move got = 記録行(loaded.fromX[i], loaded.fromY[i], loaded.toX[i], loaded.toY[i],
                                       loaded.placed[i], loaded.moved[i], loaded.captured[i]);
        EXPECT_EQ(got, e) << "entry " << i;
    }
    EXPECT_EQ(loaded.moved[121], 0);
}

TEST(KifuRoundTrip, SavedFileHoldsTheTextAndReadsBack) {
    TempFolder folder;
    const fs::path file = folder.path() / "対局.棋譜";
    const Kifu k{gameHeader(), randomEntries(500, 5)};
    ASSERT_FALSE(record::saveKifu(k, file).has_value());
    EXPECT_EQ(bytesOf(file), record::kifuText(k));
    const record::ReadResult back = record::readKifuFile(file);
    ASSERT_TRUE(kifuIn(back)) << describe(back);
    EXPECT_EQ(*kifuIn(back), k);
}

// ---- Reading files written elsewhere ----

TEST(KifuReading, AcceptsEveryLineEndAndEditedPadding) {
    const std::vector<state::Move> moves{記録行(7, 7, 7, 6, -1, -1, 0), 記録行(2, 2, 2, 8, 10, 10, -9)};
    const std::vector<std::string> lines{"h1", "h2", "h3", "7 7 7 6 -1 -1 0  ", "2 2 2 8 10 10 -9 "};
    const std::vector<std::string> stripped{"h1", "h2", "h3", "7 7 7 6 -1 -1 0", "2 2 2 8 10 10 -9"};
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {"CR LF", joined(lines)},
        {"LF only", joined(lines, "\n")},
        {"mixed line ends", "h1\nh2\r\nh3\n7 7 7 6 -1 -1 0  \r\n2 2 2 8 10 10 -9 \n"},
        {"no line end after the last line", "h1\nh2\nh3\n7 7 7 6 -1 -1 0\n2 2 2 8 10 10 -9 "},
        {"trailing blanks stripped", joined(stripped)},
        {"trailing blanks stripped, LF", joined(stripped, "\n")},
        {"byte-order mark", "\xEF\xBB\xBF" + joined(lines)},
        {"blank lines at the end", joined(lines) + "\r\n\r\n   \r\n\t\r\n"},
        {"blank lines at the end, no final end", joined(stripped, "\n") + "\n  "},
        {"fields with spaces before the number",
         joined({"h1", "h2", "h3", "7 7 7 6  -1-1 0  ", "2 2 2 8 10 10  -9"})},
    };
    for (const auto& c : cases) {
        const record::ReadResult result = record::parseKifu(c.text);
        ASSERT_TRUE(kifuIn(result)) << c.name << ": " << describe(result);
        EXPECT_EQ(kifuIn(result)->entries, moves) << c.name;
        EXPECT_EQ(kifuIn(result)->header, (std::array<std::string, 3>{"h1", "h2", "h3"})) << c.name;
    }
}

TEST(KifuReading, HeaderLinesComeBackAsUtf8) {
    const std::string move = "7 7 7 6 -1 -1 0  \r\n";
    const struct {
        std::string line;
        std::string shown;
    } cases[] = {
        {"\x90\xE6\x8E\xE8\x81\x46MAN", "先手：MAN"},  // Shift_JIS
        {"\x8C\xE3\x8E\xE8\x81\x46"
         "COM LEVEL3",
         "後手：COM LEVEL3"},
        {"\xB6\xC5", "ｶﾅ"},  // half-width katakana, one byte each
        {"先手：MAN", "先手：MAN"},
        {"", ""},
        {"a\tb", "a\tb"},
    };
    for (const auto& c : cases) {
        const record::ReadResult result = record::parseKifu(joined({"x", c.line, "y"}) + move);
        ASSERT_TRUE(kifuIn(result)) << c.shown << ": " << describe(result);
        EXPECT_EQ(kifuIn(result)->header[1], c.shown);
    }
}

TEST(KifuReading, FileWithoutMoveLinesIsRefusedAsEmpty) {
    const std::string cases[] = {
        "",
        "\xEF\xBB\xBF",
        "\r\n",
        "one\r\n",
        "one\r\ntwo",
        "one\r\ntwo\r\nthree\r\n",
        "one\ntwo\nthree",
        "one\r\ntwo\r\nthree\r\n\r\n  \r\n",
    };
    const ReadError empty{ReadError::Kind::kNoMoveLine, 0};
    for (const std::string& text : cases) {
        const record::ReadResult result = record::parseKifu(text);
        ASSERT_TRUE(std::holds_alternative<ReadError>(result)) << "\"" << text << "\"";
        EXPECT_EQ(std::get<ReadError>(result), empty) << "\"" << text << "\": " << describe(result);
    }
}

TEST(KifuReading, RefusesTheFirstBadLine) {
    const std::string good = "7 7 7 6 -1 -1 0  ";
    const std::string rook = "2 2 2 8 10 10 -9 ";
    auto file = [&](std::string fifth) { return joined({"h1", "h2", "h3", good, fifth, rook}); };
    const struct {
        const char* name;
        std::string text;
        int line;
    } cases[] = {
        {"source column 0", file("0 7 7 6 -1 -1 0  "), 5},
        {"destination row 10", file("7 7 7 10-1 -1 0  "), 5},
        {"negative row", file("7 -17 6 -1 -1 0  "), 5},
        {"placed piece 16", file("2 2 2 8 16 10 -9 "), 5},
        {"moved piece -99", file("7 7 7 6 -1 -990  "), 5},
        {"placed piece 0", file("7 7 7 6 0  -1 0  "), 5},
        {"captured piece -16", file("2 2 2 8 10 10 -16"), 5},
        {"moved and placed of different sides", file("7 7 7 6 1  -1 0  "), 5},
        {"captured piece of the mover's side", file("2 2 2 8 10 10 9  "), 5},
        {"captured piece of the lower mover's side", file("7 7 7 6 -1 -1 -3 "), 5},
        {"letter in a field", file("7 7 7 6 -1 -1 a  "), 5},
        {"letter after digits", file("7 7x7 6 -1 -1 0  "), 5},
        {"decimal fraction", file("7 7 7 6 1.510 0  "), 5},
        {"plus sign", file("2 2 2 8 +3 3  -9 "), 5},
        {"minus sign alone", file("7 7 7 6 -  -1 0  "), 5},
        {"space inside a number", file("7 7 7 6 - 1-1 0  "), 5},
        {"field of blanks", file("7 7 7 6    -1 0  "), 5},
        {"last field missing", file("7 7 7 6 -1 -1"), 5},
        {"tab for a space", file("7\t7 7 6 -1 -1 0  "), 5},
        {"18 characters", file(good + " "), 5},
        {"18 characters in the first move line", joined({"h1", "h2", "h3", good + "0"}), 4},
        {"blank line between moves", file(""), 5},
        {"line of spaces between moves", file("   "), 5},
        {"blank first move line", joined({"h1", "h2", "h3", "", good}), 4},
        {"NUL in a header line",
         joined({"h1",
                 std::string("h\0"
                             "2",
                             3),
                 "h3", good}),
         2},
        {"control character in a header line",
         joined({"h1", "h2",
                 "h\x01"
                 "3",
                 good}),
         3},
        {"lone CR in a header line", joined({"h\r1", "h2", "h3", good}), 1},
        {"DEL in a header line", joined({"h1", "h2\x7F", "h3", good}), 2},
        {"UTF-8 C1 control in a header line", joined({"h1", "h2", "\xC2\x85", good}), 3},
        {"bytes neither UTF-8 nor Shift_JIS", joined({"h1", "\xFF\xFE", "h3", good}), 2},
        {"Shift_JIS lead byte without its partner", joined({"\x81 ", "h2", "h3", good}), 1},
        {"header bad in a short file", "h1\r\n\x01\r\n", 2},
        {"NUL in a move line", file(std::string("7 7 7 6 -1 -1 0\0 ", 17)), 5},
        {"non-ASCII byte in a move line", file("7 7 7 6 -1 -1 0\xE9 "), 5},
        {"full-width digit", file("７ 7 7 6 -1 -1 0"), 5},
        {"only the first of two bad lines", joined({"h1", "h2", "h3", "x", "", good}), 4},
    };
    for (const auto& c : cases) {
        const record::ReadResult result = record::parseKifu(c.text);
        EXPECT_EQ(describe(result), describe(ReadError{ReadError::Kind::kBadLine, c.line})) << c.name;
    }
}

TEST(KifuReading, AtMost500MoveLines) {
    const Kifu full{gameHeader(), randomEntries(500, 21)};
    const std::string text = record::kifuText(full);
    const record::ReadResult padded = record::parseKifu(text + "\r\n\r\n");
    ASSERT_TRUE(kifuIn(padded)) << describe(padded);
    EXPECT_EQ(kifuIn(padded)->entries.size(), 500u);

    const std::string extra = record::moveLine(randomEntries(1, 22)[0]) + "\r\n";
    EXPECT_EQ(describe(record::parseKifu(text + extra)), describe(ReadError{ReadError::Kind::kBadLine, 504}));
    EXPECT_EQ(describe(record::parseKifu(text + extra + extra)),
              describe(ReadError{ReadError::Kind::kBadLine, 504}));
}

TEST(KifuReading, PathsThatCannotBeRead) {
    TempFolder folder;
    const ReadError unreadable{ReadError::Kind::kUnreadable, 0};
    const fs::path paths[] = {folder.path() / "missing.棋譜", folder.path(),
                              folder.path() / "missing" / "a.棋譜"};
    for (const fs::path& path : paths) {
        const record::ReadResult result = record::readKifuFile(path);
        ASSERT_TRUE(std::holds_alternative<ReadError>(result)) << path;
        EXPECT_EQ(std::get<ReadError>(result), unreadable) << path;
    }
    // Far too big to be a record: refused before it is read whole, even when
    // all that follows its one move is blank lines.
    writeBytes(folder.path() / "huge.棋譜", "\r\n\r\n\r\n7 7 7 6 -1 -1 0  \r\n" + std::string(2 << 20, '\n'));
    EXPECT_EQ(describe(record::readKifuFile(folder.path() / "huge.棋譜")), describe(unreadable));
    writeBytes(folder.path() / "fine.棋譜", "\r\n\r\n\r\n7 7 7 6 -1 -1 0  \r\n" + std::string(1000, '\n'));
    EXPECT_EQ(describe(record::readKifuFile(folder.path() / "fine.棋譜")), "a record");
    // A file that exists but holds no move is refused as empty, not unreadable.
    writeBytes(folder.path() / "empty.棋譜", "");
    EXPECT_EQ(describe(record::readKifuFile(folder.path() / "empty.棋譜")),
              describe(ReadError{ReadError::Kind::kNoMoveLine, 0}));
}

// ---- Saving ----

TEST(KifuSaving, ReplacesAnExistingFileAndLeavesNothingElse) {
    TempFolder folder;
    const fs::path file = folder.path() / "game.棋譜";
    writeBytes(file, std::string(20000, 'x'));  // longer than the new text: no tail may remain
    const Kifu k{gameHeader(), randomEntries(30, 8)};
    ASSERT_FALSE(record::saveKifu(k, file).has_value());
    EXPECT_EQ(bytesOf(file), record::kifuText(k));
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"game.棋譜"});
}

TEST(KifuSaving, ParentThatIsAFileIsRefused) {
    TempFolder folder;
    const fs::path notAFolder = folder.path() / "plain";
    writeBytes(notAFolder, "old");
    const std::optional<record::SaveError> error =
        record::saveKifu({gameHeader(), randomEntries(3, 2)}, notAFolder / "game.棋譜");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->reason, std::make_error_code(std::errc::not_a_directory).message());
    EXPECT_EQ(bytesOf(notAFolder), "old");
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"plain"});
}

TEST(KifuSaving, TargetThatIsAFolderIsRefused) {
    // The rename is the step that fails here, after the whole text was written.
    TempFolder folder;
    const fs::path target = folder.path() / "game.棋譜";
    fs::create_directory(target);
    writeBytes(target / "inside", "kept");
    const std::optional<record::SaveError> error =
        record::saveKifu({gameHeader(), randomEntries(3, 4)}, target);
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(error->reason.empty());
    EXPECT_EQ(bytesOf(target / "inside"), "kept");
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"game.棋譜"});
}

// Saves in a child process once `prepare` has changed what the child may do,
// and returns the reason the child was given ("saved" when it saved), or
// nothing when the child could not be prepared.
std::optional<std::string> saveInChild(const Kifu& k, const fs::path& file, bool (*prepare)()) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        if (!prepare()) ::_exit(2);
        const std::optional<record::SaveError> error = record::saveKifu(k, file);
        const std::string reason = error ? error->reason : "saved";
        const bool sent =
            ::write(pipeEnds[1], reason.data(), reason.size()) == static_cast<ssize_t>(reason.size());
        ::_exit(sent ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    std::string reason;
    char buffer[256];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) reason.append(buffer, n);
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 2) return std::nullopt;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? reason : "child failed";
}

// Files of at most 4 KiB, as on a disk that is nearly full.
bool limitFilesTo4KiB() {
    std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed process
    const rlimit size{4096, 4096};
    return ::setrlimit(RLIMIT_FSIZE, &size) == 0;
}

bool keepRights() { return true; }

// Root writes into read-only folders; the user nobody does not.
bool becomeNobody() {
    constexpr uid_t kNobody = 65534;
    return ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
}

TEST(KifuSaving, FolderThatCannotBeWrittenKeepsTheOldFile) {
    TempFolder folder;
    const fs::path file = folder.path() / "game.棋譜";
    writeBytes(file, "old game");
    using fs::perms;
    fs::permissions(folder.path(), perms::owner_read | perms::owner_exec | perms::group_read |
                                       perms::group_exec | perms::others_read | perms::others_exec);
    const std::optional<std::string> reason =
        saveInChild({gameHeader(), randomEntries(3, 1)}, file, ::geteuid() == 0 ? becomeNobody : keepRights);
    if (!reason)
        GTEST_SKIP() << "running as root, which writes into read-only folders, and the save "
                        "could not be run as the user nobody instead";
    EXPECT_EQ(*reason, std::make_error_code(std::errc::permission_denied).message());
    EXPECT_EQ(bytesOf(file), "old game");
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"game.棋譜"});
}

TEST(KifuSaving, WriteThatRunsOutOfSpaceKeepsTheOldFile) {
    TempFolder folder;
    const fs::path file = folder.path() / "game.棋譜";
    const Kifu old{gameHeader(), randomEntries(10, 9)};
    ASSERT_FALSE(record::saveKifu(old, file).has_value());
    const std::string oldBytes = bytesOf(file);

    const Kifu longer{gameHeader(), randomEntries(500, 10)};
    EXPECT_EQ(saveInChild(longer, file, limitFilesTo4KiB),
              std::make_error_code(std::errc::file_too_large).message());
    EXPECT_EQ(bytesOf(file), oldBytes);
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"game.棋譜"});

    // The same save with room enough succeeds: the limit was the only obstacle.
    EXPECT_EQ(saveInChild(longer, file, keepRights), "saved");
    EXPECT_EQ(bytesOf(file), record::kifuText(longer));
}

}  // namespace

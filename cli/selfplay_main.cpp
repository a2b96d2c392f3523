// The self-play command: options, one line per game, the totals, the files.
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

#include "cli/commands.h"
#include "cli/selfplay.h"
#include "record/kifu_format.h"
#include "search/levels.h"
#include "state/game.h"

namespace cli {

namespace {

int usage(const char* why) {
    std::fprintf(stderr,
                 "error %s\nusage: nuedori-cli selfplay --games N --level L [--lower-level L] [--limit N] "
                 "[--random-plies K] [--seed S] [--out DIR] [--check] "
                 "[--clock sudden:M | fischer:M:S | byoyomi:M:S]\n"
                 "       nuedori-cli review FILE [--nodes N] [--scores]\n"
                 "       nuedori-cli convert IN OUT   (each .棋譜, .kifu or .kif)\n"
                 "       nuedori-cli   (commands on standard input, among them position [TEXT], legal, "
                 "play TOKEN)\n",
                 why);
    return 2;
}

// sudden:M, fischer:M:S or byoyomi:M:S (state/clock.h); "none" is no clock
// to ask for.
bool parseClock(std::string_view text, state::TimeControl& clock) {
    const std::optional<state::TimeControl> named = state::timeControlNamed(text);
    if (!named || named->kind == state::ClockKind::None) return false;
    clock = *named;
    return true;
}

bool parseOptions(int argc, char** argv, SelfPlayOptions& o, const char*& why) {
    bool haveGames = false, haveLevel = false;
    for (int i = 2; i < argc; ++i) {
        const std::string_view name = argv[i];
        if (name == "--check") {
            o.check = true;
            continue;
        }
        if (i + 1 >= argc) {
            why = "an option without its value";
            return false;
        }
        const std::string_view value = argv[++i];
        int n = 0;
        if (name == "--games" && parseNumber(value, 0, 1000000, n)) {
            o.games = n;
            haveGames = true;
        } else if (name == "--level" && parseNumber(value, 1, search::kStrongestLevel, n)) {
            o.level = n;
            haveLevel = true;
        } else if (name == "--lower-level" && parseNumber(value, 1, search::kStrongestLevel, n)) {
            o.lowerLevel = n;
        } else if (name == "--limit" && parseNumber(value, 0, 2000000000, n)) {
            o.limit = n;
        } else if (name == "--random-plies" && parseNumber(value, 0, 1000000, n)) {
            o.randomPlies = n;
        } else if (name == "--seed" && parseNumber(value, 0, 2147483647, n)) {
            o.seed = static_cast<unsigned>(n);
        } else if (name == "--clock" && parseClock(value, o.clock)) {
        } else if (name == "--out") {
            o.outDir = std::string(value);
        } else {
            why = "unknown option or value out of range";
            return false;
        }
    }
    why = "--games and --level are needed";
    return haveGames && haveLevel;
}

std::string fileName(int index) {
    char name[32];
    std::snprintf(name, sizeof name, "selfplay-%03d.棋譜", index);
    return name;
}

std::string save(const state::Game& g, const SelfPlayOptions& o, int index) {
    // The Nue King's side moves first: the lower side in odd games.
    const int first = index % 2 == 1 ? -1 : 1;
    const record::Kifu kifu = record::kifuFromRecord(
        g.record, {record::dateTimeLine(std::chrono::system_clock::now()),
                   record::対局者行(true, levelOf(o, first)), record::対局者行(false, levelOf(o, -first))});
    const std::filesystem::path path = std::filesystem::path(o.outDir) / fileName(index);
    if (const auto failed = record::saveKifu(kifu, path)) return failed->reason;
    if (!o.check) return {};
    // The file as the window would load it must give back the same game.
    const record::ReadResult read = record::readKifuFile(path);
    const record::Kifu* loaded = std::get_if<record::Kifu>(&read);
    if (!loaded) return "the saved file does not read back";
    if (loaded->entries != kifu.entries) return "the saved file reads back other moves";
    return {};
}

const char* winnerText(state::Outcome o) { return o == state::Outcome::UpperWins ? "upper" : "lower"; }

}  // namespace

int selfplayMain(int argc, char** argv) {
    if (std::string_view(argv[1]) != "selfplay") return usage("unknown command");
    SelfPlayOptions o;
    const char* why = "";
    if (!parseOptions(argc, argv, o, why)) return usage(why);
    if (!o.outDir.empty()) {
        std::error_code made;
        std::filesystem::create_directories(o.outDir, made);
        if (made) return usage("the --out folder cannot be made");
    }
    state::NullPort port;
    state::Game g{port};
    int totals[3] = {0, 0, 0};
    int failures = 0, timeLosses = 0;
    for (int i = 1; i <= o.games; ++i) {
        const SelfPlayGame game = playSelfPlayGame(g, i, o);
        const bool onTime = game.outcome.reason == state::EndReason::OutOfTime;
        ++totals[game.outcome == state::Outcome::UpperWins   ? 0
                 : game.outcome == state::Outcome::LowerWins ? 1
                                                             : 2];
        timeLosses += onTime ? 1 : 0;
        if (game.outcome == state::Outcome::Draw)
            std::printf("game %d: draw in %d moves\n", i, game.moves);
        else
            std::printf("game %d: %s%s in %d moves\n", i, winnerText(game.outcome), onTime ? " on time" : "",
                        game.moves);
        if (game.longestStrongMove > 0)
            std::fprintf(stderr, "game %d: the search's longest move %.3f s\n", i, game.longestStrongMove);
        if (!game.problem.empty()) {
            std::fprintf(stderr, "game %d: %s\n", i, game.problem.c_str());
            ++failures;
        }
        if (!o.outDir.empty()) {
            const std::string problem = save(g, o, i);
            if (!problem.empty()) {
                std::fprintf(stderr, "game %d: not saved: %s\n", i, problem.c_str());
                ++failures;
            }
        }
        std::fflush(stdout);
    }
    std::printf("total: %d upper, %d lower, %d draws", totals[0], totals[1], totals[2]);
    // Time losses are counted only where there is a clock to lose on.
    if (o.clock.kind != state::ClockKind::None) std::printf(", %d time losses", timeLosses);
    std::printf("\n");
    return failures == 0 ? 0 : 1;
}

}  // namespace cli

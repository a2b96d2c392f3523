// The review of a saved record on the command line.
#include "cli/review_command.h"

#include <cstdio>
#include <string_view>
#include <variant>

#include "cli/commands.h"
#include "cli/exchange_commands.h"
#include "record/kifu_format.h"

namespace cli {

namespace {

constexpr int kMaxNodes = 2000000000;

const char* sideName(int side) { return side > 0 ? "upper" : "lower"; }

std::string square(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

int usage(const char* why) {
    std::fprintf(stderr, "error %s\nusage: nuedori-cli review FILE [--nodes N] [--scores]\n", why);
    return 2;
}

int refuse(const std::string& reason) {
    std::printf("error %s\n", reason.c_str());
    return 1;
}

std::string sideSummary(const char* name, const review::SideSummary& s) {
    char text[96];
    std::snprintf(text, sizeof text, " %s %d %d %d %.1f", name, s.inaccuracies, s.mistakes, s.blunders,
                  s.accuracy);
    return text;
}

const char* resultName(state::Outcome o) {
    switch (o.result) {
        case state::Outcome::UpperWins: return "upper";
        case state::Outcome::LowerWins: return "lower";
        case state::Outcome::Draw: return "draw";
        case state::Outcome::Continues: return "unfinished";
    }
    return "unfinished";
}

const char* armyName(review::Army a) {
    return a == review::Army::Full ? "full" : (a == review::Army::Nue ? "nue" : "even");
}

void printScores(const review::Result& r) {
    for (std::size_t i = 0; i < r.positions.size(); ++i)
        if (r.positions[i].searched)
            std::printf("position %zu side %s army %s score %d\n", i, sideName(r.positions[i].side),
                        armyName(r.positions[i].army), r.positions[i].score);
    std::printf("result %s\n", resultName(r.outcome));
}

}  // namespace

std::string reviewSquares(const state::Move& m) {
    // Appended piece by piece: GCC 12 at -O3 takes "-" + a short string for
    // an overlapping copy (-Wrestrict).
    std::string out = square(m.fromX, m.fromY);
    (out += '-') += square(m.toX, m.toY);
    if (m.twoStep) (out += '-') += square(m.toX2, m.toY2);
    return out;
}

std::string reviewLine(const review::MoveReview& m) {
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, " win %.3f loss %.3f grade ", m.win, m.loss);
    return "ply " + std::to_string(m.ply) + " side " + sideName(m.side) + " played " +
           reviewSquares(m.played) + " best " + reviewSquares(m.best) + numbers +
           std::string(review::評価の名前(m.grade));
}

std::string summaryLine(const review::Result& r) {
    return "summary" + sideSummary("lower", r.lower) + sideSummary("upper", r.upper);
}

int reviewMain(int argc, char** argv) {
    std::string file;
    review::Request request;
    bool scores = false;
    for (int i = 2; i < argc; ++i) {
        const std::string_view word = argv[i];
        int n = 0;
        if (word == "--scores") {
            scores = true;
        } else if (word == "--nodes") {
            if (i + 1 >= argc || !parseNumber(argv[++i], 1, kMaxNodes, n))
                return usage("--nodes: 1 to 2000000000");
            request.nodes = static_cast<std::uint64_t>(n);
        } else if (file.empty() && !word.starts_with("--")) {
            file = word;
        } else {
            return usage("unknown option");
        }
    }
    if (file.empty()) return usage("no record named");
    const record::ReadResult read = record::readKifuFile(file);
    if (const auto* e = std::get_if<record::ReadError>(&read)) return refuse(kifuReason(*e));
    request.record = record::recordFromKifu(std::get<record::Kifu>(read));
    request.start = review::初期局面(request.record);
    const review::Result r = review::検討(request);
    if (r.status == review::Result::Status::IllegalMove)
        return refuse("move " + std::to_string(r.badPly) + " is not legal there");
    if (scores) {
        printScores(r);
        return 0;
    }
    for (const review::MoveReview& m : r.moves) std::printf("%s\n", reviewLine(m).c_str());
    std::printf("%s\n", summaryLine(r).c_str());
    return 0;
}

}  // namespace cli

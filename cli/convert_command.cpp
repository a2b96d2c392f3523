// Converting game records between the game's own file and KIF.
#include "cli/convert_command.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <variant>

#include "cli/exchange_commands.h"
#include "record/kif_format.h"
#include "record/record_moves.h"
#include "record/safe_file.h"

namespace cli {

namespace {

enum class Format { Kifu, KifUtf8, KifShiftJis, Unknown };

Format formatOf(std::string_view name) {
    if (name.ends_with(".棋譜")) return Format::Kifu;
    if (name.ends_with(".kifu")) return Format::KifUtf8;
    if (name.ends_with(".kif")) return Format::KifShiftJis;
    return Format::Unknown;
}

int usage(const char* why) {
    std::fprintf(stderr, "error %s\nusage: nuedori-cli convert IN OUT   (each .棋譜, .kifu or .kif)\n", why);
    return 2;
}

int refuse(const std::string& reason) {
    std::printf("error %s\n", reason.c_str());
    return 1;
}

// Every move of a record file, as the rules would play it from its start:
// the first that is not is named with its number and token.
std::string recordFault(const record::KifGame& g) {
    state::MoveRecord played;
    played.placed[0] = state::歩;
    rules::Position p(g.start, played, g.firstMover);
    int number = 0;
    for (int k = 1; k <= g.record.last; k = record::手の最後(g.record, k) + 1) {
        const state::Move m = record::記録の手(g.record, k);
        const std::string token = record::moveToken(m);
        const auto resolved = record::resolveToken(p, token);
        ++number;
        if (const auto* e = std::get_if<record::TokenError>(&resolved))
            return "move " + std::to_string(number) + " (" + token + "): " + tokenReason(*e);
        if (!(std::get<state::Move>(resolved) == m))
            return "move " + std::to_string(number) + " (" + token + "): not what the record says it takes";
        p.着手(m);
    }
    return {};
}

std::variant<record::KifGame, std::string> readGame(const std::string& in, Format f) {
    if (f != Format::Kifu) {
        record::KifRead read = record::readKifFile(in);
        if (const auto* e = std::get_if<record::KifError>(&read)) return kifReason(*e);
        return std::get<record::KifGame>(std::move(read));
    }
    const record::ReadResult read = record::readKifuFile(in);
    if (const auto* e = std::get_if<record::ReadError>(&read)) return kifuReason(*e);
    record::KifGame g = record::kifFromKifu(std::get<record::Kifu>(read));
    if (std::string fault = recordFault(g); !fault.empty()) return fault;
    return g;
}

std::string writeKifu(const record::KifGame& g, const std::string& out) {
    auto kifu = record::kifuFromKif(g);
    if (const auto* r = std::get_if<record::KifuRefusal>(&kifu))
        return *r == record::KifuRefusal::NoMoves
                   ? "a record file needs a move"
                   : "a record file holds a game from the start position of the side that moves first";
    record::Kifu& k = std::get<record::Kifu>(kifu);
    if (k.header[0].empty()) k.header[0] = record::dateTimeLine(std::chrono::system_clock::now());
    if (const auto failed = record::saveKifu(k, out)) return failed->reason;
    return {};
}

std::string writeKif(const record::KifGame& g, const std::string& out, Format f) {
    const auto bytes = record::kifBytes(
        g, f == Format::KifShiftJis ? record::KifEncoding::ShiftJis : record::KifEncoding::Utf8);
    if (!bytes) return "a name or comment cannot be written in Shift_JIS";
    if (const auto failed = record::saveFile(*bytes, out)) return failed->reason;
    return {};
}

}  // namespace

int convertMain(int argc, char** argv) {
    if (argc != 4) return usage("convert takes IN and OUT");
    const std::string in = argv[2], out = argv[3];
    const Format from = formatOf(in), to = formatOf(out);
    if (from == Format::Unknown || to == Format::Unknown)
        return usage("IN and OUT end in .棋譜, .kifu or .kif");
    const auto game = readGame(in, from);
    if (const auto* reason = std::get_if<std::string>(&game)) return refuse(*reason);
    const record::KifGame& g = std::get<record::KifGame>(game);
    const std::string failed = to == Format::Kifu ? writeKifu(g, out) : writeKif(g, out, to);
    return failed.empty() ? 0 : refuse(failed);
}

}  // namespace cli

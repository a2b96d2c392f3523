// Feeds arbitrary bytes to the readers of positions and moves as text: the
// whole input as a KIF file, its first line as a position text and its
// second as a move token against that position and against a start. What a
// reader accepts must write back to text it accepts again, unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "record/exchange.h"
#include "record/kif_format.h"

namespace {

rules::Position positionOf(const record::TextPosition& p) {
    state::MoveRecord r;
    r.placed[0] = 1;
    return rules::Position(p.board, r, p.side);
}

void checkKif(std::string_view bytes) {
    const record::KifRead read = record::parseKif(bytes);
    const auto* game = std::get_if<record::KifGame>(&read);
    if (!game) return;
    const std::string text = record::kifText(*game);
    const record::KifRead again = record::parseKif(text);
    const auto* same = std::get_if<record::KifGame>(&again);
    if (!same || record::kifText(*same) != text) std::abort();
}

void checkToken(const rules::Position& p, std::string_view token) {
    const auto read = record::resolveToken(p, token);
    if (const auto* m = std::get_if<state::Move>(&read))
        if (record::moveToken(*m) != token) std::abort();
}

void checkPosition(std::string_view text, std::string_view token) {
    const record::PositionRead read = record::readPosition(text);
    const auto* p = std::get_if<record::TextPosition>(&read);
    if (!p) return;
    const record::PositionRead again = record::readPosition(record::positionText(*p));
    const auto* same = std::get_if<record::TextPosition>(&again);
    if (!same || !(*same == *p)) std::abort();
    checkToken(positionOf(*p), token);
    for (const std::string& t : record::legalTokens(positionOf(*p))) checkToken(positionOf(*p), t);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkKif(bytes);
    const std::size_t end = bytes.find('\n');
    const std::string_view first = bytes.substr(0, end);
    const std::string_view second =
        end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
    checkPosition(first, second.substr(0, second.find('\n')));
    const auto start = std::get<record::TextPosition>(record::readPosition(record::kNueKingBelow));
    checkToken(positionOf(start), first);
    return 0;
}

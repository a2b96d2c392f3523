// Feeds arbitrary bytes to the kept game's reader, as start-up reads the
// game in progress and 最近の対局 the facts beside a record: a text it
// accepts is written and read back the same, and a game to go on with is
// set up as start-up sets it up, its record and first position kept whole.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "control/commands.h"
#include "control/kept_game.h"
#include "record/kept_game.h"
#include "record/record_facts.h"
#include "state/game.h"

namespace {

void expectSane(const state::Game& g) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (!state::isPieceCode(g.board(x, y)) && g.board(x, y) != state::空) std::abort();
    if (g.record.counter < 0 || g.record.counter > g.record.last || g.record.last > 500) std::abort();
}

// The game as start-up leaves it, kept again, with the facts that are the
// player's (not the record's) taken from what was read.
std::string keptAgain(const state::Game& g, const record::KeptGame& read) {
    record::KeptGame again = control::保存用の対局(g);
    again.state = read.state;
    again.gameKind = read.gameKind;
    again.lowerToken = read.lowerToken;
    again.turn = read.turn;
    again.level = read.level;
    again.moveNumber = read.moveNumber;
    again.reversed = read.reversed;
    again.teaching = read.teaching;
    again.music = read.music;
    again.clocks = read.clocks;
    again.outcome = read.outcome;
    return record::keptGameText(again);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const record::KeptGameRead read = record::parseKeptGame(bytes);
    const auto* kept = std::get_if<record::KeptGame>(&read);
    if (kept == nullptr) return 0;
    const std::string text = record::keptGameText(*kept);
    const record::KeptGameRead back = record::parseKeptGame(text);
    const auto* same = std::get_if<record::KeptGame>(&back);
    if (same == nullptr || record::keptGameText(*same) != text) std::abort();
    const record::RecordFacts facts = record::対局の事実(*kept, kept->outcome);
    if (facts.moves < 0 || facts.moves > kept->record.last) std::abort();
    if (kept->state == record::KeptState::None) return 0;

    state::NullPort port;
    state::Game g{port};
    control::Form_Load(g);
    control::対局を再開(g, *kept);
    expectSane(g);
    if (keptAgain(g, *kept) != text) std::abort();
    return 0;
}

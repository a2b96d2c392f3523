// Feeds arbitrary bytes to the kifu reader; a file it accepts is loaded into
// a game as the window loads it and stepped to its end and back.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "control/commands.h"
#include "record/kifu_format.h"
#include "state/game.h"

namespace {

void expectSane(const state::Game& g) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (g.board(x, y) < -15 || g.board(x, y) > 15) std::abort();
    if (g.record.counter < 0 || g.record.counter > g.record.last || g.record.last > 500) std::abort();
}

std::string scratchFile() { return "/tmp/nuedori-fuzz-" + std::to_string(::getpid()) + ".棋譜"; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const record::ReadResult read = record::parseKifu(bytes);
    if (!std::holds_alternative<record::Kifu>(read)) return 0;
    static const std::string path = scratchFile();
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    state::NullPort port;
    state::Game g{port};
    control::Form_Load(g);
    control::File1_Click(g, path);
    const int last = g.record.last;
    if (last != static_cast<int>(std::get<record::Kifu>(read).entries.size())) std::abort();
    for (int i = 0; i <= last; ++i) {
        control::AFTER_Click(g);
        expectSane(g);
    }
    if (g.record.counter != last) std::abort();
    for (int i = 0; i <= last; ++i) {
        control::REPLAY_Click(g);
        expectSane(g);
    }
    if (g.record.counter != 0) std::abort();
    return 0;
}

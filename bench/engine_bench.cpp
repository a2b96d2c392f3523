// Timings of the influence maps, the pin investigation, both mate tests and
// the computer's turn (search and move, no waits, nothing drawn). Before the
// timings it prints the signature of the computer's play on the two
// middlegame positions at each level, so that a change of play shows at once.
#include <benchmark/benchmark.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <sstream>
#include <string>

#include "control/computer_turn.h"
#include "engine/computer_move.h"
#include "engine/influence.h"
#include "engine/mate.h"
#include "engine/pins.h"
#include "rules/initial_position.h"
#include "state/game.h"

namespace {

// Board order: 81 codes, row 1 first, columns 1..9 within a row.
state::Board fromBoardOrder(const char* codes) {
    std::istringstream in(codes);
    state::Board b;
    for (int i = 0; i < 81; ++i) in >> b(i % 9 + 1, i / 9 + 1);
    return b;
}

// The two middlegame positions of the computer's turn: the Nue King against
// the army, the army to move.
const char* const kMiddlegames[] = {
    "3 5 7 0 15 9 7 5 3 0 0 0 0 9 0 0 0 0 1 0 1 1 1 1 0 1 1 0 0 0 0 0 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 "
    "-14 0 0 0 0 0 0 11 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 13 0 0 0 0 0 0 0 0",
    "3 5 7 0 0 0 0 5 0 10 0 0 0 0 9 7 15 3 1 1 0 0 1 1 0 0 0 0 0 1 1 9 0 13 1 0 0 0 0 0 0 0 0 0 1 0 0 "
    "0 0 0 0 0 -14 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0",
};

// A crowded position with both armies, each king in check on its file (a
// lance, a rook) with no square to step to, so that both mate tests go on
// to try moves onto the marked squares.
const char* const kCrowded =
    "3 5 0 9 15 9 0 5 3 "
    "0 10 0 7 0 7 0 12 0 "
    "1 1 1 1 0 1 1 1 1 "
    "0 0 0 0 0 0 0 0 0 "
    "0 0 0 -1 0 1 0 0 0 "
    "0 0 0 0 -3 0 0 0 0 "
    "-1 -1 -1 0 10 -1 -1 -1 -1 "
    "0 -12 0 -7 0 -7 0 -10 0 "
    "-3 -5 0 -9 -15 -9 0 -5 0";

state::Board position(int which) {
    state::NullPort port;
    state::Game g{port};
    if (which == 0) rules::初期設定_先手自(g);
    if (which == 1) rules::初期設定_先手敵(g);
    if (which == 2) return fromBoardOrder(kCrowded);
    return g.board;
}

const char* const kPositionNames[] = {"human first", "computer first", "crowded middlegame"};

// A game on the position with its maps up to date, as game control leaves them.
struct Prepared {
    state::NullPort port;
    state::Game g{port};
    explicit Prepared(const state::Board& board) {
        g.board = board;
        g.state.stepState = 1;
        g.record.placed[0] = 1;
        bringMapsUpToDate();
    }
    void bringMapsUpToDate() { engine::勢力調査_両軍(g); }
};

void BM_SurveyMan(benchmark::State& state) {
    Prepared p(position(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        engine::勢力調査_MAN(p.g);
        benchmark::DoNotOptimize(p.g.maps.manCount);
    }
    state.SetLabel(kPositionNames[state.range(0)]);
}

void BM_SurveyCom(benchmark::State& state) {
    Prepared p(position(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        engine::勢力調査_COM(p.g);
        benchmark::DoNotOptimize(p.g.maps.comCount);
    }
    state.SetLabel(kPositionNames[state.range(0)]);
}

void BM_Pins(benchmark::State& state) {
    Prepared p(position(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        engine::調査_移動不可駒(p.g);
        benchmark::DoNotOptimize(p.g.pins);
    }
    state.SetLabel(kPositionNames[state.range(0)]);
}

void BM_MateMan(benchmark::State& state) {
    Prepared p(position(static_cast<int>(state.range(0))));
    int mated = 0;
    for (auto _ : state) benchmark::DoNotOptimize(mated = engine::詰めかMAN(p.g));
    state.SetLabel(std::string(kPositionNames[state.range(0)]) + (mated ? ", mated" : ", not mated"));
}

// The computer-side test rewrites the human maps with its trial surveys:
// every run starts again from the maps of the position (a copy, timed too).
void BM_MateCom(benchmark::State& state) {
    Prepared p(position(static_cast<int>(state.range(0))));
    const state::InfluenceMaps maps = p.g.maps;
    int mated = 0;
    for (auto _ : state) {
        p.g.maps = maps;
        benchmark::DoNotOptimize(mated = engine::詰めかCOM(p.g));
    }
    state.SetLabel(std::string(kPositionNames[state.range(0)]) + (mated ? ", mated" : ", not mated"));
}

// One turn of the computer: the maps brought up to date as game control
// does, the search, and the move (with a second Nue King step when asked).
struct TurnResult {
    engine::Choice best;
    std::optional<state::Move> second;
};

TurnResult computerTurn(Prepared& p, const state::Board& board) {
    p.g.board = board;
    p.g.record.counter = p.g.record.last = 0;
    p.bringMapsUpToDate();
    TurnResult r;
    r.best = engine::指し手探索(p.g);
    if (!r.best.found) return r;
    control::指し手実行(p.g, r.best.move);
    if (engine::二手目要求(r.best))
        r.second = control::com_ban2手目(p.g, r.best.move.toX, r.best.move.toY, state::鵺王);
    return r;
}

std::uint64_t mix(std::uint64_t h, std::uint64_t v) { return (h ^ v) * 0x100000001b3ULL; }

std::uint64_t signatureOf(const TurnResult& r) {
    std::uint64_t h = 0xcbf29ce484222325ULL;
    const state::Move& m = r.best.move;
    // A second step not played counts as square (0, 0).
    for (int v : {m.fromX, m.fromY, m.toX, m.toY, m.moved, m.placed, r.second ? r.second->toX : 0,
                  r.second ? r.second->toY : 0})
        h = mix(h, static_cast<std::uint64_t>(v));
    return mix(h, std::bit_cast<std::uint64_t>(r.best.score));
}

std::string describe(const TurnResult& r) {
    char text[96];
    const state::Move& m = r.best.move;
    std::snprintf(text, sizeof text, "%d,%d->%d,%d %d %.4f", m.fromX, m.fromY, m.toX, m.toY, m.placed,
                  r.best.score);
    std::string out = text;
    if (r.second) out += " second " + std::to_string(r.second->toX) + "," + std::to_string(r.second->toY);
    return out;
}

void BM_ComputerTurn(benchmark::State& state) {
    const state::Board board = fromBoardOrder(kMiddlegames[state.range(0)]);
    Prepared p(board);
    p.g.state.level = static_cast<int>(state.range(1));
    TurnResult r;
    for (auto _ : state) {
        r = computerTurn(p, board);
        benchmark::DoNotOptimize(r);
    }
    state.SetLabel("position " + std::to_string(state.range(0) + 1) + ", level " +
                   std::to_string(state.range(1)) + ": " + describe(r));
}

// The signature of the play on both middlegame positions at every level.
void printSignature() {
    std::uint64_t all = 0xcbf29ce484222325ULL;
    for (int which = 0; which < 2; ++which) {
        const state::Board board = fromBoardOrder(kMiddlegames[which]);
        for (int level = 1; level <= 3; ++level) {
            Prepared p(board);
            p.g.state.level = level;
            const TurnResult r = computerTurn(p, board);
            std::printf("position %d level %d: %s\n", which + 1, level, describe(r).c_str());
            all = mix(all, signatureOf(r));
        }
    }
    std::printf("signature %016llx\n", static_cast<unsigned long long>(all));
}

}  // namespace

BENCHMARK(BM_SurveyMan)->DenseRange(0, 2);
BENCHMARK(BM_SurveyCom)->DenseRange(0, 2);
BENCHMARK(BM_Pins)->DenseRange(0, 2);
BENCHMARK(BM_MateMan)->DenseRange(0, 2);
BENCHMARK(BM_MateCom)->DenseRange(0, 2);
BENCHMARK(BM_ComputerTurn)->ArgsProduct({{0, 1}, {1, 2, 3}});

int main(int argc, char** argv) {
    printSignature();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

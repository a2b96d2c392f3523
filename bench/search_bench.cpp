// Speed of the level-four player: nodes per second of its search on the
// benchmark positions (a fixed node budget each, so every run searches the
// same tree), and the speed of its move generation by perft. Before the
// timings it prints the moves chosen and a signature of them, so that a
// change of play shows at once.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

#include "rules/initial_position.h"
#include "search/move_generation.h"
#include "search/perft.h"
#include "search/search.h"
#include "state/game_data.h"

namespace {

constexpr std::uint64_t kNodesPerPosition = 1000000;

// Random but fixed plies from a start, for middlegames.
search::Position afterRandomPlies(search::Position p, int plies, unsigned seed) {
    std::mt19937 rng(seed);
    for (int i = 0; i < plies; ++i) {
        search::MoveList list;
        search::generateMoves(p, list, search::GenerationMode::Distinct);
        if (list.size == 0) break;
        search::Position next = p;
        next.make(list.moves[rng() % static_cast<unsigned>(list.size)]);
        if (next.hasRoyal(1) && next.hasRoyal(-1)) p = next;
    }
    return p;
}

// Both starts, each side to move, and middlegames of each start.
std::vector<search::Position> benchmarkPositions() {
    state::GameData human, computer;
    rules::初期設定_先手自(human);
    rules::初期設定_先手敵(computer);
    std::vector<search::Position> out;
    for (const state::GameData* g : {&human, &computer})
        for (int side : {1, -1}) {
            const search::Position start = search::fromGame(g->board, state::MoveRecord{}, side);
            out.push_back(start);
            for (unsigned seed : {1u, 2u}) out.push_back(afterRandomPlies(start, 16, seed));
        }
    return out;
}

void printSignature() {
    std::uint64_t signature = 0, nodes = 0;
    double seconds = 0;
    search::Searcher searcher(32);
    for (const search::Position& p : benchmarkPositions()) {
        search::Limits limits;
        limits.nodes = kNodesPerPosition;
        const search::Choice c = searcher.choose(p, limits);
        signature = signature * 1099511628211ull ^ (c.move + static_cast<std::uint64_t>(c.score + 65536));
        nodes += c.nodes;
        seconds += c.seconds;
        std::printf("level four: (%d,%d)->(%d,%d)%s depth %d score %d nodes %llu in %.3f s\n", c.played.fromX,
                    c.played.fromY, c.played.toX, c.played.toY, c.played.twoStep ? " two steps" : "", c.depth,
                    c.score, static_cast<unsigned long long>(c.nodes), c.seconds);
    }
    std::printf("level four: %llu nodes in %.3f s, %.0f nodes per second, signature %016llx\n",
                static_cast<unsigned long long>(nodes), seconds, static_cast<double>(nodes) / seconds,
                static_cast<unsigned long long>(signature));
}

void BM_SearchNodesPerSecond(benchmark::State& state) {
    const std::vector<search::Position> positions = benchmarkPositions();
    search::Searcher searcher(32);
    std::uint64_t nodes = 0;
    for (auto _ : state)
        for (const search::Position& p : positions) {
            search::Limits limits;
            limits.nodes = static_cast<std::uint64_t>(state.range(0));
            nodes += searcher.choose(p, limits).nodes;
        }
    state.counters["nodes_per_second"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SearchNodesPerSecond)->Arg(200000)->Unit(benchmark::kMillisecond);

void BM_Perft(benchmark::State& state) {
    std::vector<search::Position> starts = benchmarkPositions();
    std::uint64_t leaves = 0;
    for (auto _ : state)
        for (search::Position& p : starts) leaves += search::perft(p, static_cast<int>(state.range(0)));
    state.counters["leaves_per_second"] =
        benchmark::Counter(static_cast<double>(leaves), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Perft)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    printSignature();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

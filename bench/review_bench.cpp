// The review of a game of 100 moves (a level-four self-play game,
// bench/review-100.棋譜) at the default budget per position, on one thread
// and on two: the window and nuedori-cli review use two. Before the timings
// it prints the summary line and a signature of the grades, so a change of
// the review shows at once. The target: within 30 s on a two-core machine.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <variant>

#include "record/kifu_format.h"
#include "review/game_review.h"

namespace {

review::Request benchmarkGame(int threads) {
    const record::ReadResult read = record::readKifuFile(NUEDORI_REVIEW_GAME);
    review::Request q;
    if (const auto* kifu = std::get_if<record::Kifu>(&read)) q.record = record::recordFromKifu(*kifu);
    q.start = review::初期局面(q.record);
    q.threads = threads;
    return q;
}

void printSignature() {
    const review::Result r = review::検討(benchmarkGame(2));
    std::uint64_t signature = 14695981039346656037ull;
    for (const review::MoveReview& m : r.moves) {
        signature = (signature ^ static_cast<std::uint64_t>(m.grade)) * 1099511628211ull;
        signature = (signature ^ static_cast<std::uint64_t>(m.win * 1000 + 0.5)) * 1099511628211ull;
    }
    std::printf(
        "review: %zu moves, %llu nodes; summary lower %d %d %d %.1f upper %d %d %d %.1f; signature %016llx\n",
        r.moves.size(), static_cast<unsigned long long>(r.nodes), r.lower.inaccuracies, r.lower.mistakes,
        r.lower.blunders, r.lower.accuracy, r.upper.inaccuracies, r.upper.mistakes, r.upper.blunders,
        r.upper.accuracy, static_cast<unsigned long long>(signature));
}

void BM_ReviewHundredMoves(benchmark::State& state) {
    const review::Request q = benchmarkGame(static_cast<int>(state.range(0)));
    std::size_t moves = 0;
    for (auto _ : state) moves = review::検討(q).moves.size();
    state.counters["moves"] = static_cast<double>(moves);
}
BENCHMARK(BM_ReviewHundredMoves)->Arg(1)->Arg(2)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    printSignature();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

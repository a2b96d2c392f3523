// Positions and moves as text: 100,000 position texts written and read, and
// 100,000 move tokens written and read against their positions (each read
// finds its move among the legal moves). The positions come from random
// games from both starts, so the texts hold every kind of rank and the
// tokens every kind of move. The target: each batch well under a second.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <variant>
#include <vector>

#include "record/exchange.h"

namespace {

constexpr int kBatch = 100000;

struct Sample {
    std::vector<record::TextPosition> positions;
    std::vector<rules::Position> asked;  // the same positions, for the rules
    std::vector<state::Move> moves;      // a legal move of each
};

const Sample& sample() {
    static const Sample s = [] {
        Sample out;
        std::mt19937 random(1);
        for (const std::string_view start : {record::kNueKingBelow, record::kNueKingAbove})
            for (int game = 0; game < 20; ++game) {
                const auto text = std::get<record::TextPosition>(record::readPosition(start));
                state::MoveRecord r;
                r.placed[0] = 1;
                rules::Position p(text.board, r, text.side);
                for (int ply = 0; ply < 60; ++ply) {
                    const std::vector<state::Move> legal = record::legalMoves(p);
                    if (legal.empty()) break;
                    out.positions.push_back({p.board(), p.side(), ply + 1});
                    out.asked.push_back(p);
                    out.moves.push_back(legal[random() % legal.size()]);
                    p.着手(out.moves.back());
                }
            }
        return out;
    }();
    return s;
}

void BM_WritePositionTexts(benchmark::State& state) {
    const Sample& s = sample();
    for (auto _ : state)
        for (int i = 0; i < kBatch; ++i)
            benchmark::DoNotOptimize(
                record::positionText(s.positions[static_cast<std::size_t>(i) % s.positions.size()]));
    state.SetItemsProcessed(state.iterations() * kBatch);
}
BENCHMARK(BM_WritePositionTexts)->Unit(benchmark::kMillisecond);

void BM_ReadPositionTexts(benchmark::State& state) {
    std::vector<std::string> texts;
    for (const record::TextPosition& p : sample().positions) texts.push_back(record::positionText(p));
    for (auto _ : state)
        for (int i = 0; i < kBatch; ++i)
            benchmark::DoNotOptimize(record::readPosition(texts[static_cast<std::size_t>(i) % texts.size()]));
    state.SetItemsProcessed(state.iterations() * kBatch);
}
BENCHMARK(BM_ReadPositionTexts)->Unit(benchmark::kMillisecond);

void BM_WriteMoveTokens(benchmark::State& state) {
    const Sample& s = sample();
    for (auto _ : state)
        for (int i = 0; i < kBatch; ++i)
            benchmark::DoNotOptimize(
                record::moveToken(s.moves[static_cast<std::size_t>(i) % s.moves.size()]));
    state.SetItemsProcessed(state.iterations() * kBatch);
}
BENCHMARK(BM_WriteMoveTokens)->Unit(benchmark::kMillisecond);

void BM_ReadMoveTokens(benchmark::State& state) {
    const Sample& s = sample();
    std::vector<std::string> tokens;
    for (const state::Move& m : s.moves) tokens.push_back(record::moveToken(m));
    for (auto _ : state)
        for (int i = 0; i < kBatch; ++i) {
            const std::size_t at = static_cast<std::size_t>(i) % tokens.size();
            benchmark::DoNotOptimize(record::resolveToken(s.asked[at], tokens[at]));
        }
    state.SetItemsProcessed(state.iterations() * kBatch);
}
BENCHMARK(BM_ReadMoveTokens)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

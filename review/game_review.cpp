#include "review/game_review.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <thread>

#include "record/record_moves.h"
#include "rules/initial_position.h"
#include "rules/position.h"
#include "search/attacks.h"
#include "search/move_generation.h"
#include "search/search.h"
#include "state/game_data.h"

namespace review {

namespace {

// Each worker's table: ample for the default budget. Its size is part of
// the answer (the table decides what the search remembers), so the window
// and the command line share it.
constexpr std::size_t kTableMegabytes = 16;

struct Ply {
    rules::Position before;
    state::Move played;  // as the position lists it, with what it takes
    int first = 0, last = 0;
};

// The record replayed by the rules: the move before every position, and
// every position as the search sees it.
struct Replay {
    std::vector<Ply> plies;
    std::vector<search::Position> positions;  // 0 .. plies.size()
    state::Outcome outcome;
    int badPly = 0;
};

Replay replay(const Request& q) {
    Replay out;
    state::MoveRecord r = q.record;
    r.counter = 0;
    rules::Position position(q.start, r, record::初手の側(r));
    out.positions.push_back(search::fromGame(position.board(), r, position.side()));
    for (int k = 1; k <= r.last; k = r.counter + 1) {
        const state::Move wanted = record::記録の手(r, k);
        const std::vector<state::Move> legal = position.合法手();
        const auto found =
            std::find_if(legal.begin(), legal.end(), [&](const state::Move& m) { return m == wanted; });
        if (position.結果() != state::Outcome::Continues || found == legal.end()) {
            out.badPly = static_cast<int>(out.plies.size()) + 1;
            return out;
        }
        out.plies.push_back({position, *found, k, record::手の最後(r, k)});
        position.着手(*found);
        r.counter = out.plies.back().last;
        out.positions.push_back(search::fromGame(position.board(), r, position.side()));
    }
    out.outcome = position.結果();
    return out;
}

// Searches positions [0, count) on the request's threads, each position
// with a fresh search: what one finds never depends on another.
std::vector<search::Choice> searchAll(const Request& q, const std::vector<search::Position>& positions,
                                      int count, std::uint64_t& nodes) {
    std::vector<search::Choice> choices(static_cast<std::size_t>(count));
    std::atomic<int> next{0};
    std::atomic<std::uint64_t> searchedNodes{0};
    std::mutex told;
    int searched = 0;
    const auto stopped = [&] { return q.stop != nullptr && q.stop->load(); };
    const auto work = [&] {
        search::Searcher searcher(kTableMegabytes);
        search::Limits limits;
        limits.nodes = q.nodes;
        limits.stop = q.stop;
        for (int i = next++; i < count && !stopped(); i = next++) {
            const auto at = static_cast<std::size_t>(i);
            choices[at] = searcher.choose(positions[at], limits);
            searchedNodes += choices[at].nodes;
            if (stopped()) return;
            const std::lock_guard<std::mutex> lock(told);
            ++searched;
            if (q.progress) q.progress(searched, count);
        }
    };
    {
        std::vector<std::jthread> workers;
        for (int t = 1; t < std::clamp(q.threads, 1, 8); ++t) workers.emplace_back(work);
        work();
    }
    nodes = searchedNodes;
    return choices;
}

bool takesRoyal(const state::Move& m) {
    return state::magnitude(m.captured) >= state::鵺王 || state::magnitude(m.captured2) >= state::鵺王;
}

// Some move of the position leaves the opponent no royal piece to take at once.
bool royalCouldBeKept(search::Position p) {
    search::MoveList list;
    search::generateMoves(p, list, search::GenerationMode::All);
    for (int i = 0; i < list.size; ++i) {
        const search::Move m = list.moves[static_cast<std::size_t>(i)];
        const int second = search::secondOf(m);
        if (search::isRoyal(p.cell[search::toOf(m)]) || (second != 0 && search::isRoyal(p.cell[second])))
            return true;
        const search::Undo u = p.make(m);
        const bool kept = !search::canTakeRoyal(p);
        p.unmake(m, u);
        if (kept) return true;
    }
    return false;
}

Army armyOf(const search::Position& p) {
    const bool own = p.nue[static_cast<std::size_t>(search::sideIndex(p.side))] != 0;
    const bool other = p.nue[static_cast<std::size_t>(search::sideIndex(-p.side))] != 0;
    return own == other ? Army::Even : (own ? Army::Nue : Army::Full);
}

// The side to move's chance in a searched position.
double chanceAt(const Replay& rp, const std::vector<search::Choice>& choices, std::size_t i) {
    return 勝率(choices[i].score, armyOf(rp.positions[i]));
}

double outcomeWin(state::Outcome o, int side) {
    const int winner = rules::勝った側(o);
    return winner == 0 ? 0.5 : (winner == side ? 1.0 : 0.0);
}

MoveReview reviewMove(const Replay& rp, const std::vector<search::Choice>& choices, std::size_t i) {
    const Ply& ply = rp.plies[i];
    const search::Choice& before = choices[i];
    MoveReview m;
    m.ply = static_cast<int>(i) + 1;
    m.first = ply.first;
    m.last = ply.last;
    m.side = ply.before.side();
    m.played = ply.played;
    m.best = before.found ? before.played : ply.played;
    rules::Position afterBest = ply.before, afterPlayed = ply.before;
    afterBest.着手(m.best);
    afterPlayed.着手(m.played);
    m.searchChoice = afterBest.board() == afterPlayed.board();
    m.bestWin = chanceAt(rp, choices, i);
    const bool ended = i + 1 == rp.plies.size() && rp.outcome != state::Outcome::Continues;
    m.win = ended ? outcomeWin(rp.outcome, m.side) : 1 - chanceAt(rp, choices, i + 1);
    m.loss = m.searchChoice ? 0 : std::max(0.0, m.bestWin - m.win);
    m.grade = m.searchChoice ? Grade::Best : 損失の評価(m.loss);
    if (takesRoyal(m.played))
        m.grade = Grade::Best;
    else if (!ended && search::canTakeRoyal(rp.positions[i + 1]) && royalCouldBeKept(rp.positions[i]))
        m.grade = Grade::Blunder;
    return m;
}

PositionReview reviewPosition(const Replay& rp, const std::vector<search::Choice>& choices, std::size_t i,
                              int firstMover) {
    PositionReview p;
    p.side = rp.positions[i].side;
    p.army = armyOf(rp.positions[i]);
    p.searched = i < choices.size();
    if (!p.searched) {
        p.firstMoverWin = outcomeWin(rp.outcome, firstMover);
        return p;
    }
    p.score = choices[i].score;
    const double w = chanceAt(rp, choices, i);
    p.firstMoverWin = p.side == firstMover ? w : 1 - w;
    return p;
}

}  // namespace

Result 検討(const Request& q) {
    Result out;
    out.firstMover = record::初手の側(q.record);
    const Replay rp = replay(q);
    if (rp.badPly != 0) {
        out.status = Result::Status::IllegalMove;
        out.badPly = rp.badPly;
        return out;
    }
    out.outcome = rp.outcome;
    const std::size_t n = rp.plies.size();
    const int count = static_cast<int>(n) + (rp.outcome == state::Outcome::Continues ? 1 : 0);
    const std::vector<search::Choice> choices = searchAll(q, rp.positions, count, out.nodes);
    if (q.stop != nullptr && q.stop->load()) {
        out.status = Result::Status::Stopped;
        return out;
    }
    for (std::size_t i = 0; i < n; ++i) out.moves.push_back(reviewMove(rp, choices, i));
    for (std::size_t i = 0; i <= n; ++i)
        out.positions.push_back(reviewPosition(rp, choices, i, out.firstMover));
    out.lower = 集計(out.moves, -1);
    out.upper = 集計(out.moves, 1);
    return out;
}

state::Board 初期局面(const state::MoveRecord& r) {
    const auto g = std::make_unique<state::GameData>();
    if (record::初手の側(r) > 0)
        rules::初期設定_先手敵(*g);
    else
        rules::初期設定_先手自(*g);
    return g->board;
}

state::Board 記録の開始局面(const state::Board& now, const state::MoveRecord& r) {
    state::Board b = now;
    for (int k = std::min(r.counter, state::MoveRecord::kCapacity); k >= 1; --k) {
        const auto i = static_cast<std::size_t>(k);
        b(r.toX[i], r.toY[i]) = r.captured[i];
        b(r.fromX[i], r.fromY[i]) = r.moved[i];
    }
    return b;
}

SideSummary 集計(const std::vector<MoveReview>& moves, int side) {
    SideSummary s;
    double accuracy = 0;
    for (const MoveReview& m : moves) {
        if (m.side != side) continue;
        ++s.moves;
        s.inaccuracies += m.grade == Grade::Inaccuracy ? 1 : 0;
        s.mistakes += m.grade == Grade::Mistake ? 1 : 0;
        s.blunders += m.grade == Grade::Blunder ? 1 : 0;
        accuracy += 手の正確さ(m.grade, m.loss);
    }
    if (s.moves > 0) s.accuracy = accuracy / s.moves;
    return s;
}

}  // namespace review

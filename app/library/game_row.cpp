#include "app/library/game_row.h"

#include "state/clock.h"

namespace library {

namespace {

constexpr std::array kKinds = {"computer", "two-player"};
constexpr std::array kSides = {"nue", "army", "both"};
constexpr std::array kResults = {"win", "loss", "draw", "lower", "upper", "unfinished"};

template <typename E, std::size_t N>
std::optional<E> named(const std::array<const char*, N>& words, const QString& word) {
    for (std::size_t i = 0; i < N; ++i)
        if (word == QLatin1String(words[i])) return static_cast<E>(i);
    return std::nullopt;
}

template <std::size_t N, typename E>
QString nameIn(const std::array<const char*, N>& words, E e) {
    return QString::fromLatin1(words[static_cast<std::size_t>(e)]);
}

Result resultOf(const record::RecordFacts& f) {
    if (f.outcome == state::Outcome::Continues) return Result::Unfinished;
    if (f.outcome == state::Outcome::Draw) return Result::Draw;
    const int winner = f.outcome == state::Outcome::UpperWins ? 1 : -1;
    if (f.computerSide == 0) return winner == 1 ? Result::Upper : Result::Lower;
    return winner == f.computerSide ? Result::Loss : Result::Win;
}

}  // namespace

QString kindName(Kind k) { return nameIn(kKinds, k); }
QString sideName(HumanSide s) { return nameIn(kSides, s); }
QString resultName(Result r) { return nameIn(kResults, r); }
QString reasonName(state::EndReason r) { return QString::fromLatin1(state::endReasonName(r)); }
std::optional<Kind> kindNamed(const QString& w) { return named<Kind>(kKinds, w); }
std::optional<HumanSide> sideNamed(const QString& w) { return named<HumanSide>(kSides, w); }
std::optional<Result> resultNamed(const QString& w) { return named<Result>(kResults, w); }
state::EndReason reasonNamed(const QString& w) {
    return state::endReasonNamed(w.toStdString()).value_or(state::EndReason::None);
}

GameRow rowOf(const record::RecordFacts& f, QDateTime finished, QString recordFile, QString clock) {
    GameRow row;
    row.finished = std::move(finished);
    row.kind = f.computerSide == 0 ? Kind::TwoPlayers : Kind::Computer;
    row.level = f.computerSide == 0 ? 0 : f.level;
    if (f.computerSide != 0) row.humanSide = f.computerSide == f.nueSide ? HumanSide::Army : HumanSide::Nue;
    row.result = resultOf(f);
    row.reason = f.outcome.reason;
    row.moves = f.moves;
    row.recordFile = std::move(recordFile);
    row.clock = std::move(clock);
    return row;
}

QString clockOf(const record::KeptGame& kept) {
    return QString::fromStdString(state::timeControlName(kept.clocks[1].control));
}

std::optional<double> scoreOf(const GameRow& row) {
    if (row.kind != Kind::Computer || row.humanSide == HumanSide::Both) return std::nullopt;
    if (row.level < rating::kFirstLevel || row.level > rating::kLastLevel) return std::nullopt;
    switch (row.result) {
        case Result::Win: return 1.0;
        case Result::Draw: return 0.5;
        case Result::Loss: return 0.0;
        default: return std::nullopt;
    }
}

rating::Side sideOf(HumanSide s) { return s == HumanSide::Army ? rating::Side::Army : rating::Side::Nue; }

}  // namespace library

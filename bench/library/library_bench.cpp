// The library with 10,000 games (NUEDORI_GAMES to change it), generated
// once in a temporary folder: record files in the games folder as the game
// writes them, read in by the library's first start, a fifth of them given
// a review. Targets: the statistics opened (figures, charts and window)
// under half a second; a finished game's row and rating within 50 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

#include "app/library/library.h"
#include "app/statistics/statistics_window.h"
#include "record/kifu_format.h"

namespace {

using record::記録行;

// A game from the human-first position that the upper side wins by taking
// the Nue King, and the same game over a move before its end (the upper
// side gave up): a loss and a win for whoever held the Nue King.
const std::vector<state::Move> kGame = {
    記録行(5, 9, 5, 8, -14, -14, 0), 記録行(5, 8, 5, 7, -14, -14, 0), 記録行(1, 3, 1, 4, 1, 1, 0),
    記録行(5, 7, 5, 5, -14, -14, 0), 記録行(1, 4, 1, 5, 1, 1, 0),     記録行(5, 5, 5, 4, -14, -14, 0),
    記録行(5, 3, 5, 4, 1, 1, -14),
};

int gameCount() {
    const QByteArray n = qgetenv("NUEDORI_GAMES");
    return n.isEmpty() ? 10000 : n.toInt();
}

struct Generated {
    QTemporaryDir dir;
    QString games() const { return dir.filePath("games"); }
    QString database() const { return library::Library::fileIn(dir.path()); }
    double firstStartSeconds = 0;
};

// Games every three hours or so from 2023 on, levels and sides in turn.
void writeGames(const QString& folder, int count) {
    QDir().mkpath(folder);
    const QDateTime start(QDate(2023, 1, 1), QTime(9, 0));
    for (int i = 0; i < count; ++i) {
        const QString name = start.addSecs(i * 10800LL).toString("yyyy-MM-dd_HH-mm-ss") + ".棋譜";
        const std::string level = "COM LEVEL" + std::to_string(1 + i % 8);
        const bool mine = i % 3 != 0;  // the player moves first with the Nue King, else two players
        std::vector<state::Move> moves = kGame;
        if (i % 2 == 0) moves.pop_back();
        const record::Kifu kifu{{"2023/01/01 09:00:00", "先手：MAN", mine ? "後手：" + level : "後手：MAN"},
                                moves};
        record::saveKifu(kifu, QDir(folder).filePath(name).toStdString());
    }
}

Generated& generated() {
    static const std::unique_ptr<Generated> g = [] {
        auto made = std::make_unique<Generated>();
        writeGames(made->games(), gameCount());
        QElapsedTimer clock;
        clock.start();
        library::Library lib(made->database(), made->games());
        made->firstStartSeconds = clock.nsecsElapsed() / 1e9;
        const std::vector<library::GameRow> rows = lib.statistics().games;
        for (std::size_t i = 0; i < rows.size(); i += 5)
            lib.recordReview(rows[i].recordFile,
                             {60.0 + static_cast<double>(i % 40), 2, 1, static_cast<int>(i % 4)});
        std::fprintf(stderr, "%zu games; the first start read them in %.2f s\n", rows.size(),
                     made->firstStartSeconds);
        return made;
    }();
    return *g;
}

std::array<rating::Rating, 2> ratingsOf(const library::Library& lib) {
    return {lib.rating(rating::Side::Nue), lib.rating(rating::Side::Army)};
}

// A later start: the database opened and the games folder looked over for
// records it does not hold (none).
void BM_LibraryOpens(benchmark::State& state) {
    Generated& g = generated();
    for (auto _ : state) {
        library::Library lib(g.database(), g.games());
        benchmark::DoNotOptimize(lib.isOpen());
    }
}
BENCHMARK(BM_LibraryOpens)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the statistics show: every game read, the series and counts made.
void BM_StatisticsFigures(benchmark::State& state) {
    Generated& g = generated();
    library::Library lib(g.database(), g.games());
    for (auto _ : state) {
        const library::Statistics s = lib.statistics();
        benchmark::DoNotOptimize(s.games.size());
    }
}
BENCHMARK(BM_StatisticsFigures)->Unit(benchmark::kMillisecond)->UseRealTime();

// 棋譜 → 成績 as the player opens it: the figures read, the window built,
// its charts and table filled, shown and painted once.
void BM_StatisticsWindowOpens(benchmark::State& state) {
    Generated& g = generated();
    library::Library lib(g.database(), g.games());
    for (auto _ : state) {
        statistics::StatisticsWindow w;
        w.setStatistics(lib.statistics(), ratingsOf(lib));
        w.show();
        for (int tab = 0; tab < w.tabs()->count(); ++tab) {
            w.tabs()->setCurrentIndex(tab);
            w.repaint();
        }
        QApplication::processEvents();
    }
}
BENCHMARK(BM_StatisticsWindowOpens)->Unit(benchmark::kMillisecond)->UseRealTime();

// A game has ended: its row and the player's new rating, one transaction
// (each iteration a game of its own file).
void BM_FinishedGameRecorded(benchmark::State& state) {
    Generated& g = generated();
    library::Library lib(g.database(), g.games());
    const record::RecordFacts win{1, 5, -1, {state::Outcome::LowerWins, state::EndReason::RoyalTaken}, 42};
    int n = 0;
    for (auto _ : state) {
        const QString file = QDir(g.games()).filePath(QString("bench-%1.棋譜").arg(n++));
        benchmark::DoNotOptimize(
            lib.recordGame(library::rowOf(win, QDateTime::currentDateTime(), file, "none"), true));
    }
}
BENCHMARK(BM_FinishedGameRecorded)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

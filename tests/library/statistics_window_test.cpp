// The statistics window offscreen: with no games each tab says what to do;
// with games its charts have series, and its table filters them and hands
// a row's record file to the window's hooks.
#include <gtest/gtest.h>

#include <QAbstractSeries>
#include <QChart>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QXYSeries>

#include "app/library/library.h"
#include "app/statistics/statistics_window.h"
#include "library_games.h"

namespace {

using statistics::StatisticsWindow;

std::array<rating::Rating, 2> ratingsOf(const library::Library& lib) {
    return {lib.rating(rating::Side::Nue), lib.rating(rating::Side::Army)};
}

TEST(StatisticsWindow, WithoutGamesEveryTabSaysWhatToDo) {
    StatisticsWindow w;
    w.setStatistics({}, {rating::kFirstRating, rating::kFirstRating});
    w.show();
    ASSERT_NE(w.emptyState(StatisticsWindow::RatingTab), nullptr);
    EXPECT_EQ(w.emptyState(StatisticsWindow::RatingTab)->text(),
              "コンピュータと対局すると、レーティングが表示されます。");
    for (const auto tab :
         {StatisticsWindow::LevelTab, StatisticsWindow::ReviewTab, StatisticsWindow::GamesTab}) {
        ASSERT_NE(w.emptyState(tab), nullptr) << tab;
        EXPECT_FALSE(w.emptyState(tab)->text().isEmpty()) << tab;
        if (tab != StatisticsWindow::GamesTab) {
            EXPECT_TRUE(w.chart(tab)->series().isEmpty()) << tab;
        }
    }
    EXPECT_TRUE(w.ratingLine()->text().contains("1500 ± 350（暫定）"));
}

TEST(StatisticsWindow, GamesGiveChartsAndATableThatOpensThem) {
    QTemporaryDir dir;
    const QString games = dir.filePath("games");
    library_test::writeRecord(games, "2024-05-01_09-05-03.棋譜", "先手：MAN", "後手：COM LEVEL3",
                              library_test::kNueKingTaken);
    const QString won = library_test::writeRecord(games, "2024-05-02_10-00-00.棋譜", "先手：MAN",
                                                  "後手：COM LEVEL4", library_test::kUpperGaveUp);
    library_test::writeRecord(games, "2024-05-03_11-00-00.棋譜", "先手：MAN", "後手：MAN",
                              library_test::kNueKingTaken);
    library::Library lib(library::Library::fileIn(dir.path()), games);
    ASSERT_TRUE(lib.recordReview(won, {82.5, 1, 0, 2}));

    StatisticsWindow w;
    w.setStatistics(lib.statistics(), ratingsOf(lib));
    w.show();
    for (const auto tab :
         {StatisticsWindow::RatingTab, StatisticsWindow::LevelTab, StatisticsWindow::ReviewTab}) {
        EXPECT_EQ(w.emptyState(tab), nullptr) << tab;
        EXPECT_FALSE(w.chart(tab)->series().isEmpty()) << tab;
    }
    const auto* ratings = dynamic_cast<QXYSeries*>(w.chart(StatisticsWindow::RatingTab)->series().front());
    ASSERT_NE(ratings, nullptr);
    EXPECT_EQ(ratings->count(), 2);  // the two games against the computer, with the Nue King

    statistics::GamesTable& table = w.games();
    EXPECT_EQ(table.model().rowCount(), 3);
    table.levelBox()->setCurrentIndex(table.levelBox()->findData(4));
    ASSERT_EQ(table.model().rowCount(), 1);
    EXPECT_EQ(table.model().game(0).recordFile, won);

    QString opened;
    table.onOpen([&](const QString& file) { opened = file; });
    EXPECT_FALSE(table.openButton()->isEnabled());
    table.view()->selectRow(0);
    ASSERT_TRUE(table.openButton()->isEnabled());
    table.openButton()->click();
    EXPECT_EQ(opened, won);
}

TEST(GameFilter, LetsThroughTheGamesItNames) {
    library::GameRow row;
    row.kind = library::Kind::Computer;
    row.level = 3;
    row.humanSide = library::HumanSide::Army;
    row.result = library::Result::Draw;
    row.finished = QDateTime(QDate(2024, 5, 2), QTime(10, 0));
    struct Case {
        statistics::GameFilter filter;
        bool passes;
    };
    using F = statistics::GameFilter;
    const auto with = [](auto set) {
        F f;
        set(f);
        return f;
    };
    const QDate day(2024, 5, 2);
    const Case cases[] = {
        {F{}, true},
        {with([](F& f) { f.side = library::HumanSide::Army; }), true},
        {with([](F& f) { f.side = library::HumanSide::Nue; }), false},
        {with([](F& f) { f.level = 3; }), true},
        {with([](F& f) { f.level = 4; }), false},
        {with([](F& f) { f.result = library::Result::Draw; }), true},
        {with([](F& f) { f.result = library::Result::Win; }), false},
        {with([&](F& f) { f.from = f.to = day; }), true},  // the whole of the game's day
        {with([&](F& f) { f.from = day.addDays(1); }), false},
        {with([&](F& f) { f.to = day.addDays(-1); }), false},
    };
    for (const Case& c : cases) EXPECT_EQ(statistics::passes(row, c.filter), c.passes);
}

}  // namespace

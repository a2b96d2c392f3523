#pragma once

#include <QDialog>

#include <array>

#include "app/library/library.h"
#include "app/statistics/games_table.h"

class QChart;
class QChartView;
class QLabel;
class QStackedWidget;
class QTabWidget;

namespace statistics {

// 棋譜 → 成績 (Record → Statistics): what the library holds, in four tabs:
// the player's rating for each side over time, the results against each
// level, the accuracy and blunders of the reviewed games, and the table of
// games with its filters, whose rows open a game, review it or play on
// from it through the hooks. Where there is nothing to draw, a tab says
// what to do instead ("Play a game against the computer to see your
// rating"). The window reads nothing itself: it is given the figures.
class StatisticsWindow : public QDialog {
public:
    enum Tab { RatingTab, LevelTab, ReviewTab, GamesTab };

    explicit StatisticsWindow(QWidget* parent = nullptr);

    // Shows these figures, and each side's rating now.
    void setStatistics(library::Statistics s, const std::array<rating::Rating, 2>& ratings);

    GamesTable& games() { return *games_; }
    QTabWidget* tabs() const { return tabs_; }
    QChart* chart(Tab tab) const;
    // The tab's text where it has nothing to draw; null when it draws.
    QLabel* emptyState(Tab tab) const;
    QLabel* ratingLine() const { return ratingLine_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void draw();

    library::Statistics statistics_;
    std::array<rating::Rating, 2> ratings_{rating::kFirstRating, rating::kFirstRating};
    QTabWidget* tabs_ = nullptr;
    QLabel* ratingLine_ = nullptr;
    std::array<QStackedWidget*, 3> stacks_{};
    std::array<QChartView*, 3> views_{};
    std::array<QLabel*, 3> empty_{};
    GamesTable* games_ = nullptr;
};

}  // namespace statistics

#include "app/statistics/statistics_window.h"

#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QLabel>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/statistics/statistics_charts.h"
#include "app/statistics/statistics_words.h"

namespace statistics {

namespace {

constexpr const char* kTabNames[] = {
    QT_TRANSLATE_NOOP("Statistics", "レーティング"),
    QT_TRANSLATE_NOOP("Statistics", "レベル別"),
    QT_TRANSLATE_NOOP("Statistics", "検討"),
    QT_TRANSLATE_NOOP("Statistics", "対局一覧"),
};

// What each chart's tab says while it has nothing to draw.
constexpr const char* kEmptyTexts[] = {
    QT_TRANSLATE_NOOP("Statistics", "コンピュータと対局すると、レーティングが表示されます。"),
    QT_TRANSLATE_NOOP("Statistics", "コンピュータと対局すると、レベル別の成績が表示されます。"),
    QT_TRANSLATE_NOOP("Statistics", "対局を検討すると（棋譜 → 検討）、正確度と大悪手が表示されます。"),
};

}  // namespace

StatisticsWindow::StatisticsWindow(QWidget* parent) : QDialog(parent) {
    tabs_ = new QTabWidget(this);
    for (std::size_t i = 0; i < stacks_.size(); ++i) {
        auto* page = new QWidget(tabs_);
        auto* layout = new QVBoxLayout(page);
        if (i == RatingTab) {
            ratingLine_ = new QLabel(page);
            layout->addWidget(ratingLine_);
        }
        stacks_[i] = new QStackedWidget(page);
        views_[i] = new QChartView(stacks_[i]);
        views_[i]->setRenderHint(QPainter::Antialiasing);
        empty_[i] = new QLabel(stacks_[i]);
        empty_[i]->setAlignment(Qt::AlignCenter);
        empty_[i]->setWordWrap(true);
        stacks_[i]->addWidget(views_[i]);
        stacks_[i]->addWidget(empty_[i]);
        layout->addWidget(stacks_[i], 1);
        tabs_->addTab(page, QString());
    }
    games_ = new GamesTable(tabs_);
    tabs_->addTab(games_, QString());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    resize(760, 520);
    draw();
}

void StatisticsWindow::setStatistics(library::Statistics s, const std::array<rating::Rating, 2>& ratings) {
    statistics_ = std::move(s);
    ratings_ = ratings;
    games_->setGames(statistics_.games);
    draw();
}

QChart* StatisticsWindow::chart(Tab tab) const {
    return tab < GamesTab ? views_[static_cast<std::size_t>(tab)]->chart() : nullptr;
}

QLabel* StatisticsWindow::emptyState(Tab tab) const {
    if (tab == GamesTab) return games_->model().anyGame() ? nullptr : games_->emptyLabel();
    const auto i = static_cast<std::size_t>(tab);
    return stacks_[i]->currentWidget() == empty_[i] ? empty_[i] : nullptr;
}

// Every text and chart afresh, in the window's language.
void StatisticsWindow::draw() {
    setWindowTitle(text(QT_TRANSLATE_NOOP("Statistics", "成績")));
    for (int i = 0; i < tabs_->count(); ++i) tabs_->setTabText(i, text(kTabNames[i]));
    ratingLine_->setText(text(QT_TRANSLATE_NOOP("Statistics", "あなたのレーティング　%1：%2　%3：%4"))
                             .arg(sideWord(rating::Side::Nue), ratingWords(ratings_[0]),
                                  sideWord(rating::Side::Army), ratingWords(ratings_[1])));
    QChart* const charts[] = {ratingChart(statistics_), levelChart(statistics_), reviewChart(statistics_)};
    for (std::size_t i = 0; i < stacks_.size(); ++i) {
        views_[i]->setChart(charts[i]);  // the view owns it, and deletes the one before
        empty_[i]->setText(text(kEmptyTexts[i]));
        stacks_[i]->setCurrentWidget(charts[i]->series().isEmpty() ? static_cast<QWidget*>(empty_[i])
                                                                   : views_[i]);
    }
    games_->retranslate();
}

void StatisticsWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) draw();
    QDialog::changeEvent(event);
}

}  // namespace statistics

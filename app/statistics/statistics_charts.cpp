#include "app/statistics/statistics_charts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

#include "app/statistics/statistics_words.h"

namespace statistics {

namespace {

constexpr rating::Side kSides[] = {rating::Side::Nue, rating::Side::Army};

QChart* emptyChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

// A time axis over the days the points span (a day either side of one point).
QDateTimeAxis* timeAxis(qint64 first, qint64 last) {
    auto* axis = new QDateTimeAxis;
    axis->setFormat("yyyy-MM-dd");
    axis->setTickCount(5);
    const qint64 day = 24 * 3600 * 1000;
    if (last - first < day) first -= day, last += day;
    axis->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(last));
    return axis;
}

QValueAxis* valueAxis(double low, double high, const QString& title) {
    auto* axis = new QValueAxis;
    axis->setRange(low, high);
    axis->setTitleText(title);
    axis->applyNiceNumbers();
    axis->setLabelFormat("%.0f");
    return axis;
}

// Whole numbers of games or blunders: ticks a whole number apart.
QValueAxis* countAxis(int most, const QString& title) {
    auto* axis = new QValueAxis;
    most = std::max(most, 1);
    axis->setRange(0, most);
    axis->setTitleText(title);
    axis->setLabelFormat("%d");
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(std::max(1, (most + 4) / 5));
    return axis;
}

// The series takes its axes once the chart holds it.
void attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

}  // namespace

QChart* ratingChart(const library::Statistics& s) {
    QChart* chart = emptyChart(text(QT_TRANSLATE_NOOP("Statistics", "レーティングの推移")));
    if (s.ratings[0].empty() && s.ratings[1].empty()) return chart;
    qint64 first = std::numeric_limits<qint64>::max(), last = std::numeric_limits<qint64>::min();
    double low = 5000, high = 0;
    std::vector<QLineSeries*> lines;
    for (const rating::Side side : kSides) {
        const std::vector<library::RatingPoint>& points = s.ratings[static_cast<std::size_t>(side)];
        if (points.empty()) continue;
        QList<QPointF> xy;
        xy.reserve(static_cast<qsizetype>(points.size()));
        for (const library::RatingPoint& p : points) {
            const qint64 t = p.when.toMSecsSinceEpoch();
            xy.append(QPointF(static_cast<double>(t), p.rating));
            first = std::min(first, t), last = std::max(last, t);
            low = std::min(low, p.rating), high = std::max(high, p.rating);
        }
        auto* line = new QLineSeries;
        line->setName(sideWord(side));
        line->setPointsVisible(points.size() < 50);
        line->replace(xy);
        lines.push_back(line);
    }
    QDateTimeAxis* x = timeAxis(first, last);
    QValueAxis* y = valueAxis(low - 50, high + 50, text(QT_TRANSLATE_NOOP("Statistics", "レーティング")));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QLineSeries* line : lines) attach(chart, line, x, y);
    return chart;
}

QChart* levelChart(const library::Statistics& s) {
    QChart* chart = emptyChart(text(QT_TRANSLATE_NOOP("Statistics", "レベル別の成績")));
    QStringList categories;
    std::vector<library::LevelResults> counts;
    for (int level = rating::kFirstLevel; level <= rating::kLastLevel; ++level)
        for (const rating::Side side : kSides) {
            const library::LevelResults& r =
                s.byLevel[static_cast<std::size_t>(level - 1)][static_cast<std::size_t>(side)];
            if (r.wins + r.draws + r.losses == 0) continue;
            categories << QString("%1 %2").arg(level).arg(sideWord(side));
            counts.push_back(r);
        }
    if (counts.empty()) return chart;
    auto* wins = new QBarSet(text(QT_TRANSLATE_NOOP("Statistics", "勝ち")));
    auto* draws = new QBarSet(text(QT_TRANSLATE_NOOP("Statistics", "引き分け")));
    auto* losses = new QBarSet(text(QT_TRANSLATE_NOOP("Statistics", "負け")));
    int most = 0;
    for (const library::LevelResults& r : counts) {
        *wins << r.wins, *draws << r.draws, *losses << r.losses;
        most = std::max(most, r.wins + r.draws + r.losses);
    }
    auto* bars = new QStackedBarSeries;
    bars->append(QList<QBarSet*>{wins, draws, losses});
    auto* x = new QBarCategoryAxis;
    x->append(categories);
    x->setTitleText(text(QT_TRANSLATE_NOOP("Statistics", "レベルとあなたの側")));
    QValueAxis* y = countAxis(most, text(QT_TRANSLATE_NOOP("Statistics", "局数")));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    attach(chart, bars, x, y);
    return chart;
}

QChart* reviewChart(const library::Statistics& s) {
    QChart* chart = emptyChart(text(QT_TRANSLATE_NOOP("Statistics", "検討した対局の正確度と大悪手")));
    if (s.reviews.empty()) return chart;
    QList<QPointF> accuracy, blunders;
    int most = 0;
    for (const library::ReviewPoint& p : s.reviews) {
        const auto t = static_cast<double>(p.when.toMSecsSinceEpoch());
        accuracy.append(QPointF(t, p.accuracy));
        blunders.append(QPointF(t, p.blunders));
        most = std::max(most, p.blunders);
    }
    auto* accuracyLine = new QLineSeries;
    accuracyLine->setName(text(QT_TRANSLATE_NOOP("Statistics", "正確度")));
    accuracyLine->setPointsVisible(true);
    accuracyLine->replace(accuracy);
    auto* blunderMarks = new QScatterSeries;
    blunderMarks->setName(text(QT_TRANSLATE_NOOP("Statistics", "大悪手")));
    blunderMarks->setMarkerSize(8);
    blunderMarks->replace(blunders);
    QDateTimeAxis* x =
        timeAxis(static_cast<qint64>(accuracy.front().x()), static_cast<qint64>(accuracy.back().x()));
    QValueAxis* percent = valueAxis(0, 100, text(QT_TRANSLATE_NOOP("Statistics", "正確度（%）")));
    QValueAxis* count = countAxis(most, text(QT_TRANSLATE_NOOP("Statistics", "大悪手の数")));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(percent, Qt::AlignLeft);
    chart->addAxis(count, Qt::AlignRight);
    attach(chart, accuracyLine, x, percent);
    attach(chart, blunderMarks, x, count);
    return chart;
}

}  // namespace statistics

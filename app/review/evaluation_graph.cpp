#include "app/review/evaluation_graph.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace app {

namespace {

constexpr int kHeight = 72;
constexpr double kMargin = 3;
// The first mover's shade above the middle line, the other side's below.
const QColor kFirstShade(60, 60, 60, 150);
const QColor kSecondShade(235, 235, 235);
const QColor kCurrent(220, 50, 40);

}  // namespace

EvaluationGraph::EvaluationGraph(QWidget* parent) : QWidget(parent) {
    setObjectName("EvaluationGraph");
    setFixedHeight(kHeight);
    setCursor(Qt::PointingHandCursor);
}

void EvaluationGraph::show(std::vector<double> chances, int current) {
    chances_ = std::move(chances);
    current_ = current;
    update();
}

double EvaluationGraph::xOf(int position) const {
    const double across = width() - 2 * kMargin;
    const int last = std::max(static_cast<int>(chances_.size()) - 1, 1);
    return kMargin + across * position / last;
}

int EvaluationGraph::positionAt(double x) const {
    if (chances_.empty()) return 0;
    const int last = std::max(static_cast<int>(chances_.size()) - 1, 1);
    const double across = std::max(width() - 2 * kMargin, 1.0);
    const int i = static_cast<int>(std::lround((x - kMargin) / across * last));
    return std::clamp(i, 0, static_cast<int>(chances_.size()) - 1);
}

void EvaluationGraph::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kSecondShade);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (chances_.empty()) return;
    p.setRenderHint(QPainter::Antialiasing, true);
    const double top = kMargin, bottom = height() - kMargin;
    const auto yOf = [&](double chance) { return bottom - (bottom - top) * chance; };
    QPainterPath area;
    area.moveTo(xOf(0), bottom);
    for (std::size_t i = 0; i < chances_.size(); ++i) area.lineTo(xOf(static_cast<int>(i)), yOf(chances_[i]));
    area.lineTo(xOf(static_cast<int>(chances_.size()) - 1), bottom);
    area.closeSubpath();
    p.fillPath(area, kFirstShade);
    p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
    p.drawLine(QPointF(0, yOf(0.5)), QPointF(width(), yOf(0.5)));
    p.setPen(QPen(kCurrent, 2));
    const double x = xOf(std::clamp(current_, 0, static_cast<int>(chances_.size()) - 1));
    p.drawLine(QPointF(x, top), QPointF(x, bottom));
}

void EvaluationGraph::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && clicked_ && !chances_.empty())
        clicked_(positionAt(e->position().x()));
}

}  // namespace app

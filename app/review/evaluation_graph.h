#pragma once

#include <QWidget>

#include <functional>
#include <vector>

namespace app {

// The review's graph of a game: the chance of the side that moved first
// (0 to 1, up) after every move (across, the start at the left), shaded
// towards the side it favours, with the position on the board marked. A
// click asks for the position nearest to it.
class EvaluationGraph : public QWidget {
public:
    explicit EvaluationGraph(QWidget* parent);

    // chances[i]: after move i (0 the start).
    void show(std::vector<double> chances, int current);
    const std::vector<double>& chances() const { return chances_; }
    // Told the position (0 the start, i after move i) of a click.
    void onClicked(std::function<void(int position)> f) { clicked_ = std::move(f); }
    // The position nearest to a point of the widget.
    int positionAt(double x) const;
    // Where position i is drawn, across.
    double xOf(int position) const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    std::vector<double> chances_;
    int current_ = 0;
    std::function<void(int)> clicked_;
};

}  // namespace app

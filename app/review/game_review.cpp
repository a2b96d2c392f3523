#include "app/review/game_review.h"

#include "record/record_moves.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

#include "app/board/surface_view.h"
#include "app/language/language.h"
#include "app/panel/beside_board.h"
#include "app/panel/side_panel.h"
#include "app/review/evaluation_graph.h"
#include "app/window/main_window.h"
#include "control/record_jump.h"
#include "record/notation.h"

namespace app {

namespace {

const QColor kArrowColour(0, 150, 80, 190);

// The marks chess and shogi players write after a move, and a tint that
// grows with the fault.
LineNote noteOf(review::Grade g) {
    switch (g) {
        case review::Grade::Inaccuracy: return {" ?!", QColor(255, 240, 150)};
        case review::Grade::Mistake: return {" ?", QColor(255, 205, 130)};
        case review::Grade::Blunder: return {" ??", QColor(255, 165, 165)};
        default: return {};
    }
}

bool sameEntry(const state::MoveRecord& a, const state::MoveRecord& b, int k) {
    const auto i = static_cast<std::size_t>(k);
    return k <= a.last && record::記録の項(a, k) == record::記録の項(b, k) &&
           a.secondStep[i] == b.secondStep[i];
}

QString sideLine(const char* mark, const review::SideSummary& s) {
    return QCoreApplication::translate("Review", "%1 疑問手 %2　悪手 %3　大悪手 %4　正確度 %5%")
        .arg(QString::fromUtf8(mark))
        .arg(s.inaccuracies)
        .arg(s.mistakes)
        .arg(s.blunders)
        .arg(QString::number(s.accuracy, 'f', 1));
}

// An arrow through the centres of the squares, its head on the last.
void paintMoveArrow(QPainter& p, const std::vector<QRectF>& cells) {
    const double width = std::max(cells[0].height() * 0.12, 2.0);
    const QPointF end = cells.back().center();
    const QPointF before = cells[cells.size() - 2].center();
    const QPointF along = end - before;
    const double length = std::hypot(along.x(), along.y());
    if (length <= 0) return;
    const QPointF unit = along / length, across(-unit.y(), unit.x());
    const double head = width * 2.6;
    QPainterPath shaft;
    shaft.moveTo(cells[0].center());
    for (std::size_t i = 1; i + 1 < cells.size(); ++i) shaft.lineTo(cells[i].center());
    shaft.lineTo(end - unit * head);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kArrowColour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shaft);
    QPainterPath tip;
    tip.moveTo(end);
    tip.lineTo(end - unit * head * 1.2 + across * head * 0.8);
    tip.lineTo(end - unit * head * 1.2 - across * head * 0.8);
    tip.closeSubpath();
    p.fillPath(tip, kArrowColour);
}

}  // namespace

GameReview::GameReview(MainWindow& window) : window_(window) {
    SidePanel& panel = window.besideBoard().panel();
    box_ = new QWidget(&panel);  // the panel owns the box, the box its parts
    box_->setObjectName("ReviewBox");
    auto* column = new QVBoxLayout(box_);
    column->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    progress_ = new QProgressBar(box_);
    progress_->setObjectName("ReviewProgress");
    progress_->setTextVisible(false);
    cancel_ = new QPushButton(box_);
    cancel_->setObjectName("ReviewCancel");
    row->addWidget(progress_, 1);
    row->addWidget(cancel_);
    column->addLayout(row);
    graph_ = new EvaluationGraph(box_);
    best_ = new QLabel(box_);
    best_->setObjectName("ReviewBest");
    summary_ = new QLabel(box_);
    summary_->setObjectName("ReviewSummary");
    summary_->setWordWrap(true);
    tryAgainButton_ = new QPushButton(box_);
    tryAgainButton_->setObjectName("ReviewTryAgain");
    for (QWidget* w : {static_cast<QWidget*>(graph_), static_cast<QWidget*>(best_),
                       static_cast<QWidget*>(summary_), static_cast<QWidget*>(tryAgainButton_)})
        column->addWidget(w);
    // A click leaves the keys with the record, as a click on the list does.
    cancel_->setFocusPolicy(Qt::TabFocus);
    tryAgainButton_->setFocusPolicy(Qt::TabFocus);
    panel.addBelowList(box_);
    box_->hide();

    connect(cancel_, &QPushButton::clicked, this, [this] { cancel(); });
    connect(tryAgainButton_, &QPushButton::clicked, this, [this] {
        if (const review::MoveReview* m = currentReview(); m && tryAgain_) tryAgain_(m->first - 1);
    });
    graph_->onClicked([this](int position) {
        if (!shown_ || position > held_) return;
        const int entry = position == 0 ? 0 : shown_->moves[static_cast<std::size_t>(position - 1)].last;
        window_.run([entry](state::Game& g) { control::棋譜_移動(g, entry); });
    });
    timer_ = new QTimer(this);
    timer_->setInterval(50);
    connect(timer_, &QTimer::timeout, this, [this] { poll(); });
    window.besideBoard().onFollow([this] { follow(); });
    window.view()->addLayer([this](QPainter& p, const SurfacePlacement& place) { paintArrow(p, place); });
    retranslate();
}

GameReview::~GameReview() {
    stop_ = true;
    if (worker_.valid()) worker_.wait();
}

void GameReview::start() {
    if (running()) return;
    const state::Game& g = window_.game();
    state::MoveRecord r = g.record;
    // A Nue King's first step still waiting for its second is no move yet.
    if (g.state.stepState == 2 && r.counter >= 1 && r.last == r.counter) r.last = r.counter - 1;
    review::Request q;
    q.start = review::記録の開始局面(g.board, g.record);
    q.record = r;
    q.nodes = nodes_;
    q.stop = &stop_;
    q.progress = [this](int searched, int total) {
        searched_ = searched;
        total_ = total;
    };
    stop_ = false;
    searched_ = 0;
    total_ = std::max(r.last + 1, 1);
    reviewing_ = r;
    // The worker reviews its own copy; only this thread touches the game.
    worker_ = std::async(std::launch::async, [q] { return review::検討(q); });
    progress_->setRange(0, total_);
    progress_->setValue(0);
    progress_->show();
    cancel_->show();
    box_->show();
    timer_->start();
}

void GameReview::cancel() {
    if (!running()) return;
    stop_ = true;
    progress_->hide();
    cancel_->hide();
}

std::optional<review::Result> GameReview::waitForWorker() {
    if (!running()) return std::nullopt;
    review::Result r = worker_.get();
    take(r);
    return r;
}

void GameReview::poll() {
    if (!running()) return timer_->stop();
    progress_->setMaximum(total_);
    progress_->setValue(searched_);
    if (worker_.wait_for(std::chrono::seconds(0)) == std::future_status::ready) take(worker_.get());
}

void GameReview::take(review::Result r) {
    timer_->stop();
    progress_->hide();
    cancel_->hide();
    if (r.status == review::Result::Status::Done) {
        if (onReviewed_) onReviewed_(r);
        shown_ = std::move(r);
        reviewed_ = reviewing_;
        refused_ = false;
    } else if (r.status == review::Result::Status::IllegalMove) {
        shown_.reset();
        refused_ = true;
    }
    follow();
}

int GameReview::firstMover() const { return record::先手の側(window_.game().state); }

int GameReview::currentMove() const { return window_.besideBoard().panel().currentLine(); }

const review::MoveReview* GameReview::currentReview() const {
    const int line = currentMove();
    if (!shown_ || line < 1 || line > held_) return nullptr;
    return &shown_->moves[static_cast<std::size_t>(line - 1)];
}

void GameReview::follow() {
    held_ = 0;
    // A game with no moves is another game: the review of the last one goes.
    if (window_.game().record.last == 0) {
        shown_.reset();
        refused_ = false;
    }
    if (shown_) {
        const state::MoveRecord& now = window_.game().record;
        for (const review::MoveReview& m : shown_->moves) {
            bool same = true;
            for (int k = m.first; k <= m.last; ++k) same = same && sameEntry(now, reviewed_, k);
            if (!same) break;
            ++held_;
        }
    }
    const bool showing = shown_.has_value();
    graph_->setVisible(showing);
    if (showing) {
        std::vector<double> chances;
        // ▲ is the side the move list marks so, even on a board turned about.
        const bool same = firstMover() == shown_->firstMover;
        for (int i = 0; i <= held_; ++i) {
            const double w = shown_->positions[static_cast<std::size_t>(i)].firstMoverWin;
            chances.push_back(same ? w : 1 - w);
        }
        graph_->show(std::move(chances), std::min(currentMove(), held_));
    }
    showNotes();
    showBest();
    showSummary();
    const review::MoveReview* m = currentReview();
    tryAgainButton_->setVisible(tryAgain_ && m && m->grade >= review::Grade::Mistake);
    window_.view()->update();
}

void GameReview::showNotes() {
    std::vector<LineNote> notes;
    for (int i = 0; i < held_; ++i) notes.push_back(noteOf(shown_->moves[static_cast<std::size_t>(i)].grade));
    window_.besideBoard().panel().setLineNotes(std::move(notes));
}

void GameReview::showBest() {
    const review::MoveReview* m = currentReview();
    best_->setVisible(m != nullptr);
    if (!m) return;
    const record::Notation n = inEnglish() ? record::Notation::Western : record::Notation::Japanese;
    record::Square previous;
    if (m->ply >= 2) {
        const state::Move& before = shown_->moves[static_cast<std::size_t>(m->ply - 2)].played;
        previous = {before.lastX(), before.lastY()};
    }
    best_->setText(QCoreApplication::translate("Review", "最善：") +
                   QString::fromUtf8(record::手番記号(m->side, firstMover())) +
                   QString::fromStdString(record::指し手表記(m->best, n, previous)));
}

void GameReview::showSummary() {
    summary_->setVisible(shown_ || refused_);
    if (refused_) return summary_->setText(QCoreApplication::translate("Review", "この棋譜は検討できません"));
    if (!shown_) return;
    const std::vector<review::MoveReview> held(shown_->moves.begin(), shown_->moves.begin() + held_);
    const int first = firstMover();
    summary_->setText(sideLine("▲", review::集計(held, first)) + "\n" +
                      sideLine("△", review::集計(held, -first)));
}

void GameReview::retranslate() {
    cancel_->setText(QCoreApplication::translate("Review", "中止"));
    tryAgainButton_->setText(QCoreApplication::translate("Review", "ここから対局"));
    progress_->setAccessibleName(QCoreApplication::translate("Review", "検討中"));
    graph_->setAccessibleName(QCoreApplication::translate("Review", "評価グラフ"));
    follow();
}

void GameReview::paintArrow(QPainter& p, const SurfacePlacement& place) const {
    const review::MoveReview* m = currentReview();
    if (!m || m->searchChoice) return;
    const state::Move& b = m->best;
    std::vector<QRectF> cells{place.toWidget(cellRect(b.fromX, b.fromY)),
                              place.toWidget(cellRect(b.toX, b.toY))};
    if (b.twoStep) cells.push_back(place.toWidget(cellRect(b.toX2, b.toY2)));
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    paintMoveArrow(p, cells);
    p.restore();
}

}  // namespace app

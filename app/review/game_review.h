#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <future>
#include <optional>

#include "app/board/surface_geometry.h"
#include "review/game_review.h"

class QLabel;
class QPainter;
class QProgressBar;
class QPushButton;
class QTimer;
class QWidget;

namespace app {

class EvaluationGraph;
class MainWindow;

// 棋譜 → 検討 in the window: the review of the current record on a worker
// thread over its own copy, while the window stays live, with a progress bar
// and 中止 under the move list; then the grades on the move list's lines,
// the graph of the game, the better move at the position on the board (an
// arrow over the board and its name under the list), and each side's summary.
// It reads the game and changes it only as a click on the list does.
class GameReview : public QObject {
public:
    explicit GameReview(MainWindow& window);
    ~GameReview() override;

    // 検討: reviews the record as it stands (all its moves, a Nue King's
    // first step still waiting for its second left out). Nothing while a
    // review runs.
    void start();
    // 中止: the worker stops at once; nothing of it is shown.
    void cancel();
    bool running() const { return worker_.valid(); }

    // The search's budget per position (review::kDefaultNodes at first).
    void setNodes(std::uint64_t nodes) { nodes_ = nodes; }
    // ここから対局 at a mistake or a blunder: the hook is given the replay
    // position before that move. Without a hook the button stays hidden.
    void onTryAgain(std::function<void(int entry)> f) { tryAgain_ = std::move(f); }
    // Told when a review is done, with its result.
    void onReviewed(std::function<void(const review::Result&)> f) { onReviewed_ = std::move(f); }

    // The review shown, if any, and the moves of it the game's record still holds.
    const std::optional<review::Result>& result() const { return shown_; }
    int heldMoves() const { return held_; }
    // Waits for the worker and takes its answer as the window would (tests).
    std::optional<review::Result> waitForWorker();

    QWidget* box() const { return box_; }
    EvaluationGraph* graph() const { return graph_; }
    QLabel* bestLabel() const { return best_; }
    QLabel* summaryLabel() const { return summary_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* tryAgainButton() const { return tryAgainButton_; }
    QProgressBar* progress() const { return progress_; }

    // Shows the review for the game as it stands now.
    void follow();
    void retranslate();

private:
    void poll();
    void take(review::Result r);
    int currentMove() const;
    int firstMover() const;  // the side the move list marks ▲
    const review::MoveReview* currentReview() const;
    void showNotes();
    void showBest();
    void showSummary();
    void paintArrow(QPainter& p, const SurfacePlacement& place) const;

    MainWindow& window_;
    QWidget* box_ = nullptr;  // under the move list, which owns it
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    EvaluationGraph* graph_ = nullptr;
    QLabel* best_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* tryAgainButton_ = nullptr;
    QTimer* timer_ = nullptr;

    std::uint64_t nodes_ = review::kDefaultNodes;
    std::function<void(int)> tryAgain_;
    std::function<void(const review::Result&)> onReviewed_;
    std::future<review::Result> worker_;
    std::atomic<bool> stop_{false};
    std::atomic<int> searched_{0};
    std::atomic<int> total_{1};
    state::MoveRecord reviewing_;  // the record the worker reviews
    state::MoveRecord reviewed_;   // the record of the review shown
    std::optional<review::Result> shown_;
    bool refused_ = false;  // the record could not be replayed
    int held_ = 0;
};

}  // namespace app

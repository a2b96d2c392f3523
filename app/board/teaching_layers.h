#pragma once

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

#include "app/board/shown_pieces.h"
#include "app/board/surface_geometry.h"
#include "rules/reach.h"
#include "state/game_data.h"
#include "state/move.h"

class QWidget;
class QPainter;
class QRectF;

namespace app {

class MainWindow;

// A mark of the learner's layer on one square where a picked-up piece may go.
struct DestinationMark {
    int x = 0, y = 0;
    bool attacked = false;
    bool twoStep = false;  // a landing of the Nue King's two-step move
    friend bool operator==(const DestinationMark&, const DestinationMark&) = default;
};

// Where the influence view's two counts stand in a cell: in the corners its
// piece leaves free, at its shoulders (the top corners under a lower piece
// and on an empty square, the bottom ones under an upper piece, which stands
// turned about), clear of the piece's letter or kanji; the lower side's
// count at the left, the upper side's at the right.
struct CountBadges {
    QRectF lower, upper;
};
CountBadges countBadges(const QRectF& cell, bool upperPiece, int lower, int upper);

// The influence view on one square: the tint of the side that reaches it
// more, under the lettering of the piece there, the lower side's count in
// blue and the upper side's in red at the places countBadges gives.
void paintInfluenceSquare(QPainter& p, const QRectF& cell, int lower, int upper,
                          const std::optional<ShownPiece>& piece);
// A destination's mark: a green ring where the piece would stand safe, a red
// cross where it could be taken; a Nue King's two-step landing smaller, in
// the lower right corner, a diamond where safe.
void paintDestinationMark(QPainter& p, const QRectF& cell, const DestinationMark& m);

// The learner's layers over the surface, painted over it and never into it:
// the influence view (ｵﾌﾟｼｮﾝ → 勢力表示), the safe and attacked marks of a
// picked-up piece in teaching mode, and the hint (ｵﾌﾟｼｮﾝ → ヒント, key H).
// They read the game and never change it; the hint goes through game control.
class TeachingLayers : public QObject {
public:
    explicit TeachingLayers(MainWindow& window);

    bool influenceShown() const { return influenceShown_; }
    // ｵﾌﾟｼｮﾝ → 勢力表示 turned on or off.
    void showInfluence(bool shown);
    // The counts the influence view shows for the board as it is now.
    const rules::ReachCounts& shownCounts();
    // The marks shown for the piece picked up now (none without teaching mode).
    std::vector<DestinationMark> destinationMarks();
    const std::optional<state::Move>& hint() const { return hint_; }
    QString hintText() const;

    // ヒント: asks game control; a refusal comes as the other refusals do.
    void askHint();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paint(QPainter& p, const SurfacePlacement& place);
    void paintInfluence(QPainter& p, const SurfacePlacement& place);
    void paintDestinations(QPainter& p, const SurfacePlacement& place);
    void paintHint(QPainter& p, const SurfacePlacement& place);
    void dropStaleHint();
    void redraw();

    MainWindow& window_;
    bool influenceShown_ = false;
    QWidget* sheet_ = nullptr;  // a child of the view, which owns it
    state::Board countedBoard_;
    rules::ReachCounts counts_;
    bool counted_ = false;
    std::optional<state::Move> hint_;
    state::Board hintBoard_;
    int hintCounter_ = 0;
};

}  // namespace app

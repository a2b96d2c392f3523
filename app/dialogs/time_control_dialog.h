#pragma once

#include <QWidget>

#include <memory>
#include <optional>

#include "app/panel/game_clocks.h"

class QCheckBox;

namespace app {

class SideRow;

// The time controls of the next game, each side's row (its kind, minutes
// and seconds a move; objects NearKind, NearMinutes, NearSeconds and
// FarKind, FarMinutes, FarSeconds) and 両者同じ (SameForBoth). With 両者同じ
// ticked the far row is greyed and shows the near row's values as they
// change.
class TimeControlForm : public QWidget {
public:
    TimeControlForm(const ClockChoice& now, QWidget* parent = nullptr);
    ~TimeControlForm() override;

    // The upper side's control, then the lower side's.
    ClockChoice choice() const;

private:
    void follow();

    std::unique_ptr<SideRow> near_, far_;
    QCheckBox* same_ = nullptr;  // owned by the form
};

// 対局 → 持ち時間: the form in a dialog, starting from `now`. Empty when the
// player cancels.
std::optional<ClockChoice> askTimeControl(QWidget* parent, const ClockChoice& now);

}  // namespace app

// The time-control dialog's form: with 両者同じ the greyed far row shows the
// near row's values as they change, and the choice is the near row's twice.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

#include "app/dialogs/time_control_dialog.h"

namespace {

template <typename T>
T* part(const app::TimeControlForm& form, const char* name) {
    T* found = form.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

}  // namespace

TEST(TimeControlForm, WithBothTheSameTheGreyedRowMirrorsTheNearOneLive) {
    const state::TimeControl byoyomi = *state::timeControlNamed("byoyomi:10:30");
    const state::TimeControl sudden = *state::timeControlNamed("sudden:5");
    app::TimeControlForm form(app::ClockChoice{sudden, byoyomi});
    auto* same = part<QCheckBox>(form, "SameForBoth");
    auto* nearKind = part<QComboBox>(form, "NearKind");
    auto* nearMinutes = part<QSpinBox>(form, "NearMinutes");
    auto* nearSeconds = part<QSpinBox>(form, "NearSeconds");
    auto* farKind = part<QComboBox>(form, "FarKind");
    auto* farMinutes = part<QSpinBox>(form, "FarMinutes");
    auto* farSeconds = part<QSpinBox>(form, "FarSeconds");
    EXPECT_FALSE(same->isChecked());
    EXPECT_EQ(farMinutes->value(), 5);
    same->setChecked(true);
    EXPECT_FALSE(farKind->isEnabled());
    EXPECT_FALSE(farMinutes->isEnabled());
    // Each change of the near row, the kind last: none keeps the numbers it showed.
    nearMinutes->setValue(7);
    nearSeconds->setValue(45);
    for (const int kind : {2, 1, 0}) {
        nearKind->setCurrentIndex(kind);
        EXPECT_EQ(farKind->currentIndex(), kind);
        EXPECT_EQ(farMinutes->value(), nearMinutes->value()) << kind;
        EXPECT_EQ(farSeconds->value(), nearSeconds->value()) << kind;
    }
    nearKind->setCurrentIndex(3);
    nearMinutes->setValue(12);
    EXPECT_EQ(farMinutes->value(), 12);
    const state::TimeControl chosen = *state::timeControlNamed("byoyomi:12:45");
    EXPECT_EQ(form.choice(), (app::ClockChoice{chosen, chosen}));
    same->setChecked(false);
    EXPECT_TRUE(farMinutes->isEnabled());
    farMinutes->setValue(3);
    EXPECT_EQ(form.choice()[0].main, std::chrono::minutes(3));
}

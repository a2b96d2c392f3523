// The time-control dialog's form: with 両者同じ the greyed far row shows the
// near row's values as they change, and the choice is the near row's twice.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

#include "app/dialogs/time_control_dialog.h"

TEST(TimeControlForm, WithBothTheSameTheGreyedRowMirrorsTheNearOneLive) {
    const state::TimeControl sudden = *state::timeControlNamed("sudden:5");
    app::TimeControlForm form(app::ClockChoice{sudden, *state::timeControlNamed("byoyomi:10:30")});
    const auto spin = [&form](const char* name) { return form.findChild<QSpinBox*>(name); };
    auto* nearKind = form.findChild<QComboBox*>("NearKind");
    auto* farKind = form.findChild<QComboBox*>("FarKind");
    ASSERT_TRUE(nearKind && farKind && spin("NearMinutes") && spin("FarSeconds"));
    form.findChild<QCheckBox*>("SameForBoth")->setChecked(true);
    EXPECT_FALSE(farKind->isEnabled() || spin("FarMinutes")->isEnabled());
    // Each change of the near row, the kinds that use no seconds or no time included.
    spin("NearMinutes")->setValue(7);
    spin("NearSeconds")->setValue(45);
    for (const int kind : {2, 1, 0, 3}) {
        nearKind->setCurrentIndex(kind);
        EXPECT_EQ(farKind->currentIndex(), kind);
        EXPECT_EQ(spin("FarMinutes")->value(), spin("NearMinutes")->value()) << kind;
        EXPECT_EQ(spin("FarSeconds")->value(), spin("NearSeconds")->value()) << kind;
    }
    spin("NearMinutes")->setValue(12);
    const state::TimeControl chosen = *state::timeControlNamed("byoyomi:12:45");
    EXPECT_EQ(form.choice(), (app::ClockChoice{chosen, chosen}));
}

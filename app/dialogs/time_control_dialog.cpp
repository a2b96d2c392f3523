#include "app/dialogs/time_control_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <chrono>

namespace app {

using namespace state;

namespace {

using state::ClockKind;

// The kinds in the order the list offers them.
struct KindRow {
    ClockKind kind;
    const char* caption;
};
constexpr KindRow kKinds[] = {
    {ClockKind::None, QT_TRANSLATE_NOOP("Clock", "なし")},
    {ClockKind::SuddenDeath, QT_TRANSLATE_NOOP("Clock", "切れ負け")},
    {ClockKind::Fischer, QT_TRANSLATE_NOOP("Clock", "フィッシャー")},
    {ClockKind::Byoyomi, QT_TRANSLATE_NOOP("Clock", "秒読み")},
};
constexpr state::TimeControl kFirstChoice{ClockKind::Byoyomi, std::chrono::minutes(10),
                                          std::chrono::seconds(30)};

QString clockText(const char* text) { return QCoreApplication::translate("Clock", text); }

}  // namespace

// One side's row: the kind, the minutes and the seconds a move.
class SideRow {
public:
    SideRow(QGridLayout& grid, int row, const QString& caption, const QString& name) {
        kind_->setObjectName(name + "Kind");
        minutes_->setObjectName(name + "Minutes");
        seconds_->setObjectName(name + "Seconds");
        grid.addWidget(new QLabel(caption), row, 0);
        for (const KindRow& k : kKinds) kind_->addItem(clockText(k.caption));
        minutes_->setRange(0, state::kMostClockMinutes);
        minutes_->setSuffix(QCoreApplication::translate("Clock", " 分"));
        seconds_->setRange(0, state::kMostSecondsAMove);
        seconds_->setSuffix(QCoreApplication::translate("Clock", " 秒／手"));
        grid.addWidget(kind_, row, 1);
        grid.addWidget(minutes_, row, 2);
        grid.addWidget(seconds_, row, 3);
        QObject::connect(kind_, &QComboBox::currentIndexChanged, [this] { fitToKind(); });
    }

    void set(const state::TimeControl& c) {
        for (int i = 0; i < static_cast<int>(std::size(kKinds)); ++i)
            if (kKinds[i].kind == c.kind) kind_->setCurrentIndex(i);
        const state::TimeControl shown = c.kind == ClockKind::None ? kFirstChoice : c;
        minutes_->setValue(
            static_cast<int>(std::chrono::duration_cast<std::chrono::minutes>(shown.main).count()));
        seconds_->setValue(
            static_cast<int>(std::chrono::duration_cast<std::chrono::seconds>(shown.perMove).count()));
        fitToKind();
    }

    state::TimeControl get() const {
        const ClockKind kind = kindRow().kind;
        if (kind == ClockKind::None) return {};
        return {kind, std::chrono::minutes(minutes_->value()),
                std::chrono::seconds(state::takesSecondsAMove(kind) ? seconds_->value() : 0)};
    }

    void setEnabled(bool on) {
        kind_->setEnabled(on);
        fitToKind(on);
    }
    // The other row's values as it shows them, whatever its kind uses.
    void mirror(const SideRow& other) {
        kind_->setCurrentIndex(other.kind_->currentIndex());
        minutes_->setValue(other.minutes_->value());
        seconds_->setValue(other.seconds_->value());
    }
    QComboBox* kind() const { return kind_; }
    QSpinBox* minutes() const { return minutes_; }
    QSpinBox* seconds() const { return seconds_; }

private:
    const KindRow& kindRow() const { return kKinds[std::max(kind_->currentIndex(), 0)]; }

    // A kind takes only what it uses, within what it allows.
    void fitToKind(bool enabled = true) {
        const ClockKind kind = kindRow().kind;
        const bool perMove = state::takesSecondsAMove(kind);
        minutes_->setMinimum(state::leastMinutes(kind));
        seconds_->setMinimum(perMove ? 1 : 0);
        minutes_->setEnabled(enabled && kind_->isEnabled() && kind != ClockKind::None);
        seconds_->setEnabled(enabled && kind_->isEnabled() && perMove);
    }

    QComboBox* kind_ = new QComboBox;
    QSpinBox* minutes_ = new QSpinBox;
    QSpinBox* seconds_ = new QSpinBox;
};

TimeControlForm::TimeControlForm(const ClockChoice& now, QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QGridLayout;
    column->addLayout(grid);
    near_ =
        std::make_unique<SideRow>(*grid, 0, QCoreApplication::translate("Clock", "手前（あなた）"), "Near");
    far_ = std::make_unique<SideRow>(*grid, 1, QCoreApplication::translate("Clock", "向こう（コンピュータ）"),
                                     "Far");
    same_ = new QCheckBox(QCoreApplication::translate("Clock", "両者同じ持ち時間"));
    same_->setObjectName("SameForBoth");
    column->addWidget(same_);
    near_->set(now[1]);
    far_->set(now[0]);
    // Both the same: the far row follows the near one as it changes.
    QObject::connect(same_, &QCheckBox::toggled, this, [this] { follow(); });
    QObject::connect(near_->kind(), &QComboBox::currentIndexChanged, this, [this] { follow(); });
    QObject::connect(near_->minutes(), &QSpinBox::valueChanged, this, [this] { follow(); });
    QObject::connect(near_->seconds(), &QSpinBox::valueChanged, this, [this] { follow(); });
    same_->setChecked(now[0] == now[1]);
    follow();
}

TimeControlForm::~TimeControlForm() = default;

void TimeControlForm::follow() {
    far_->setEnabled(!same_->isChecked());
    if (same_->isChecked()) far_->mirror(*near_);
}

ClockChoice TimeControlForm::choice() const {
    return ClockChoice{same_->isChecked() ? near_->get() : far_->get(), near_->get()};
}

std::optional<ClockChoice> askTimeControl(QWidget* parent, const ClockChoice& now) {
    QDialog dialog(parent);
    dialog.setObjectName("TimeControlDialog");
    dialog.setWindowTitle(QCoreApplication::translate("Clock", "持ち時間"));
    auto* column = new QVBoxLayout(&dialog);
    auto* form = new TimeControlForm(now);
    column->addWidget(form);
    auto* note = new QLabel(QCoreApplication::translate(
        "Clock", "次の対局から使います。二人で対局するときは、手前は盤の下側の人です。"));
    note->setWordWrap(true);
    column->addWidget(note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    column->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return form->choice();
}

}  // namespace app

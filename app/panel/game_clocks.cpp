#include "app/panel/game_clocks.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "app/dialogs/time_control_dialog.h"
#include "app/keeping/player_settings.h"
#include "app/panel/side_panel.h"
#include "control/game_clock.h"
#include "sound/sound_layer.h"
#include "sound/wave_synth.h"

namespace app {

namespace {

using std::chrono::milliseconds;

constexpr int kTickMilliseconds = 100;
// A person hears each of the last ten seconds of a byoyomi.
constexpr int kChimedSeconds = 10;
constexpr const char* kRunningStyle = "font-weight: bold; color: #b00000;";

constexpr std::size_t indexOf(int side) { return side > 0 ? 0 : 1; }

// Whole seconds, counted up, so a clock reads 0 only when the time is out.
long long secondsUp(milliseconds t) { return (t.count() + 999) / 1000; }

QString wholeTime(milliseconds t) {
    if (t < std::chrono::seconds(10)) {
        const long long tenths = t.count() / 100;
        return QString("%1.%2").arg(tenths / 10).arg(tenths % 10);
    }
    const long long s = secondsUp(t);
    if (s >= 3600)
        return QString("%1:%2:%3")
            .arg(s / 3600)
            .arg(s / 60 % 60, 2, 10, QChar('0'))
            .arg(s % 60, 2, 10, QChar('0'));
    return QString("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QChar('0'));
}

}  // namespace

QString clockReading(const state::SideTime& time, const state::TimeControl& control) {
    if (control.kind == state::ClockKind::None) return QCoreApplication::translate("Clock", "持ち時間なし");
    if (time.outOfTime) return QCoreApplication::translate("Clock", "時間切れ");
    if (time.inByoyomi) return QCoreApplication::translate("Clock", "秒読み %1").arg(wholeTime(time.byoyomi));
    return wholeTime(time.main);
}

GameClocks::GameClocks(const state::Game& game, SidePanel& panel, sound::SoundLayer& sound,
                       std::function<void()> ticked)
    : game_(game), sound_(sound), ticked_(std::move(ticked)) {
    box_ = new QWidget(nullptr);  // the panel lays it out and owns it
    box_->setObjectName("Clocks");
    auto* layout = new QVBoxLayout(box_);
    layout->setContentsMargins(0, 4, 0, 4);
    for (QLabel*& line : lines_) {
        line = new QLabel(box_);
        layout->addWidget(line);
    }
    lines_[0]->setObjectName("UpperClock");
    lines_[1]->setObjectName("LowerClock");
    box_->hide();
    panel.addAboveList(box_);
    timer_.setInterval(kTickMilliseconds);
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
}

GameClocks::~GameClocks() = default;

state::GameClock* GameClocks::resume(const std::array<record::KeptClock, 2>& kept) {
    state::GameClock* clock = begin({kept[0].control, kept[1].control});
    if (clock)
        for (const int side : {1, -1}) clock->setMainLeft(side, kept[indexOf(side)].left);
    show();
    return clock;
}

state::GameClock* GameClocks::begin(const ClockChoice& choice) {
    clock_ = std::make_unique<state::GameClock>(source_, choice[0], choice[1]);
    if (!clock_->active()) {
        end();
        return nullptr;
    }
    if (chimeSound_ == 0)
        chimeSound_ = sound_.loadImage("clock chime", sound::waveFileImage(sound::clockChime()));
    chimedSide_ = 0;
    timer_.start();
    box_->show();
    show();
    return clock_.get();
}

void GameClocks::end() {
    clock_.reset();
    timer_.stop();
    box_->hide();
}

void GameClocks::show() {
    if (!clock_) return;
    for (const int side : {1, -1}) {
        const state::SideTime t = clock_->read(side);
        const state::GameState& s = game_.state;
        QString text = playerWords(s, side > 0 ? s.comToken : s.humanToken) + "  " +
                       clockReading(t, clock_->control(side));
        if (t.running && clock_->paused()) text += QCoreApplication::translate("Clock", "（一時停止）");
        QLabel* line = lines_[indexOf(side)];
        line->setText((t.running ? "▶ " : "　 ") + text);
        line->setStyleSheet(t.running ? kRunningStyle : "");
    }
}

void GameClocks::tick() {
    show();
    chime();
    if (ticked_) ticked_();
}

void GameClocks::chime() {
    // Only a person's clock chimes: the computer's byoyomi would chime at every move it makes.
    const int side = clock_ ? clock_->running() : 0;
    const bool person = side == -1 || game_.state.gameKind == state::kTwoPlayers;
    if (side == 0 || !person || clock_->paused() || clock_->control(side).kind != state::ClockKind::Byoyomi) {
        chimedSide_ = 0;
        return;
    }
    const state::SideTime t = clock_->read(side);
    if (!t.inByoyomi || t.outOfTime) return;
    const int second = static_cast<int>(secondsUp(t.byoyomi));
    if (second > kChimedSeconds || (side == chimedSide_ && second == chimedSecond_)) return;
    chimedSide_ = side;
    chimedSecond_ = second;
    sound_.play(chimeSound_);
}

void GameClocks::followEvent(state::Game& g, bool gameEnded) {
    if (!g.clock) return;
    if (g.state.kifuMode || g.state.sideToMove == 0) {
        if (g.state.kifuMode || !gameEnded || g.record.last == 0) {
            g.clock = nullptr;
            end();
        }
        return;
    }
    control::時計_手番(g);
    show();
}

void GameClocks::choose(QWidget* parent, PlayerSettings* settings) {
    const std::optional<ClockChoice> chosen = askTimeControl(parent, choice_);
    if (!chosen) return;
    choice_ = *chosen;
    if (!settings) return;
    settings->setClock(1, choice_[0]);
    settings->setClock(-1, choice_[1]);
}

}  // namespace app

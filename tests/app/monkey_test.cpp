// The monkey: thousands of random actions on the real main window, with a
// fixed seed — presses with either button anywhere in the window, double
// clicks, every menu command but 終わり, files chosen from the list, names
// typed and RETURN — and message boxes answered at random. A window that
// ends the program is replaced by a new one. After every action the board
// holds only piece codes, neither side has two royal pieces, and the record's
// entries 1..counter, played from the position of the last start, load or
// reversal, give the board.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "play_window.h"
#include "positions.h"
#include "record/kifu_format.h"

using namespace state;

using state::Answer;
using testing_support::gameProblem;
using testing_support::PlayWindow;
using testing_support::SeenBox;
using testing_support::WorkingFolder;

namespace {

constexpr const char* kMenuItems[] = {
    "START",  "SENTE", "GOTE",      "LEVEL1",     "LEVEL2", "LEVEL3", "CANCEL", "REVERSE",
    "REPLAY", "AFTER", "KIFU_READ", "KIFU_WRITE", "SIDOU",  "BGM",    "VER",
};
constexpr const char* kMenus[] = {"TAIKYOKU", "STOP", "OPTION", "KIFU"};
const char* const kNames[] = {"", "a", "b", "棋譜一", "a/b"};

std::string header() { return "2024/01/01 10:00:00\r\n先手：MAN\r\n後手：COM LEVEL3\r\n"; }

// Records to choose from at the start: two whole short games (one from each
// first position) and files that are no record at all. The monkey adds the
// records it saves.
void seedFolder(const WorkingFolder& folder) {
    folder.write("人先.棋譜", header() +
                                  "5 9 5 7 -14-140  \r\n5 3 5 4 1  1  0  \r\n5 7 5 6 -14-140  \r\n"
                                  "5 6 4 6 -14-140  \r\n");
    folder.write("敵先.棋譜", header() + "5 1 5 3 14 14 0  \r\n5 7 5 6 -1 -1 0  \r\n");
    folder.write("空.棋譜", "");
    folder.write("見出し.棋譜", header());
    folder.write("座標0.棋譜", header() + "0 9 5 7 -14-140  \r\n");
    folder.write("壊れ.棋譜", std::string("\x00\x01\x02\n\xff\xfe", 6));
}

// The position a record file sets up when it loads, or nothing when it does not.
std::optional<state::Board> loadedPosition(const std::string& path) {
    const record::ReadResult read = record::readKifuFile(path);
    const auto* kifu = std::get_if<record::Kifu>(&read);
    if (!kifu) return std::nullopt;
    return kifu->entries.front().moved >= 1 ? testing_support::computerFirstPosition()
                                            : testing_support::humanFirstPosition();
}

class Monkey {
public:
    explicit Monkey(unsigned seed) : rng_(seed) { newWindow(); }

    // One random action; then the game is checked. Empty when all is well.
    std::string step(int index) {
        window_->forget();
        const state::Board before = window_->game().board;
        action_.clear();
        window_->chosenFile.clear();
        act();
        // A popup left open (a drive list) closes as a press elsewhere would close it.
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        log_.push_back(std::to_string(index) + ": " + action_);
        if (log_.size() > 40) log_.pop_front();
        followStart(before);
        if (window_->quits > 0) {
            ++windows_;
            newWindow();
        }
        return gameProblem(window_->game(), start_);
    }

    std::string recentActions() const {
        std::string out;
        for (const std::string& line : log_) out += line + "\n";
        return out;
    }

    int windows_ = 1, loads_ = 0, saves_ = 0, reversals_ = 0, ends_ = 0;
    int movesByKind_[3] = {0, 0, 0};  // two players, against the computer from 先手 and from 後手

private:
    void newWindow() {
        window_.reset();
        window_ = std::make_unique<PlayWindow>([this](const app::BoxRequest& r) {
            if (r.buttons == state::Buttons::YesNo) return rng_() % 2 ? Answer::Yes : Answer::No;
            return Answer::Ok;
        });
        window_->start();
        start_ = testing_support::humanFirstPosition();
    }

    int pick(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }
    Qt::MouseButton button() { return pick(3) == 0 ? Qt::RightButton : Qt::LeftButton; }

    void act() {
        PlayWindow& w = *window_;
        const int roll = pick(100);
        if (w.panelShows("File1") && roll < 50) return chooseFile();
        if (w.panelShows("Text1") && roll < 50) return typeAndSave();
        if (roll < 25) return pressSquare(pick(9) + 1, pick(9) + 1);
        if (roll < 50) return pressTowardsAMove();
        if (roll < 60) return pressAnywhere();
        if (roll < 63) {
            const int x = pick(9) + 1, y = pick(9) + 1;
            action_ = "double click " + std::to_string(x) + "," + std::to_string(y);
            return w.doubleClick(x, y, button());
        }
        if (roll < 62) {
            const char* menu = kMenus[pick(4)];
            action_ = std::string("open ") + menu;
            return w.openMenu(menu);
        }
        const char* item = kMenuItems[pick(std::size(kMenuItems))];
        // New games less often than the rest, so that games grow long.
        if ((std::string(item) == "SENTE" || std::string(item) == "GOTE" || std::string(item) == "START" ||
             std::string(item) == "CANCEL") &&
            pick(3) != 0)
            return pressTowardsAMove();
        action_ = std::string("menu ") + item;
        w.choose(item);
    }

    void pressSquare(int x, int y) {
        const Qt::MouseButton b = button();
        action_ = std::string(b == Qt::LeftButton ? "left" : "right") + " " + std::to_string(x) + "," +
                  std::to_string(y);
        const int last = window_->game().record.last, kind = gameKindIndex();
        window_->click(x, y, b);
        if (window_->quits == 0 && window_->game().record.last > last) ++movesByKind_[kind];
    }

    // A press a player making moves would make: one of the pieces of the
    // side to move, or a square the picked-up piece may reach.
    void pressTowardsAMove() {
        state::Game& g = window_->game();
        const int side = g.state.sideToMove == g.state.humanToken ? -1 : 1;
        if (g.state.selection == 1 && g.state.stepState != 2) {
            const std::vector<testing_support::Square> to = testing_support::destinations(
                g, g.state.selectedX(), g.state.selectedY(), g.state.pending.moved);
            if (!to.empty()) {
                const auto& s = to[pick(static_cast<int>(to.size()))];
                return pressSquare(s.first, s.second);
            }
        }
        if (g.state.stepState == 2) {
            const int x = g.state.selectedX() + pick(3) - 1, y = g.state.selectedY() + pick(3) - 1;
            return pressSquare(std::clamp(x, 1, 9), std::clamp(y, 1, 9));
        }
        std::vector<testing_support::Square> own;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (g.board(x, y) != 0 && (g.board(x, y) > 0) == (side > 0)) own.emplace_back(x, y);
        if (own.empty()) return pressSquare(pick(9) + 1, pick(9) + 1);
        const auto& s = own[pick(static_cast<int>(own.size()))];
        pressSquare(s.first, s.second);
    }

    void pressAnywhere() {
        QWidget* view = window_->window.view();
        const QPoint p(pick(view->width()), pick(view->height()));
        const Qt::MouseButton b = button();
        action_ = std::string(b == Qt::LeftButton ? "left" : "right") + " at pixel " + std::to_string(p.x()) +
                  "," + std::to_string(p.y());
        if (QWidget* child = view->childAt(p))
            action_ += std::string(" on ") + child->objectName().toStdString();
        window_->clickView(p, b);
    }

    void chooseFile() {
        const QStringList files = window_->listedFiles();
        if (files.isEmpty()) return pressTowardsAMove();
        const QString name = files[pick(static_cast<int>(files.size()))];
        action_ = "file " + name.toStdString();
        window_->clickFile(name);
    }

    void typeAndSave() {
        const char* name = kNames[pick(std::size(kNames))];
        action_ = std::string("save as \"") + name + "\"";
        window_->saveAs(QString::fromUtf8(name));
    }

    int gameKindIndex() {
        const state::GameState& s = window_->game().state;
        if (s.gameKind == state::kTwoPlayers) return 0;
        return s.comToken == -1 ? 1 : 2;
    }

    // Where the record now replays from, after what the action did.
    void followStart(const state::Board& before) {
        for (const SeenBox& b : window_->boxes) {
            if (b.text == "続けますか？") {
                ++ends_;
                start_ = testing_support::humanFirstPosition();  // Yes; No ends the program
            }
            if (b.text == "棋譜を '進 'で進めて下さい" && b.buttons == state::Buttons::YesNo &&
                b.answer == Answer::No)
                start_ = testing_support::humanFirstPosition();
            if (b.text == " 読み込みました") {
                // Whichever way the file was clicked: by its name or by a press that hit it.
                ++loads_;
                if (const auto loaded = loadedPosition(window_->chosenFile)) start_ = *loaded;
            }
            if (b.text == "棋譜を書き込みました") ++saves_;
        }
        if (action_ == "menu SENTE" || action_ == "menu CANCEL")
            start_ = testing_support::humanFirstPosition();
        if (action_ == "menu GOTE") start_ = testing_support::computerFirstPosition();
        if (action_ == "menu REVERSE" && std::none_of(window_->boxes.begin(), window_->boxes.end(),
                                                      [](const SeenBox& b) { return b.title == "反転"; })) {
            ++reversals_;
            start_ = testing_support::halfTurn(before);
        }
    }

    std::mt19937 rng_;
    std::unique_ptr<PlayWindow> window_;
    state::Board start_;
    std::string action_;
    std::deque<std::string> log_;
};

int fromEnvironment(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text ? std::atoi(text) : fallback;
}

}  // namespace

// NUEDORI_MONKEY_SEED and NUEDORI_MONKEY_ACTIONS run it with another seed or
// for longer.
TEST(Monkey, RandomActionsOnTheWindowNeverBreakTheGame) {
    WorkingFolder folder;
    seedFolder(folder);
    const unsigned seed = static_cast<unsigned>(fromEnvironment("NUEDORI_MONKEY_SEED", 20240607));
    const int actions = fromEnvironment("NUEDORI_MONKEY_ACTIONS", 5000);
    Monkey monkey(seed);
    for (int i = 1; i <= actions; ++i) {
        const std::string problem = monkey.step(i);
        ASSERT_EQ(problem, "") << "seed " << seed << ", action " << i << "; the last actions:\n"
                               << monkey.recentActions();
    }
    // The run reached every kind of game and every record command.
    EXPECT_GT(monkey.movesByKind_[0], 20);
    EXPECT_GT(monkey.movesByKind_[1], 20);
    EXPECT_GT(monkey.movesByKind_[2], 20);
    EXPECT_GT(monkey.loads_, 0);
    EXPECT_GT(monkey.saves_, 0);
    EXPECT_GT(monkey.reversals_, 0);
    EXPECT_GT(monkey.ends_, 0);
    EXPECT_GT(monkey.windows_, 1);
    std::printf("%d windows, %d ends, %d loads, %d saves, %d reversals, moves %d/%d/%d\n", monkey.windows_,
                monkey.ends_, monkey.loads_, monkey.saves_, monkey.reversals_, monkey.movesByKind_[0],
                monkey.movesByKind_[1], monkey.movesByKind_[2]);
}

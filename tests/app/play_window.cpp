#include "play_window.h"
#include "positions.h"

#include "state/geometry.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/board/surface_view.h"
#include "rules/move_check.h"
#include "state/pieces.h"

namespace testing_support {

using namespace state;

PlayWindow::PlayWindow(Answerer fb, app::GameKeeper* keeper, app::PlayerSettings* settings)
    : fallback(std::move(fb)),
      sound({NUEDORI_WAVE_DIR},
            [this](std::string_view text, std::string_view caption) {
                boxes.push_back({std::string(text), std::string(caption)});
            }),
      window(sound, app::WindowServices{[this](QWidget*, const app::BoxRequest& r) { return answer(r); },
                                        0,
                                        [this] { ++quits; },
                                        [this](int, double, double) { ++presses; },
                                        [this](const std::string& path) { chosenFile = path; },
                                        {},
                                        [this](QWidget*, bool, const QString&) { return filePath; },
                                        keeper,
                                        settings}) {}

state::Answer PlayWindow::answer(const app::BoxRequest& r) {
    state::Answer a = r.buttons == state::Buttons::YesNo ? state::Answer::Yes : state::Answer::Ok;
    if (!script.empty()) {
        a = script.front();
        script.pop_front();
    } else if (fallback) {
        a = fallback(r);
    }
    const bool refusal = sound.playing(window.game().state.sounds.forbidden);
    boxes.push_back({r.text, r.title, r.buttons, refusal, a});
    if (onBox) onBox(boxes.back());
    return a;
}

void PlayWindow::start() {
    window.start();
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
}

void PlayWindow::silence() { sound.stop(window.game().state.sounds.forbidden); }

void PlayWindow::click(int x, int y, Qt::MouseButton button) {
    // The middle of the square, as the board's grid places it.
    clickTwips(state::middleX(x), state::middleY(y), button);
}

void PlayWindow::clickTwips(double x, double y, Qt::MouseButton button) {
    const QPointF w = window.view()->placement().toWidget(QPointF(x, y));
    clickView(QPoint(int(std::floor(w.x())), int(std::floor(w.y()))), button);
}

void PlayWindow::clickView(QPoint pixel, Qt::MouseButton button) {
    silence();
    QWidget* target = window.view()->childAt(pixel);
    if (!target) target = window.view();
    QTest::mouseClick(target, button, {}, target->mapFrom(window.view(), pixel));
}

void PlayWindow::doubleClick(int x, int y, Qt::MouseButton button) {
    silence();
    const QPointF w = window.view()->placement().toWidget(QPointF(state::middleX(x), state::middleY(y)));
    const QPoint at(int(std::floor(w.x())), int(std::floor(w.y())));
    QTest::mouseClick(window.view(), button, {}, at);
    QTest::mousePress(window.view(), button, {}, at);
    QTest::mouseDClick(window.view(), button, {}, at);
    QTest::mouseRelease(window.view(), button, {}, at);
}

void PlayWindow::choose(const char* controlName) {
    silence();
    QAction* item = window.menuItem(controlName);
    ASSERT_NE(item, nullptr) << controlName;
    item->trigger();
}

void PlayWindow::openMenu(const char* controlName) {
    silence();
    QMenu* menu = window.menuBar()->findChild<QMenu*>(controlName);
    ASSERT_NE(menu, nullptr) << controlName;
    menu->popup(window.mapToGlobal(QPoint(10, 10)));
    QApplication::processEvents();
    menu->hide();
}

bool PlayWindow::panelShows(const char* objectName) const {
    const QWidget* w = panel<QWidget>(objectName);
    return w && w->isVisible();
}

void PlayWindow::saveAs(const QString& name) {
    auto* box = panel<QLineEdit>("Text1");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(box->isVisible());
    box->clear();
    box->setFocus();
    for (const QChar c : name) {
        if (c.unicode() < 128) {
            QTest::keyClick(box, c.toLatin1());
        } else {
            // Japanese comes as the input method commits it.
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QApplication::sendEvent(box, &commit);
        }
    }
    silence();
    QTest::mouseClick(panel<QPushButton>("Command1"), Qt::LeftButton);
}

bool PlayWindow::clickFile(const QString& name) {
    auto* list = panel<QListWidget>("File1");
    if (!list || !list->isVisible()) return false;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->text() != name) continue;
        list->scrollToItem(list->item(i));
        QApplication::processEvents();
        silence();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(i)).center());
        return true;
    }
    return false;
}

QStringList PlayWindow::listedFiles() const {
    QStringList out;
    if (const auto* list = panel<QListWidget>("File1"))
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

std::vector<std::string> PlayWindow::messages() const {
    std::vector<std::string> out;
    for (const SeenBox& b : boxes) out.push_back(b.text + "|" + b.title + (b.refusalSound ? "|禁止" : ""));
    return out;
}

void PlayWindow::forget() {
    boxes.clear();
    silence();
}

WorkingFolder::WorkingFolder() {
    char name[] = "/tmp/nuedori-window-XXXXXX";
    const char* made = ::mkdtemp(name);
    EXPECT_NE(made, nullptr);
    path = made ? made : "/tmp";
    previous = std::filesystem::current_path().string();
    std::filesystem::current_path(path);
}

WorkingFolder::~WorkingFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous, ignored);
    std::filesystem::remove_all(path, ignored);
}

void WorkingFolder::write(const std::string& name, std::string_view bytes) const {
    std::ofstream out(std::filesystem::path(path) / name, std::ios::binary);
    out << bytes;
    EXPECT_TRUE(out.good()) << name;
}

std::string WorkingFolder::read(const std::string& name) const {
    std::ifstream in(std::filesystem::path(path) / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// ---- positions ----

state::Board boardFrom(std::string_view diagram) {
    state::Board b;
    std::istringstream in{std::string(diagram)};
    std::string token;
    for (int i = 0; i < 81 && in >> token; ++i) b(i % 9 + 1, i / 9 + 1) = token == "." ? 0 : std::stoi(token);
    return b;
}

state::Board humanFirstPosition() {
    return boardFrom(R"(
         3  5  7  9 15  9  7  5  3
         . 10  .  .  .  .  . 12  .
         1  1  1  1  1  1  1  1  1
         .  .  .  .  .  .  .  .  .
         .  .  .  .  .  .  .  .  .
         .  .  .  .  .  .  .  .  .
         .  .  .  .  .  .  .  .  .
         .  .  .  .  .  .  .  .  .
         .  .  .  . -14 .  .  .  .)");
}

state::Board computerFirstPosition() {
    return boardFrom(R"(
         .  .  .  . 14  .  .  .  .
         .  .  .  .  .  .  .  .  .
         .  .  .  .  .  .  .  .  .
         .  .  .  .  .  .  .  .  .
         .  .  .  .  .  .  .  .  .
         .  .  .  .  .  .  .  .  .
        -1 -1 -1 -1 -1 -1 -1 -1 -1
         . -12 .  .  .  .  . -10 .
        -3 -5 -7 -9 -15 -9 -7 -5 -3)");
}

state::Board halfTurn(const state::Board& b) {
    state::Board out;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) out(10 - x, 10 - y) = -b(x, y);
    return out;
}

state::Board replayed(state::Board start, const state::MoveRecord& r, int upto) {
    for (int k = 1; k <= upto; ++k) {
        start(r.fromX[k], r.fromY[k]) = 0;
        start(r.toX[k], r.toY[k]) = r.placed[k];
    }
    return start;
}

std::string boardProblem(const state::Board& b) {
    int upperRoyals = 0, lowerRoyals = 0;
    for (int x = 0; x <= 9; ++x)
        for (int y = 0; y <= 9; ++y) {
            const int c = b(x, y);
            const std::string at = "(" + std::to_string(x) + "," + std::to_string(y) + ")";
            if ((x == 0 || y == 0) && c != 0) return "code " + std::to_string(c) + " off the board at " + at;
            if (c < -15 || c > 15) return "code " + std::to_string(c) + " at " + at;
            upperRoyals += c == state::王 || c == state::鵺王;
            lowerRoyals += c == -state::王 || c == -state::鵺王;
        }
    if (upperRoyals > 1) return std::to_string(upperRoyals) + " upper royal pieces";
    if (lowerRoyals > 1) return std::to_string(lowerRoyals) + " lower royal pieces";
    return {};
}

namespace {

bool onBoard(int x, int y) { return 1 <= x && x <= 9 && 1 <= y && y <= 9; }

}  // namespace

std::string gameProblem(const state::Game& g, const state::Board& start) {
    if (std::string p = boardProblem(g.board); !p.empty()) return p;
    const state::MoveRecord& r = g.record;
    if (r.counter < 0 || r.counter > r.last || r.last > state::MoveRecord::kCapacity)
        return "record counter " + std::to_string(r.counter) + ", end " + std::to_string(r.last);
    for (int k = 1; k <= r.counter; ++k)
        if (!onBoard(r.fromX[k], r.fromY[k]) || !onBoard(r.toX[k], r.toY[k]))
            return "entry " + std::to_string(k) + " leaves the board";
    if (!(replayed(start, r, r.counter) == g.board))
        return "entries 1.." + std::to_string(r.counter) + " do not give the board";
    return {};
}

std::vector<Move> legalMoves(state::Game& g, int side) {
    std::vector<Move> out;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int p = g.board(x, y);
            if (p == 0 || (p > 0) != (side > 0)) continue;
            for (int tx = 1; tx <= 9; ++tx)
                for (int ty = 1; ty <= 9; ++ty)
                    if (testing_support::移動チェック(g, x, y, tx, ty, p) == state::有)
                        out.push_back({x, y, tx, ty});
        }
    return out;
}

}  // namespace testing_support

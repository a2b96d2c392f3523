#include "game_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTest>

#include <cmath>

#include "app/board/surface_view.h"
#include "app/panel/side_panel.h"
#include "app/window/window_fit.h"

void PrintTo(const QString& s, std::ostream* os) { *os << s.toStdString(); }

namespace testing_support {

GameWindow::GameWindow(double waitFactor)
    : sound({NUEDORI_WAVE_DIR},
            [this](std::string_view text, std::string_view caption) {
                boxes.push_back(
                    {std::string(text), std::string(caption), state::Buttons::Ok, state::Icon::Exclamation});
            }),
      window(sound, app::WindowServices{[this](QWidget*, const app::BoxRequest& r) {
                                            boxes.push_back(r);
                                            if (!script.empty()) {
                                                const state::Answer a = script.front();
                                                script.pop_front();
                                                return a;
                                            }
                                            return r.buttons == state::Buttons::YesNo ? state::Answer::Yes
                                                                                      : state::Answer::Ok;
                                        },
                                        waitFactor, [this] { ++quits; },
                                        [this](int button, double x, double y) {
                                            presses.push_back({button, x, y});
                                        },
                                        [this](const std::string& path) { chosenFiles.push_back(path); },
                                        [this](QWidget*, const QString&) { return imagePath; },
                                        [this](QWidget*, bool, const QString&) { return filePath; }}) {}

void GameWindow::startAndShow() {
    window.start();
    firstSize = window.size();
    // The size the pictures of these tests were taken at: the whole surface
    // at its natural size, the panel beside it as far as the screen allows.
    const int screenWidth = window.screen()->availableGeometry().width();
    window.resize(std::min(627 + app::kPanelFullWidth, screenWidth), 471 + app::barsHeight(window));
    window.view()->prepareInBackground(QSize(627, 471));
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
}

void GameWindow::choose(const char* controlName) {
    QAction* item = window.menuItem(controlName);
    ASSERT_NE(item, nullptr) << controlName;
    item->trigger();
}

QImage GameWindow::picture() { return window.view()->shownPicture(); }

app::Artwork GameWindow::artwork() {
    const app::SurfaceView* v = window.view();
    return app::Artwork(v->placement().scale * v->devicePixelRatioF() / app::kTwipsPerPixel);
}

QPoint GameWindow::pixelAt(double twipX, double twipY) {
    return artwork().toDevice(QRectF(twipX, twipY, 1, 1)).topLeft();
}

void GameWindow::pressAt(Qt::MouseButton button, double twipX, double twipY) {
    const QPointF w = window.view()->placement().toWidget(QPointF(twipX, twipY));
    QTest::mousePress(window.view(), button, {}, QPoint(int(std::floor(w.x())), int(std::floor(w.y()))));
}

void GameWindow::resizeView(int width, int height) {
    // The view gets the size asked; the side panel keeps its width beside it.
    window.resize(width + app::SidePanel::kWidth,
                  height + window.menuBar()->height() + window.statusBar()->height());
    QApplication::processEvents();
}

std::string rgb(QRgb c) {
    return "(" + std::to_string(qRed(c)) + "," + std::to_string(qGreen(c)) + "," + std::to_string(qBlue(c)) +
           ")";
}

}  // namespace testing_support

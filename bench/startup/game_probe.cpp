// The game exactly as it starts, leaving as soon as its window has painted.
#include <QCoreApplication>
#include <QTimer>

#include "app/window/game_main.h"
#include "first_paint_clock.h"

int main(int argc, char** argv) {
    app::StartOptions options;
    options.firstPaint = [] {
        reportFirstPaint();
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    };
    return app::runGame(argc, argv, options);
}

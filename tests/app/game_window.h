#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "app/board/artwork.h"
#include "app/window/main_window.h"
#include "sound/sound_layer.h"

void PrintTo(const QString& s, std::ostream* os);

namespace testing_support {

// The real main window with the game's wave files, message boxes answered
// from a script (then with their first button), waits of the given length
// factor, and quitting recorded instead of ending the process.
struct GameWindow {
    struct Press {
        int button;
        double x, y;
    };

    explicit GameWindow(double waitFactor = 0);

    std::vector<app::BoxRequest> boxes;
    std::deque<state::Answer> script;
    int quits = 0;
    QSize firstSize;  // the window's size as start-up left it
    std::vector<Press> presses;
    std::vector<std::string> chosenFiles;
    QString imagePath;  // the answer to 画像で保存's question
    QString filePath;   // the answer to KIF で書き出す's and KIF で読み込む's question
    sound::SoundLayer sound;
    app::MainWindow window;

    state::Game& game() { return window.game(); }

    // Start-up as the game does it, then the window on screen.
    void startAndShow();
    // Chooses a menu item as the player does.
    void choose(const char* controlName);
    // The surface as shown, and where a cell or a twip point lies on it.
    QImage picture();
    app::Artwork artwork();
    QPoint pixelAt(double twipX, double twipY);
    // Presses a mouse button on the view at the centre of a surface point in twips.
    void pressAt(Qt::MouseButton button, double twipX, double twipY);
    void resizeView(int width, int height);
};

// Red, green, blue of a pixel, as text for readable failures.
std::string rgb(QRgb c);

}  // namespace testing_support

#pragma once

#include <functional>

#include "app/board/drawing_surface.h"
#include "state/window_port.h"

namespace sound {
class SoundLayer;
}

namespace app {

class BesideBoard;
class FilePanel;
class MessageBoxes;
class Pause;
class SurfaceView;
class WindowMenus;

// The game's window port over the window's parts: its drawing goes to the
// surface and the view, its boxes to MessageBoxes, its pauses to Pause, its
// sounds to the sound layer, its file panel and check marks to theirs, and
// the facts it tells (the computer thinks, the game begins or ends, a move
// is complete, the options are reset, the program quits) to the window.
class GamePort : public state::WindowPort {
public:
    struct Parts {
        DrawingSurface& surface;
        sound::SoundLayer& sound;
        MessageBoxes& boxes;
        Pause& pause;
        double waitFactor = 1.0;
    };
    struct Facts {
        std::function<void(state::Outcome)> gameOver;
        std::function<void()> gameBegins, moveCompleted, optionsReset, quit;
    };
    GamePort(Parts parts, Facts facts) : parts_(parts), facts_(std::move(facts)) {}

    // The window's widgets, once they are made (before the game's first event).
    void attach(SurfaceView& view, BesideBoard& beside, FilePanel& files, WindowMenus& menus);

    // The labels' facts the game told last.
    const state::GameFacts& labels() const { return labels_; }

    void outlineCell(int colour, int x, int y) override { draw(outlineCall(colour, x, y)); }
    void fillRect(double x, double y, int w, int h, int colour) override {
        draw(fillCall(x, y, w, h, colour));
    }
    void drawImage(state::ImageRef image, double x, double y) override { draw(imageCall(image, x, y)); }
    void printText(double x, double y, const state::SurfaceText& t, state::TextStyle s) override {
        draw(textCall(x, y, t, s));
    }
    void refresh() override;
    state::Answer messageBox(const state::Message& text, state::Text title, state::Buttons buttons,
                             state::Icon icon) override;
    void thinking(bool on) override;
    void gameFacts(const state::GameFacts& facts) override { labels_ = facts; }
    void gameOver(state::Outcome o) override { facts_.gameOver(o); }
    void moveCompleted() override { facts_.moveCompleted(); }
    void gameBegins() override { facts_.gameBegins(); }
    void optionsReset() override { facts_.optionsReset(); }
    void soundStartup() override;
    int loadSound(std::string_view fileName, int flags) override;
    void playSound(int handle) override;
    void loopSound(int handle) override;
    void stopSound(int handle) override;
    void freeSound(int handle) override;
    void soundShutdown() override;
    void wait(double seconds) override;
    void setListsVisible(bool drive, bool folder, bool files) override;
    void setNameRowVisible(bool visible) override;
    void clearNameBox() override;
    std::string nameBoxText() override;
    std::string fileListFolder() override;
    void refreshFileList() override;
    void setMenuChecked(state::MenuCheck item, bool checked) override;
    void quit() override { facts_.quit(); }

private:
    void draw(DrawOp op);

    Parts parts_;
    Facts facts_;
    SurfaceView* view_ = nullptr;
    BesideBoard* beside_ = nullptr;
    FilePanel* files_ = nullptr;
    WindowMenus* menus_ = nullptr;
    state::GameFacts labels_;
};

}  // namespace app

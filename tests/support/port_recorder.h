#pragma once

#include <deque>
#include <string>
#include <vector>

#include "state/window_port.h"

namespace testing_support {

// A window port for tests: logs every call as one line of text (texts in the
// game's Japanese, as the window shows them), answers message boxes from a
// script (then with the first button), returns from waits at once and
// records a quit instead of ending the process.
class PortRecorder : public state::WindowPort {
public:
    std::vector<std::string> log;
    std::deque<state::Answer> answers;  // scripted answers, oldest first
    bool quitCalled = false;
    bool logDrawing = true;  // turn off to keep only messages, sounds and the rest
    std::string nameBox;
    std::string folder = ".";
    int nextSoundHandle = 1;
    // The facts the game told, apart from the log: "thinking 1", "facts ...", "over ...".
    std::vector<std::string> facts;
    // The texts printed, as they were said (the log has them in the game's Japanese).
    std::vector<state::SurfaceText> printed;

    void outlineCell(int colour, int x, int y) override;
    void fillRect(double x, double y, int width, int height, int colour) override;
    void drawImage(state::ImageRef image, double x, double y) override;
    void printText(double x, double y, const state::SurfaceText& text, state::TextStyle style) override;
    void refresh() override;
    state::Answer messageBox(const state::Message& text, state::Text title, state::Buttons buttons,
                             state::Icon icon) override;
    void thinking(bool on) override;
    void gameFacts(const state::GameFacts& facts) override;
    void gameOver(state::Outcome o) override;
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
    void quit() override;

    // The logged lines that start with the prefix, in order.
    std::vector<std::string> linesStartingWith(std::string_view prefix) const;
    // Message boxes shown, as "text|title".
    std::vector<std::string> messages() const;
    void clear() { log.clear(); }
};

}  // namespace testing_support

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "state/outcome.h"
#include "state/texts.h"

namespace state {

// Images of the board artwork. The king and the Nue King of one side share
// one image name; the face of the piece says which of the two it is.
enum class Image {
    KARA_MASU,
    TITLE,
    UE_HU,
    UE_TO,
    UE_KYOU,
    UE_KEI,
    UE_GIN,
    UE_KIN,
    UE_SYA,
    UE_RYUU,
    UE_KAKU,
    UE_UMA,
    UE_OU,
    SITA_HU,
    SITA_TO,
    SITA_KYOU,
    SITA_KEI,
    SITA_GIN,
    SITA_KIN,
    SITA_SYA,
    SITA_RYUU,
    SITA_KAKU,
    SITA_UMA,
    SITA_OU,
};

// One image to copy onto the surface: its name, the element of its control
// array (1 = the promoted form of lance, knight and silver) and the piece code
// it shows (0 for the empty square and the title).
struct ImageRef {
    Image name = Image::KARA_MASU;
    int element = 0;
    int piece = 0;
    friend bool operator==(const ImageRef&, const ImageRef&) = default;
};

struct TextStyle {
    int size = 9;
    int colour = 15;
    bool bold = false;
    friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

enum class Buttons { Ok, YesNo };
enum class Icon { None, Exclamation };
enum class Answer { Ok, Yes, No };

// The creation flags of a sound buffer: the game asks 3 for an effect and 1
// for the music.
inline constexpr int kEffectSoundFlags = 3;
inline constexpr int kMusicSoundFlags = 1;

// The key code of Esc, the one key the game answers.
inline constexpr int kEscKey = 27;

// Menu items that carry a check mark.
// The search levels come last so the others keep their numbers.
enum class MenuCheck { LEVEL1, LEVEL2, LEVEL3, SIDOU, BGM, LEVEL4, LEVEL5, LEVEL6, LEVEL7, LEVEL8 };
inline constexpr std::size_t kMenuCheckCount = 10;

// What the labels beside the board stand for: who moved first, which side is
// the human's against the computer (0 in a game between two people), the
// computer's level, and whether a record is being replayed.
struct GameFacts {
    int firstMover = -1;  // +1 upper, -1 lower
    int humanSide = -1;
    int level = 3;
    bool replaying = false;
    friend bool operator==(const GameFacts&, const GameFacts&) = default;
};

// The one way the game reaches the world: the window's surface, its message
// boxes, the sound layer, waits, the file panel and quitting. The game tells
// it what happens as facts (texts by name, moves as values, the result);
// the window words them.
//
// Positions are cells of the board grid (fractions allowed): cell (X, Y) has
// its top-left corner at twips (200 + 490 X, -300 + 600 Y). Widths and
// heights are twips. Colours are the sixteen console palette numbers.
class WindowPort {
public:
    virtual ~WindowPort() = default;

    // Surface.
    virtual void outlineCell(int colour, int x, int y) = 0;
    virtual void fillRect(double x, double y, int width, int height, int colour) = 0;
    virtual void drawImage(ImageRef image, double x, double y) = 0;
    virtual void printText(double x, double y, const SurfaceText& text, TextStyle style) = 0;
    virtual void refresh() = 0;

    // A modal message box; the answer is Ok for an OK box.
    virtual Answer messageBox(const Message& text, Text title, Buttons buttons, Icon icon) = 0;

    // Facts for what the window shows beside the board: the computer
    // thinks (or has done), the labels' facts changed, the game ended.
    virtual void thinking(bool) {}
    virtual void gameFacts(const GameFacts&) {}
    virtual void gameOver(state::Outcome) {}
    // A move is complete on the board, both steps of a Nue King's: the
    // window may keep the game as it stands.
    virtual void moveCompleted() {}
    // A game begins: before its first move the window may give it a clock
    // (Game::clock).
    virtual void gameBegins() {}
    // The level and the options are back at their start-up values in the
    // middle of an event (a record is loaded): the window may put back what
    // the player chose, as it does after start-up.
    virtual void optionsReset() {}

    // Sound layer. A handle of 0 is a no-operation everywhere.
    virtual void soundStartup() = 0;
    virtual int loadSound(std::string_view fileName, int flags) = 0;
    virtual void playSound(int handle) = 0;
    virtual void loopSound(int handle) = 0;
    virtual void stopSound(int handle) = 0;
    virtual void freeSound(int handle) = 0;
    virtual void soundShutdown() = 0;

    // Pauses the game: the window keeps repainting, input waits until after.
    virtual void wait(double seconds) = 0;

    // File panel: the three lists, and the name row (label, box, button).
    virtual void setListsVisible(bool drive, bool folder, bool files) = 0;
    virtual void setNameRowVisible(bool visible) = 0;
    virtual void clearNameBox() = 0;
    virtual std::string nameBoxText() = 0;
    virtual std::string fileListFolder() = 0;
    virtual void refreshFileList() = 0;

    virtual void setMenuChecked(MenuCheck item, bool checked) = 0;

    // Ends the program (after the closing procedure has run).
    virtual void quit() = 0;
};

// A port that draws nothing, answers every box with its first button and
// plays no sound: for the command line and the benchmarks.
class NullPort : public WindowPort {
public:
    void outlineCell(int, int, int) override {}
    void fillRect(double, double, int, int, int) override {}
    void drawImage(ImageRef, double, double) override {}
    void printText(double, double, const SurfaceText&, TextStyle) override {}
    void refresh() override {}
    Answer messageBox(const Message&, Text, Buttons buttons, Icon) override {
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    void soundStartup() override {}
    int loadSound(std::string_view, int) override { return 0; }
    void playSound(int) override {}
    void loopSound(int) override {}
    void stopSound(int) override {}
    void freeSound(int) override {}
    void soundShutdown() override {}
    void wait(double) override {}
    void setListsVisible(bool, bool, bool) override {}
    void setNameRowVisible(bool) override {}
    void clearNameBox() override {}
    std::string nameBoxText() override { return {}; }
    std::string fileListFolder() override { return {}; }
    void refreshFileList() override {}
    void setMenuChecked(MenuCheck, bool) override {}
    void quit() override {}
};

}  // namespace state

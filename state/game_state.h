#pragma once

#include "state/move.h"
#include "state/pieces.h"

namespace state {

// Palette numbers and mouse buttons used throughout the window.
inline constexpr int kBlack = 0;
inline constexpr int kGreen = 2;      // background; erases outlines
inline constexpr int kLightRed = 12;  // the selected square
inline constexpr int kWhite = 15;     // texts; reachable squares in teaching mode
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;

// Game kinds.
inline constexpr int kTwoPlayers = 0;
inline constexpr int kAgainstComputer = 1;

// The buffers of the four wave files; 0 for a file that could not be loaded.
struct SoundHandles {
    int other = 0;      // その他.wav: the version box
    int forbidden = 0;  // 禁止.wav: every refusal
    int piece = 0;      // 駒打音.wav: a piece is put down
    int bgm = 0;        // BGM.wav: the background music
};

// The game-wide state the main window holds; start-up values as given.
struct GameState {
    int sideToMove = 0;  // a turn token, 0 = no game in progress
    int humanToken = 1;  // the lower side's player
    int comToken = -1;   // the upper side's player
    int gameKind = kAgainstComputer;
    int level = 3;
    int selection = 0;   // 1 while a piece is picked up
    int stepState = 0;   // 2 while a Nue King waits for its second step
    int moveNumber = 0;  // the displayed move number
    int kifuMode = 0;
    int resumeNotice = 0;
    int movableColour = kGreen;
    int reversed = 0;

    // The move in progress, as one value: the square a press selected and
    // the piece on it (from, moved), and while a Nue King waits for its
    // second step, its first step (to, captured). A press on an opposing
    // piece selects it too, to show its reach, without picking it up.
    Move pending;

    // The selected square: the Nue King's after its first step.
    int selectedX() const { return stepState == 2 ? pending.toX : pending.fromX; }
    int selectedY() const { return stepState == 2 ? pending.toY : pending.fromY; }
    // What the next step moves: a Nue King's second step is a king step.
    int steppingPiece() const { return stepState == 2 ? (pending.moved >= 1 ? 王 : -王) : pending.moved; }

    // Menu check marks: they are the options and live only as long as the
    // process (nothing is saved).
    bool bgmOn = true;
    bool teachingOn = false;

    SoundHandles sounds;

    // Set once the program has been asked to end: nothing more is handled.
    bool quitRequested = false;
};

}  // namespace state

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sound {

// A mono 16-bit sound, ready to be written as a wave file.
struct Wave {
    int sampleRate = 44100;
    std::vector<std::int16_t> samples;
    double seconds() const { return static_cast<double>(samples.size()) / sampleRate; }
};

// The game's own sounds, synthesised from fixed note tables and a fixed-seed
// noise source, so every build writes the same bytes.
Wave chime();           // その他.wav: two soft bell strokes, about 1.5 s
Wave refusalBuzz();     // 禁止.wav: a low double buzz, about 0.4 s
Wave woodClick();       // 駒打音.wav: a piece struck on a wooden board, about 0.2 s
Wave clockChime();      // the clock's last seconds: one short high bell stroke, about 0.25 s
Wave backgroundTune();  // BGM.wav: koto over a drone in the miyako-bushi mode on D,
                        // about 29 s; its last sample runs into its first

// The complete image of a PCM wave file (RIFF header, fmt and data chunks).
std::vector<unsigned char> waveFileImage(const Wave& w);

// The four sounds and the names the game loads them by.
struct NamedWave {
    std::string fileName;
    Wave wave;
};
std::vector<NamedWave> gameSounds();

}  // namespace sound

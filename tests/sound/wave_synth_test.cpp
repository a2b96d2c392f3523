#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "sound/wave_synth.h"

namespace {

std::uint32_t read32(const std::vector<unsigned char>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t read16(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
std::string tagAt(const std::vector<unsigned char>& b, std::size_t at) {
    return std::string(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4);
}

int peak(const sound::Wave& w) {
    int top = 0;
    for (auto s : w.samples) top = std::max(top, std::abs(int(s)));
    return top;
}

// The typical size of one step from a sample to the next.
double rmsStep(const sound::Wave& w) {
    double sum = 0;
    for (std::size_t i = 1; i < w.samples.size(); ++i) {
        const double d = w.samples[i] - w.samples[i - 1];
        sum += d * d;
    }
    return std::sqrt(sum / static_cast<double>(w.samples.size() - 1));
}

}  // namespace

TEST(WaveFiles, EveryGameSoundIsAPlainPcmWave) {
    const auto sounds = sound::gameSounds();
    ASSERT_EQ(sounds.size(), 4u);
    const char* names[] = {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"};
    for (std::size_t i = 0; i < sounds.size(); ++i) {
        const auto& [name, wave] = sounds[i];
        EXPECT_EQ(name, names[i]);
        const auto image = sound::waveFileImage(wave);
        ASSERT_EQ(image.size(), 44 + wave.samples.size() * 2) << name;
        EXPECT_EQ(tagAt(image, 0), "RIFF");
        EXPECT_EQ(read32(image, 4), image.size() - 8);
        EXPECT_EQ(tagAt(image, 8), "WAVE");
        EXPECT_EQ(tagAt(image, 12), "fmt ");
        EXPECT_EQ(read16(image, 20), 1) << "PCM";
        EXPECT_EQ(read16(image, 22), 1) << "mono";
        EXPECT_EQ(read32(image, 24), 44100u);
        EXPECT_EQ(read32(image, 28), 88200u);
        EXPECT_EQ(read16(image, 34), 16);
        EXPECT_EQ(tagAt(image, 36), "data");
        EXPECT_EQ(read32(image, 40), wave.samples.size() * 2);
        EXPECT_EQ(static_cast<std::int16_t>(read16(image, 44)), wave.samples[0]);
    }
}

TEST(WaveFiles, EffectsAreShortAudibleAndEndOnSilence) {
    struct Case {
        const char* name;
        sound::Wave wave;
        double minSeconds, maxSeconds;
    };
    const Case cases[] = {{"chime", sound::chime(), 0.8, 2.0},
                          {"buzz", sound::refusalBuzz(), 0.2, 0.6},
                          {"click", sound::woodClick(), 0.05, 0.3}};
    for (const Case& c : cases) {
        EXPECT_GE(c.wave.seconds(), c.minSeconds) << c.name;
        EXPECT_LE(c.wave.seconds(), c.maxSeconds) << c.name;
        EXPECT_GT(peak(c.wave), 10000) << c.name;
        EXPECT_LT(peak(c.wave), 32767) << c.name << " must not clip";
        // No click at either end: starts and ends at (or next to) zero.
        EXPECT_LT(std::abs(int(c.wave.samples.front())), 200) << c.name;
        EXPECT_EQ(c.wave.samples.back(), 0) << c.name;
    }
}

TEST(WaveFiles, TheTuneIsLongAndLoopsWithoutASeam) {
    const sound::Wave tune = sound::backgroundTune();
    EXPECT_GE(tune.seconds(), 20.0);
    EXPECT_LT(peak(tune), 32767);
    EXPECT_GT(peak(tune), 8000);
    // Played round, the step from the last sample back to the first is no
    // bigger than the tune's ordinary steps: there is nothing to hear.
    const double seam = std::abs(tune.samples.front() - tune.samples.back());
    EXPECT_LT(seam, 3 * rmsStep(tune)) << "seam " << seam << " typical " << rmsStep(tune);
    // The tune sounds all the way round: no second of it is silent.
    for (std::size_t start = 0; start + 44100 <= tune.samples.size(); start += 44100) {
        int top = 0;
        for (std::size_t i = start; i < start + 44100; ++i)
            top = std::max(top, std::abs(int(tune.samples[i])));
        EXPECT_GT(top, 1000) << "second " << start / 44100;
    }
}

TEST(WaveFiles, EveryBuildWritesTheSameBytes) {
    EXPECT_EQ(sound::waveFileImage(sound::woodClick()), sound::waveFileImage(sound::woodClick()));
    EXPECT_EQ(sound::backgroundTune().samples, sound::backgroundTune().samples);
}

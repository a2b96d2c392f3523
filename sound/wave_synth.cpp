#include "sound/wave_synth.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstddef>
#include <numbers>

namespace sound {

namespace {

constexpr int kRate = 44100;
constexpr double kTwoPi = 2 * std::numbers::pi;

// A small fixed-seed noise source (a linear congruential generator): every
// build makes the same sounds.
class Noise {
public:
    double next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / static_cast<double>(1ULL << 53) * 2.0 - 1.0;
    }

private:
    unsigned long long state_ = 0x6E75652DULL;
};

std::size_t samplesFor(double seconds) { return static_cast<std::size_t>(seconds * kRate); }

// A sum of decaying partials: a frequency ratio, an amplitude and a decay time each.
struct Partial {
    double ratio, amplitude, decay;
};

// Adds the partials of one stroke at `start`; the sample index wraps around
// the buffer when `wrap` is set, so a tail that runs off the end reappears at
// the start (the buffer then loops seamlessly).
void addStroke(std::vector<double>& out, std::size_t start, double frequency,
               const std::vector<Partial>& partials, double gain, double attack, double length, bool wrap) {
    const std::size_t n = samplesFor(length);
    const std::size_t rise = std::max<std::size_t>(1, samplesFor(attack));
    for (const Partial& p : partials) {
        const double f = frequency * p.ratio;
        if (f >= kRate / 2.0) continue;
        const std::complex<double> turn = std::polar(1.0, kTwoPi * f / kRate);
        std::complex<double> phasor(0.0, 1.0);  // starts at zero amplitude in sine phase
        const double fall = std::exp(-1.0 / (p.decay * kRate));
        double envelope = p.amplitude * gain;
        for (std::size_t i = 0; i < n; ++i) {
            const double shape = i < rise ? static_cast<double>(i) / rise : 1.0;
            std::size_t at = start + i;
            if (wrap)
                at %= out.size();
            else if (at >= out.size())
                break;
            out[at] += envelope * shape * phasor.real();
            phasor *= turn;
            envelope *= fall;
        }
    }
}

// Fades the last `seconds` to silence so the file ends on zero.
void fadeOut(std::vector<double>& s, double seconds) {
    const std::size_t n = std::min(s.size(), samplesFor(seconds));
    for (std::size_t i = 0; i < n; ++i) s[s.size() - 1 - i] *= static_cast<double>(i) / n;
}

Wave toWave(const std::vector<double>& s, double peak) {
    double top = 0;
    for (double v : s) top = std::max(top, std::abs(v));
    const double scale = top > 0 ? peak * 32767.0 / top : 0.0;
    Wave w;
    w.sampleRate = kRate;
    w.samples.reserve(s.size());
    for (double v : s) w.samples.push_back(static_cast<std::int16_t>(std::lround(v * scale)));
    return w;
}

double noteFrequency(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// The koto's pluck: strong low partials that die away faster the higher they
// are, slightly sharp overtones as on a real string.
std::vector<Partial> kotoPartials(double ring) {
    static constexpr double kAmplitudes[] = {1.0, 0.55, 0.38, 0.22, 0.16, 0.09, 0.06, 0.04};
    std::vector<Partial> ps;
    for (int k = 1; k <= 8; ++k) {
        const double stretch = std::sqrt(1.0 + 0.00025 * k * k);
        ps.push_back({k * stretch, kAmplitudes[k - 1], ring / (1.0 + 0.8 * (k - 1))});
    }
    return ps;
}

// One note of the tune: when (in beats), which pitch (MIDI number), how loud.
struct Note {
    double beat;
    int pitch;
    double loudness;
};

// Miyako-bushi on D over the koto's even tuning (D G A B♭ D E♭ G A B♭ D E♭ G A):
// a slow eight-bar song that settles on D and starts again.
constexpr int D3 = 50, G2 = 43, A2 = 45, Bb2 = 46, Eb3 = 51, G3 = 55, A3 = 57, Bb3 = 58;
constexpr int D4 = 62, Eb4 = 63, G4 = 67, A4 = 69, Bb4 = 70, D5 = 74, Eb5 = 75, G5 = 79;

const std::vector<Note>& melody() {
    static const std::vector<Note> notes = {
        {0, A4, 1.0},   {1.5, Bb4, 0.8},  {2, A4, 0.9},    {3, G4, 0.8},     //
        {4, Eb4, 0.9},  {5, G4, 0.7},     {5.5, A4, 0.7},  {6, G4, 0.9},     //
        {8, D5, 1.0},   {9.5, Eb5, 0.7},  {10, D5, 0.9},   {11, Bb4, 0.8},   //
        {12, A4, 1.0},  {13, A4, 0.45},   {13.5, A4, 0.4}, {15, G4, 0.8},    //
        {16, Bb4, 0.9}, {17, A4, 0.8},    {18, G4, 0.8},   {19, Eb4, 0.8},   //
        {20, D4, 1.0},  {21.5, Eb4, 0.7}, {22, G4, 0.9},   {23.5, A4, 0.5},  //
        {24, A4, 0.9},  {25, Bb4, 0.7},   {25.5, A4, 0.7}, {26, G4, 0.8},   {27, Eb4, 0.8},
        {28, D4, 1.0},  {28, D5, 0.5},    {30.5, G5, 0.3}, {31, D5, 0.3},
    };
    return notes;
}

const std::vector<Note>& accompaniment() {
    static const std::vector<Note> notes = {
        {0, D3, 0.8},  {2, A3, 0.6},     {3, D4, 0.4},    //
        {4, G2, 0.8},  {6, D3, 0.6},     {7, G3, 0.4},    //
        {8, Bb2, 0.8}, {10, D3, 0.6},    {11, Bb3, 0.4},  //
        {12, A2, 0.8}, {14, Eb3, 0.6},   {15, A3, 0.4},   //
        {16, G2, 0.8}, {18, D3, 0.6},    {19, G3, 0.4},   //
        {20, D3, 0.8}, {22, A3, 0.6},    {23, D4, 0.4},   //
        {24, A2, 0.8}, {26, Eb3, 0.6},   {27, A3, 0.4},   //
        {28, D3, 0.9}, {28.05, A3, 0.5}, {30, D3, 0.5},
    };
    return notes;
}

// A quiet drone on D and A under the koto, swelling twice per round. Its
// frequencies are rounded to whole cycles per round so it loops without a seam.
void addDrone(std::vector<double>& out) {
    const double round = static_cast<double>(out.size()) / kRate;
    const auto whole = [round](double f) { return std::round(f * round) / round; };
    const double fD = whole(noteFrequency(D3)), fA = whole(noteFrequency(A3));
    const double fSwell = 2.0 / round;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double swell = 0.75 + 0.25 * std::cos(kTwoPi * fSwell * t);
        out[i] += 0.05 * swell *
                  (std::sin(kTwoPi * fD * t) + 0.6 * std::sin(kTwoPi * fA * t) +
                   0.15 * std::sin(kTwoPi * 2 * fD * t));
    }
}

}  // namespace

Wave chime() {
    std::vector<double> s(samplesFor(1.6), 0.0);
    const std::vector<Partial> bell = {
        {1.0, 1.0, 0.9}, {2.71, 0.45, 0.5}, {5.15, 0.22, 0.25}, {8.19, 0.1, 0.12}};
    addStroke(s, 0, 880.0, bell, 1.0, 0.002, 1.6, false);
    addStroke(s, samplesFor(0.16), 1318.5, bell, 0.8, 0.002, 1.44, false);
    fadeOut(s, 0.05);
    return toWave(s, 0.6);
}

Wave clockChime() {
    std::vector<double> s(samplesFor(0.25), 0.0);
    const std::vector<Partial> bell = {{1.0, 1.0, 0.2}, {2.71, 0.3, 0.1}, {5.15, 0.1, 0.05}};
    addStroke(s, 0, 1760.0, bell, 1.0, 0.002, 0.25, false);
    fadeOut(s, 0.03);
    return toWave(s, 0.4);
}

Wave refusalBuzz() {
    std::vector<double> s(samplesFor(0.42), 0.0);
    for (double start : {0.0, 0.21}) {
        const std::size_t first = samplesFor(start), n = samplesFor(0.15);
        for (std::size_t i = 0; i < n; ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double env = std::min({1.0, t / 0.004, (0.15 - t) / 0.025});
            double v = 0;
            // A band-limited square on two slightly different pitches: a dull, rough tone.
            for (int k = 1; k <= 25; k += 2)
                v += (std::sin(kTwoPi * 110.0 * k * t) + 0.7 * std::sin(kTwoPi * 113.0 * k * t)) / k;
            s[first + i] += env * v;
        }
    }
    return toWave(s, 0.5);
}

Wave woodClick() {
    std::vector<double> s(samplesFor(0.18), 0.0);
    // The board's and the piece's ringing modes, each short-lived.
    const std::vector<Partial> modes = {{190.0, 0.5, 0.025},
                                        {820.0, 0.5, 0.030},
                                        {1450.0, 0.8, 0.022},
                                        {2350.0, 0.6, 0.015},
                                        {3900.0, 0.4, 0.008}};
    addStroke(s, 0, 1.0, modes, 1.0, 0.0003, 0.18, false);
    // The hard contact itself: a burst of noise over the first couple of milliseconds.
    Noise noise;
    double smooth = 0;
    for (std::size_t i = 0; i < samplesFor(0.004); ++i) {
        smooth = 0.6 * smooth + 0.4 * noise.next();
        const double rise = std::min(1.0, static_cast<double>(i) / 8);  // no step at the start
        s[i] += 1.2 * rise * smooth * std::exp(-static_cast<double>(i) / (0.0007 * kRate));
    }
    fadeOut(s, 0.02);
    return toWave(s, 0.8);
}

Wave backgroundTune() {
    constexpr double kBeat = 60.0 / 72.0;
    constexpr int kBeats = 32;
    std::vector<double> s(samplesFor(kBeat * kBeats), 0.0);
    addDrone(s);
    const auto place = [&](const std::vector<Note>& notes, double ring, double gain) {
        for (const Note& n : notes)
            addStroke(s, samplesFor(n.beat * kBeat), noteFrequency(n.pitch), kotoPartials(ring),
                      gain * n.loudness, 0.0015, 4.0, true);
    };
    place(melody(), 1.3, 0.30);
    place(accompaniment(), 2.2, 0.22);
    return toWave(s, 0.4);
}

std::vector<unsigned char> waveFileImage(const Wave& w) {
    std::vector<unsigned char> out;
    out.reserve(44 + w.samples.size() * 2);
    const auto put32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
    };
    const auto put16 = [&](std::uint16_t v) {
        out.push_back(static_cast<unsigned char>(v));
        out.push_back(static_cast<unsigned char>(v >> 8));
    };
    const auto tag = [&](const char* t) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(t[i]));
    };
    const auto dataBytes = static_cast<std::uint32_t>(w.samples.size() * 2);
    tag("RIFF");
    put32(36 + dataBytes);
    tag("WAVE");
    tag("fmt ");
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(static_cast<std::uint32_t>(w.sampleRate));
    put32(static_cast<std::uint32_t>(w.sampleRate * 2));
    put16(2);
    put16(16);
    tag("data");
    put32(dataBytes);
    for (std::int16_t v : w.samples) put16(static_cast<std::uint16_t>(v));
    return out;
}

std::vector<NamedWave> gameSounds() {
    return {{"その他.wav", chime()},
            {"禁止.wav", refusalBuzz()},
            {"駒打音.wav", woodClick()},
            {"BGM.wav", backgroundTune()}};
}

}  // namespace sound

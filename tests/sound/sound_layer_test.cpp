#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "sound/sound_layer.h"
#include "sound/wave_synth.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

fs::path u8path(std::string_view name) { return fs::path(std::u8string(name.begin(), name.end())); }

// A fresh folder for one test's wave files and the disk driver's output.
class Folder {
public:
    Folder() {
        char pattern[] = "/tmp/nuedori-sound.XXXXXX";
        path_ = ::mkdtemp(pattern);
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }
    void write(std::string_view name, const std::vector<unsigned char>& bytes) const {
        std::ofstream out(path_ / u8path(name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    void write(std::string_view name, std::string_view text) const {
        std::ofstream out(path_ / u8path(name), std::ios::binary);
        out << text;
    }

private:
    fs::path path_;
};

struct Warned {
    std::string text, caption;
};

// A sound layer over the given folder that records its warnings.
struct Layer {
    explicit Layer(const fs::path& folder)
        : sound({folder}, [this](std::string_view text, std::string_view caption) {
              warnings.push_back({std::string(text), std::string(caption)});
          }) {}
    std::vector<Warned> warnings;
    sound::SoundLayer sound;
};

// Sends the mixed output into a file as raw samples, at real-time speed.
void useDiskDriver(const fs::path& output) {
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
}

void useDriver(const char* name) { ::setenv("SDL_AUDIODRIVER", name, 1); }

std::vector<std::int16_t> readSamples(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
}

int loudest(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
    int top = 0;
    for (std::size_t i = from; i < std::min(to, s.size()); ++i) top = std::max(top, std::abs(int(s[i])));
    return top;
}

const char* const kGameFiles[] = {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"};

}  // namespace

TEST(SoundOutput, APlayedEffectReachesTheOutput) {
    Folder f;
    f.write("その他.wav", sound::waveFileImage(sound::chime()));
    useDiskDriver(f.path() / "out.raw");
    Layer l(f.path());
    ASSERT_TRUE(l.sound.startup());
    const int h = l.sound.load("その他.wav", 3);
    ASSERT_NE(h, 0);
    l.sound.play(h);
    std::this_thread::sleep_for(400ms);
    l.sound.shutdown();
    const auto out = readSamples(f.path() / "out.raw");
    ASSERT_GT(out.size(), 0u);
    EXPECT_GT(loudest(out, 0, out.size()), 3000);
    EXPECT_TRUE(l.warnings.empty());
}

TEST(SoundOutput, ALoopKeepsSoundingUntilStopped) {
    Folder f;
    f.write("駒打音.wav", sound::waveFileImage(sound::woodClick()));  // 0.18 s long
    const fs::path output = f.path() / "out.raw";
    useDiskDriver(output);
    Layer l(f.path());
    ASSERT_TRUE(l.sound.startup());
    const auto perSecond = static_cast<std::size_t>(l.sound.outputSamplesPerSecond());
    ASSERT_GT(perSecond, 0u);
    const int h = l.sound.load("駒打音.wav", 3);
    l.sound.loop(h);
    std::this_thread::sleep_for(800ms);
    EXPECT_TRUE(l.sound.playing(h));
    const std::size_t atStop = fs::file_size(output) / 2;
    l.sound.stop(h);
    EXPECT_FALSE(l.sound.playing(h));
    std::this_thread::sleep_for(600ms);
    l.sound.shutdown();
    const auto out = readSamples(output);
    // Long after the click's own 0.18 s the output still sounds: it loops.
    // The margins allow a loaded machine whose driver writes late.
    ASSERT_GT(atStop, perSecond / 2);
    EXPECT_GT(loudest(out, atStop - perSecond / 4, atStop), 3000);
    // After the stop and the driver's buffers in flight all is silent.
    const std::size_t quietFrom = atStop + perSecond / 4;
    ASSERT_GT(out.size(), quietFrom + perSecond / 10);
    EXPECT_EQ(loudest(out, quietFrom, out.size()), 0);
}

TEST(SoundOutput, StoppingOneBufferLeavesTheOthersPlaying) {
    Folder f;
    f.write("BGM.wav", sound::waveFileImage(sound::woodClick()));
    f.write("禁止.wav", sound::waveFileImage(sound::chime()));
    useDriver("dummy");
    Layer l(f.path());
    ASSERT_TRUE(l.sound.startup());
    const int music = l.sound.load("BGM.wav", 1), refusal = l.sound.load("禁止.wav", 3);
    l.sound.loop(music);
    l.sound.play(refusal);
    l.sound.stop(refusal);
    EXPECT_TRUE(l.sound.playing(music));
    EXPECT_FALSE(l.sound.playing(refusal));
    // Switching the music off and on starts it again.
    l.sound.stop(music);
    EXPECT_FALSE(l.sound.playing(music));
    l.sound.loop(music);
    EXPECT_TRUE(l.sound.playing(music));
}

TEST(SoundFiles, MissingFilesGiveHandleZeroSilently) {
    Folder f;
    useDriver("dummy");
    Layer l(f.path());
    ASSERT_TRUE(l.sound.startup());
    for (const char* name : kGameFiles) EXPECT_EQ(l.sound.load(name, 3), 0) << name;
    // Every operation takes 0 and does nothing.
    l.sound.play(0);
    l.sound.loop(0);
    l.sound.stop(0);
    l.sound.free(0);
    EXPECT_FALSE(l.sound.playing(0));
    EXPECT_EQ(l.sound.bufferCount(), 0u);
    EXPECT_TRUE(l.warnings.empty());
}

TEST(SoundFiles, AnUnreadableFileIsReportedWithItsReason) {
    struct Case {
        const char* what;
        void (*make)(const Folder&);
        const char* reason;  // empty: the sound library's own words
    };
    const Case cases[] = {
        {"not a wave", [](const Folder& f) { f.write("禁止.wav", std::string_view("this is no sound")); },
         ""},
        {"empty", [](const Folder& f) { f.write("禁止.wav", std::string_view("")); }, "空のファイルです"},
        {"a folder", [](const Folder& f) { fs::create_directory(f.path() / u8path("禁止.wav")); },
         "Is a directory"},
    };
    useDriver("dummy");
    for (const Case& c : cases) {
        Folder f;
        c.make(f);
        Layer l(f.path());
        ASSERT_TRUE(l.sound.startup());
        EXPECT_EQ(l.sound.load("禁止.wav", 3), 0) << c.what;
        ASSERT_EQ(l.warnings.size(), 1u) << c.what;
        const std::string prefix = "禁止.wav：";
        EXPECT_EQ(l.warnings[0].text.rfind(prefix, 0), 0u) << l.warnings[0].text;
        const std::string reason = l.warnings[0].text.substr(prefix.size());
        if (*c.reason)
            EXPECT_EQ(reason, c.reason) << c.what;
        else
            EXPECT_FALSE(reason.empty()) << c.what;
        EXPECT_EQ(l.warnings[0].caption, "QXぬえどり王.dll");
    }
}

TEST(SoundFiles, TheFirstFolderHoldingTheFileWins) {
    Folder first, second;
    second.write("駒打音.wav", sound::waveFileImage(sound::woodClick()));
    sound::SoundLayer layer({first.path(), second.path()}, nullptr);
    EXPECT_EQ(layer.locate("駒打音.wav"), second.path() / u8path("駒打音.wav"));
    first.write("駒打音.wav", sound::waveFileImage(sound::woodClick()));
    EXPECT_EQ(layer.locate("駒打音.wav"), first.path() / u8path("駒打音.wav"));
    EXPECT_EQ(layer.locate("BGM.wav"), std::nullopt);
}

TEST(SoundDevice, WithoutADeviceOneWarningAndSilence) {
    Folder f;
    f.write("BGM.wav", sound::waveFileImage(sound::woodClick()));
    useDriver("no-such-driver");
    Layer l(f.path());
    EXPECT_FALSE(l.sound.startup());
    ASSERT_EQ(l.warnings.size(), 1u);
    EXPECT_EQ(l.warnings[0].text, "Direct Soundインターフェースが作成できません。");
    EXPECT_EQ(l.warnings[0].caption, "QXぬえどり王.dll");
    // The file is there, but with no device every load answers 0, without a word.
    EXPECT_EQ(l.sound.load("BGM.wav", 1), 0);
    EXPECT_EQ(l.warnings.size(), 1u);
    l.sound.shutdown();
    EXPECT_FALSE(l.sound.running());
}

TEST(SoundLifetime, ShutDownFreesEveryBufferOnce) {
    Folder f;
    for (const char* name : kGameFiles) f.write(name, sound::waveFileImage(sound::woodClick()));
    useDriver("dummy");
    Layer l(f.path());
    ASSERT_TRUE(l.sound.startup());
    std::vector<int> handles;
    for (const char* name : kGameFiles) handles.push_back(l.sound.load(name, 3));
    EXPECT_EQ(handles, (std::vector<int>{1, 2, 3, 4}));
    l.sound.free(handles[1]);
    l.sound.free(handles[1]);  // a second free of the same handle does nothing
    EXPECT_EQ(l.sound.bufferCount(), 3u);
    l.sound.play(handles[1]);  // a freed handle is no longer played
    EXPECT_FALSE(l.sound.playing(handles[1]));
    l.sound.shutdown();
    EXPECT_EQ(l.sound.bufferCount(), 0u);
    EXPECT_FALSE(l.sound.running());
    l.sound.shutdown();
    // After shut-down nothing more is loaded.
    EXPECT_EQ(l.sound.load("BGM.wav", 1), 0);
}

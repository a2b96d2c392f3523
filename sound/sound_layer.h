#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct Mix_Chunk;

namespace sound {

// The caption of every warning of the sound layer, and the one shown when no
// audio device can be opened (the game then runs silently).
inline constexpr std::string_view kWarningCaption = "QXぬえどり王.dll";
inline constexpr std::string_view kNoDeviceText = "Direct Soundインターフェースが作成できません。";

// Shows a warning box: exclamation icon, one OK button, the given caption.
using Warning = std::function<void(std::string_view text, std::string_view caption)>;

// The game's sound layer: three effects and the background music, each held
// as a buffer with its own handle. A handle of 0 (a file that could not be
// loaded, or no device) is accepted by every operation and does nothing.
//
// Each buffer plays on its own mixer channel, so playing a buffer again
// restarts it and stopping it silences only that buffer.
//
// 例: startup(); int h = load("駒打音.wav", 3); play(h); ... free(h); shutdown();
class SoundLayer {
public:
    // Wave files are looked up in these folders, first match wins.
    SoundLayer(std::vector<std::filesystem::path> folders, Warning warn);
    ~SoundLayer();
    SoundLayer(const SoundLayer&) = delete;
    SoundLayer& operator=(const SoundLayer&) = delete;

    // Opens the audio device. When it cannot, shows kNoDeviceText and every
    // later load answers 0. Answers whether sound is on.
    bool startup();

    // Makes a buffer from the whole image of the named wave file. A file that
    // is nowhere answers 0 silently; a file that cannot be read or is not a
    // wave shows "<name>：<reason>" and answers 0. The creation flags are
    // the game's (3 for effects, 1 for the music); every buffer plays the
    // same way here, so they change nothing.
    int load(std::string_view fileName, int flags);
    // A buffer from a wave file's image in memory (a sound the game makes
    // itself); `name` names it in a warning.
    int loadImage(std::string_view name, const std::vector<unsigned char>& image);

    void play(int handle);
    void loop(int handle);  // plays until stop; returns at once
    void stop(int handle);
    void free(int handle);

    // Frees what is left and closes the device. Only once; later calls do nothing.
    void shutdown();

    bool running() const { return running_; }
    // Samples per second the device is fed, all channels together (0 when off).
    int outputSamplesPerSecond() const;
    // Whether the buffer is sounding now (false for 0 and unknown handles).
    bool playing(int handle) const;
    std::size_t bufferCount() const { return buffers_.size(); }

    // Where the named file would be loaded from, if it is anywhere.
    std::optional<std::filesystem::path> locate(std::string_view fileName) const;

private:
    struct Buffer {
        Mix_Chunk* chunk = nullptr;
        int channel = 0;
    };

    const Buffer* find(int handle) const;
    int makeBuffer(std::string_view fileName, const std::vector<unsigned char>& image);
    void warnAbout(std::string_view fileName, std::string_view reason);

    std::vector<std::filesystem::path> folders_;
    Warning warn_;
    bool running_ = false;
    int nextHandle_ = 1;
    std::map<int, Buffer> buffers_;
};

}  // namespace sound

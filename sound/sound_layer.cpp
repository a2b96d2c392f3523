#include "sound/sound_layer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>
#include <variant>

namespace sound {

namespace {

// The output the mixer asks for: CD rate, one channel (every sound of the
// game is mono, so none needs converting when it is loaded), a short buffer
// so an effect is heard as the piece lands.
constexpr int kRate = 44100;
constexpr int kChannels = 1;
constexpr int kChunkFrames = 1024;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// The whole file as bytes, or the reason it could not be read.
std::variant<std::vector<unsigned char>, std::string> readWhole(const std::filesystem::path& path) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return std::string(std::strerror(errno));
    // One read of the whole length where the length is known (the music is
    // the largest file), then whatever more there is.
    std::vector<unsigned char> bytes;
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) {
        const auto length = std::filesystem::file_size(path, ec);
        if (!ec) bytes.reserve(static_cast<std::size_t>(length));
    }
    unsigned char block[65536];
    for (;;) {
        const std::size_t room = bytes.capacity() - bytes.size();
        if (room > 0) {
            const std::size_t at = bytes.size();
            bytes.resize(bytes.capacity());
            const std::size_t n = std::fread(bytes.data() + at, 1, room, file.get());
            bytes.resize(at + n);
            if (n < room) break;
        } else {
            const std::size_t n = std::fread(block, 1, sizeof block, file.get());
            bytes.insert(bytes.end(), block, block + n);
            if (n < sizeof block) break;
        }
    }
    if (std::ferror(file.get())) return std::string(std::strerror(errno));
    if (bytes.empty()) return std::string("空のファイルです");
    return bytes;
}

}  // namespace

SoundLayer::SoundLayer(std::vector<std::filesystem::path> folders, Warning warn)
    : folders_(std::move(folders)), warn_(std::move(warn)) {}

SoundLayer::~SoundLayer() { shutdown(); }

bool SoundLayer::startup() {
    if (running_) return true;
    // The window owns Ctrl+C and termination; the disk driver's notice about
    // writing to a file is of no use to a player.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_LogSetPriority(SDL_LOG_CATEGORY_AUDIO, SDL_NUM_LOG_PRIORITIES);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        if (warn_) warn_(kNoDeviceText, kWarningCaption);
        return false;
    }
    if (Mix_OpenAudio(kRate, AUDIO_S16SYS, kChannels, kChunkFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        if (warn_) warn_(kNoDeviceText, kWarningCaption);
        return false;
    }
    running_ = true;
    return true;
}

std::optional<std::filesystem::path> SoundLayer::locate(std::string_view fileName) const {
    const std::filesystem::path name(std::u8string(fileName.begin(), fileName.end()));
    for (const auto& folder : folders_) {
        std::error_code ec;
        const auto candidate = folder / name;
        if (std::filesystem::exists(candidate, ec)) return candidate;
    }
    return std::nullopt;
}

int SoundLayer::load(std::string_view fileName, int /*flags*/) {
    if (!running_) return 0;
    const auto path = locate(fileName);
    if (!path) return 0;
    auto image = readWhole(*path);
    if (auto* reason = std::get_if<std::string>(&image)) {
        warnAbout(fileName, *reason);
        return 0;
    }
    // The image is released when this returns: the mixer keeps its own copy.
    return makeBuffer(fileName, std::get<std::vector<unsigned char>>(image));
}

int SoundLayer::loadImage(std::string_view name, const std::vector<unsigned char>& image) {
    return running_ ? makeBuffer(name, image) : 0;
}

int SoundLayer::makeBuffer(std::string_view fileName, const std::vector<unsigned char>& image) {
    SDL_RWops* rw = SDL_RWFromConstMem(image.data(), static_cast<int>(image.size()));
    Mix_Chunk* chunk = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
    if (!chunk) {
        warnAbout(fileName, SDL_GetError());
        return 0;
    }
    const int handle = nextHandle_++;
    if (Mix_AllocateChannels(-1) < handle) Mix_AllocateChannels(handle);
    buffers_[handle] = Buffer{chunk, handle - 1};
    return handle;
}

void SoundLayer::warnAbout(std::string_view fileName, std::string_view reason) {
    if (warn_) warn_(std::string(fileName) + "：" + std::string(reason), kWarningCaption);
}

const SoundLayer::Buffer* SoundLayer::find(int handle) const {
    const auto it = buffers_.find(handle);
    return it == buffers_.end() ? nullptr : &it->second;
}

void SoundLayer::play(int handle) {
    if (const Buffer* b = find(handle)) Mix_PlayChannel(b->channel, b->chunk, 0);
}

void SoundLayer::loop(int handle) {
    if (const Buffer* b = find(handle)) Mix_PlayChannel(b->channel, b->chunk, -1);
}

void SoundLayer::stop(int handle) {
    if (const Buffer* b = find(handle)) Mix_HaltChannel(b->channel);
}

bool SoundLayer::playing(int handle) const {
    const Buffer* b = find(handle);
    return b && Mix_Playing(b->channel) != 0 && Mix_GetChunk(b->channel) == b->chunk;
}

int SoundLayer::outputSamplesPerSecond() const {
    int rate = 0, channels = 0;
    Uint16 format = 0;
    if (!running_ || !Mix_QuerySpec(&rate, &format, &channels)) return 0;
    return rate * channels;
}

void SoundLayer::free(int handle) {
    const auto it = buffers_.find(handle);
    if (it == buffers_.end()) return;
    Mix_HaltChannel(it->second.channel);
    Mix_FreeChunk(it->second.chunk);
    buffers_.erase(it);
}

void SoundLayer::shutdown() {
    if (!running_) return;
    while (!buffers_.empty()) free(buffers_.begin()->first);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_Quit();
    running_ = false;
}

}  // namespace sound

// Writes the game's four wave files into the folder given as the only
// argument (the build puts them beside the program).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "sound/wave_synth.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    for (const auto& [name, wave] : sound::gameSounds()) {
        const auto path = folder / std::filesystem::path(std::u8string(name.begin(), name.end()));
        const auto image = sound::waveFileImage(wave);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}

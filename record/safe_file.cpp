#include "record/safe_file.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace record {

namespace {

namespace fs = std::filesystem;

std::error_code lastError() { return {errno, std::generic_category()}; }

// Creates the file, which must not exist yet, with the bytes pushed to the
// disk; on failure the file is removed again. The one place that speaks
// POSIX: the standard streams say that a write failed but not why (a full
// disk, the file-size limit), cannot refuse a name already taken, and cannot
// push the bytes to the disk before the rename makes them the saved game.
std::error_code writeNewFile(const fs::path& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return lastError();
    std::error_code failure;
    while (!bytes.empty() && !failure) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written > 0)
            bytes.remove_prefix(static_cast<std::size_t>(written));
        else if (written == 0)
            failure = std::make_error_code(std::errc::io_error);
        else if (errno != EINTR)
            failure = lastError();
    }
    if (!failure && ::fsync(fd) != 0) failure = lastError();
    if (::close(fd) != 0 && !failure) failure = lastError();
    if (failure) ::unlink(path.c_str());
    return failure;
}

struct TemporaryFile {
    fs::path path;
    std::error_code failure;
};

// A new file beside the target, named after it with a ".tmp" ending that the
// file list's pattern never shows. A name already taken is never reused.
TemporaryFile writeTemporaryFile(const fs::path& target, std::string_view bytes) {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    TemporaryFile temp;
    for (int attempt = 0; attempt < 16; ++attempt) {
        temp.path = target;
        temp.path.replace_filename(target.filename().string() + "." + std::to_string(stamp + attempt) +
                                   ".tmp");
        temp.failure = writeNewFile(temp.path, bytes);
        if (temp.failure != std::errc::file_exists) break;
    }
    return temp;
}

// The rename itself reaches the disk with its folder; a folder that cannot
// be opened (no read right) still has the file renamed, which is what counts.
void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::optional<SaveError> saveFile(std::string_view bytes, const fs::path& target) {
    if (!target.has_filename()) return SaveError{"The file has no name"};
    const TemporaryFile temp = writeTemporaryFile(target, bytes);
    if (temp.failure) return SaveError{temp.failure.message()};
    std::error_code renamed;
    fs::rename(temp.path, target, renamed);
    if (!renamed) {
        syncFolder(target.parent_path());
        return std::nullopt;
    }
    std::error_code ignored;
    fs::remove(temp.path, ignored);
    return SaveError{renamed.message()};
}

std::optional<std::string> readSmallFile(const fs::path& path, std::size_t maxBytes) {
    std::error_code ignored;
    if (!fs::is_regular_file(path, ignored)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    std::array<char, 4096> chunk;
    while (in.read(chunk.data(), chunk.size()) || in.gcount() > 0) {
        bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > maxBytes) return std::nullopt;
    }
    if (in.bad()) return std::nullopt;
    return bytes;
}

}  // namespace record

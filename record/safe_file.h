#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace record {

// Files the game writes and reads for the player: a record, the game in
// progress. A write never leaves a file half-written, whatever happens to
// the process meanwhile; a read never takes more than a small file's bytes.

// A write that did not happen; `reason` is a sentence for the player, such
// as "No space left on device".
struct SaveError {
    std::string reason;
};

// Writes `bytes` as the file at `target`, replacing any file of that name.
// They go to a new file in the same folder first, pushed to the disk, which
// is renamed over the target only once it is complete; on failure nothing is
// left behind and the old file, if any, is unchanged. A process killed at any
// moment leaves the old file or the new one, whole.
std::optional<SaveError> saveFile(std::string_view bytes, const std::filesystem::path& target);

// The bytes of a regular file of at most `maxBytes`; nothing when it is
// missing, unreadable, not a regular file (a device or a named pipe chosen by
// mistake may never end) or larger.
std::optional<std::string> readSmallFile(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace record

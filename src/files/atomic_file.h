#pragma once
// Saving a file without ever destroying the one already there: the bytes go to a temporary file
// beside the target, are flushed to the disk, and only then replace the target by a rename.
#include <cstdint>
#include <filesystem>
#include <span>

namespace ztmca {

enum class SaveResult {
    Saved,
    NotOpened,    // no file could be created there (missing or read-only directory, a directory of that name)
    WriteFailed,  // writing, flushing or replacing failed; the target is as it was
};

SaveResult SaveFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

}  // namespace ztmca

#include "files/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace ztmca {
namespace {

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A new file gets the permissions a plain create would give; a replaced file keeps its own.
mode_t ModeFor(const std::filesystem::path& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void SyncDirectory(const std::filesystem::path& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // best effort: the rename itself has already succeeded
    ::close(fd);
}

}  // namespace

SaveResult SaveFileAtomically(const std::filesystem::path& requested, std::span<const std::uint8_t> bytes) {
    std::error_code ec;
    std::filesystem::path target = requested;
    // Saving over a link replaces the file it points to, not the link.
    if (std::filesystem::is_symlink(target, ec)) {
        const auto resolved = std::filesystem::canonical(target, ec);
        if (!ec) target = resolved;
    }
    if (std::filesystem::is_directory(target, ec) || target.filename().empty()) return SaveResult::NotOpened;
    std::filesystem::path dir = target.parent_path();
    if (dir.empty()) dir = ".";

    std::string leaf = ".";
    leaf.append(target.filename().string()).append(".XXXXXX");
    std::string temp = (dir / leaf).string();
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return SaveResult::NotOpened;

    bool ok = ::fchmod(fd, ModeFor(target)) == 0;
    ok = ok && WriteAll(fd, bytes);
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return SaveResult::WriteFailed;
    }
    SyncDirectory(dir);
    return SaveResult::Saved;
}

}  // namespace ztmca

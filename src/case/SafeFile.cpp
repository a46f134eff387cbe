#include "SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tidewell {
namespace {

std::string SystemReason(int error) {
    return std::strerror(error);
}

std::optional<std::string> WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return SystemReason(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    if (::fsync(fd) != 0 && errno != EINVAL)
        return SystemReason(errno);
    return std::nullopt;
}

// Gives the new file the permissions an ordinarily created file would have.
void ApplyUmask(int fd) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
}

// Makes the rename itself survive a crash; a folder that cannot be synced
// (some file systems refuse) does not make the write fail.
void SyncFolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

std::optional<std::string> WriteFileSafely(const std::string& path, std::string_view bytes) {
    std::string temporary = path + ".tmp-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return SystemReason(errno);
    ApplyUmask(fd);
    std::optional<std::string> failure = WriteAll(fd, bytes);
    if (::close(fd) != 0 && !failure)
        failure = SystemReason(errno);
    if (!failure && ::rename(temporary.c_str(), path.c_str()) != 0)
        failure = SystemReason(errno);
    if (failure) {
        ::unlink(temporary.c_str());
        return failure;
    }
    SyncFolderOf(path);
    return std::nullopt;
}

FileRead ReadSmallFile(const std::string& path, std::size_t maxBytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {std::nullopt, SystemReason(errno)};
    std::string bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return {std::nullopt, SystemReason(error)};
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > maxBytes) {
            ::close(fd);
            return {std::nullopt, "ファイルが大きすぎます"};
        }
    }
    ::close(fd);
    return {std::move(bytes), {}};
}

}  // namespace tidewell

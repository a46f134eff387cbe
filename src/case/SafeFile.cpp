#include "SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

namespace tidewell {
namespace {

constexpr int kMaxLinks = 40;

// The common failures in the program's words, so the window can give them
// in its language; any other as the system words it.
Message SystemReason(int error) {
    switch (error) {
        case ENOENT:
            return {MessageId::NoSuchFile, {}};
        case EACCES:
        case EPERM:
            return {MessageId::PermissionDenied, {}};
        case EISDIR:
            return {MessageId::IsFolder, {}};
        case ENOSPC:
        case EDQUOT:
            return {MessageId::DiskFull, {}};
        case EROFS:
            return {MessageId::ReadOnlyFileSystem, {}};
        default:
            return {MessageId::Plain, {std::strerror(error)}};
    }
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

std::optional<std::string> ReadLink(const std::string& path) {
    std::string target(4096, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n < 0 || static_cast<std::size_t>(n) >= target.size())
        return std::nullopt;
    target.resize(static_cast<std::size_t>(n));
    return target;
}

WriteTarget Refusal(std::string path, Message reason) {
    WriteTarget target;
    target.Path = std::move(path);
    target.Reason = std::move(reason);
    return target;
}

// A new file beside `path` with a name no one else uses. Created with mode
// 0666 so that the kernel applies the umask: reading and restoring the umask
// here would race with other threads writing files.
int CreateTemporary(const std::string& path, std::string& temporary) {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path + ".tmp-";
        for (int i = 0; i < 8; ++i)
            temporary += kLetters[random() % (sizeof kLetters - 1)];
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Makes the rename itself survive a crash; a folder that cannot be synced
// (some file systems refuse) does not make the write fail.
void SyncFolderOf(const std::string& path) {
    const std::string folder = DirectoryOf(path);
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

std::optional<Message> WriteAllBytes(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return SystemReason(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return std::nullopt;
}

WriteTarget ResolveWriteTarget(const std::string& path) {
    std::string current = path;
    for (int link = 0; link <= kMaxLinks; ++link) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0) {
            if (errno != ENOENT)
                return Refusal(current, SystemReason(errno));
            WriteTarget target;
            target.Kind = TargetKind::NewFile;
            target.Path = current;
            return target;
        }
        if (S_ISLNK(status.st_mode)) {
            const std::optional<std::string> next = ReadLink(current);
            if (!next)
                return Refusal(current, SystemReason(errno));
            current = next->starts_with('/') ? *next : DirectoryOf(current) + *next;
            continue;
        }
        WriteTarget target;
        target.Path = current;
        if (!S_ISREG(status.st_mode)) {
            target.Kind = TargetKind::InPlace;
            return target;
        }
        if (::faccessat(AT_FDCWD, current.c_str(), W_OK, AT_EACCESS) != 0)
            return Refusal(current, SystemReason(errno));
        target.Kind = TargetKind::ReplacedFile;
        target.Mode = status.st_mode;
        target.Owner = status.st_uid;
        target.Group = status.st_gid;
        return target;
    }
    return Refusal(path, SystemReason(ELOOP));
}

SafeFileStream::SafeFileStream(const std::string& path) : Target(ResolveWriteTarget(path)) {
    switch (Target.Kind) {
        case TargetKind::NewFile:
        case TargetKind::ReplacedFile:
            Fd = CreateTemporary(Target.Path, Temporary);
            if (Fd < 0) {
                Problem = SystemReason(errno);
                Temporary.clear();
            }
            break;
        case TargetKind::InPlace:
            Fd = ::open(Target.Path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
            if (Fd < 0)
                Problem = SystemReason(errno);
            return;
        case TargetKind::Refused:
            Problem = Target.Reason;
            return;
    }
    if (Fd >= 0 && Target.Kind == TargetKind::ReplacedFile) {
        // Owner first: a change of owner may clear the set-id bits.
        if (::fchown(Fd, Target.Owner, Target.Group) != 0 && errno != EPERM)
            Problem = SystemReason(errno);
        if (!Problem && ::fchmod(Fd, Target.Mode & 07777) != 0)
            Problem = SystemReason(errno);
    }
}

SafeFileStream::~SafeFileStream() {
    if (Fd >= 0)
        ::close(Fd);
    if (!Temporary.empty())
        ::unlink(Temporary.c_str());
}

bool SafeFileStream::Write(std::string_view bytes) {
    if (!Problem && Fd >= 0)
        Problem = WriteAllBytes(Fd, bytes);
    return !Problem;
}

std::optional<Message> SafeFileStream::Commit() {
    if (Fd < 0)
        return Problem;
    if (!Problem && !Temporary.empty() && ::fsync(Fd) != 0 && errno != EINVAL)
        Problem = SystemReason(errno);
    if (::close(Fd) != 0 && !Problem)
        Problem = SystemReason(errno);
    Fd = -1;
    if (Temporary.empty())
        return Problem;
    if (!Problem && ::rename(Temporary.c_str(), Target.Path.c_str()) != 0)
        Problem = SystemReason(errno);
    if (Problem)
        return Problem;  // the destructor removes the temporary file
    Temporary.clear();
    SyncFolderOf(Target.Path);
    return std::nullopt;
}

std::optional<Message> WriteFileSafely(const std::string& path, std::string_view bytes) {
    SafeFileStream file(path);
    file.Write(bytes);
    return file.Commit();
}

ReadableFile::ReadableFile(const std::string& path)
    : Fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (Fd < 0)
        Failure = SystemReason(errno);
}

ReadableFile::~ReadableFile() {
    if (Fd >= 0)
        ::close(Fd);
}

std::size_t ReadableFile::Read(char* buffer, std::size_t size) {
    while (Fd >= 0 && !Failure) {
        const ssize_t n = ::read(Fd, buffer, size);
        if (n >= 0)
            return static_cast<std::size_t>(n);
        if (errno != EINTR)
            Failure = SystemReason(errno);
    }
    return 0;
}

bool ReadableFile::Rewind() {
    return Fd >= 0 && !Failure && ::lseek(Fd, 0, SEEK_SET) == 0;
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
            return {std::nullopt, {MessageId::FileTooLarge, {}}};
        }
    }
    ::close(fd);
    return {std::move(bytes), {}};
}

}  // namespace tidewell

#include "ReportTarget.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tidewell {
namespace {

constexpr int kMaxLinks = 40;

std::string SystemReason(int error) {
    return std::strerror(error);
}

std::string DirectoryOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return "";
    return path.substr(0, slash + 1);
}

std::optional<std::string> ReadLink(const std::string& path) {
    std::string target(4096, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n < 0 || static_cast<size_t>(n) >= target.size())
        return std::nullopt;
    target.resize(static_cast<size_t>(n));
    return target;
}

ReportTarget Refusal(std::string path, std::string reason) {
    ReportTarget target;
    target.Path = std::move(path);
    target.Reason = std::move(reason);
    return target;
}

// Gives a new file the permissions an ordinarily created file would have.
void ApplyUmask(int fd) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
}

std::optional<std::string> ReplaceFile(const ReportTarget& target, const std::string& bytes) {
    std::string temporary = target.Path + ".tmp-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return SystemReason(errno);
    std::optional<std::string> failure;
    if (target.Kind == TargetKind::ReplacedFile) {
        // Owner first: a change of owner may clear the set-id bits.
        if (::fchown(fd, target.Owner, target.Group) != 0 && errno != EPERM)
            failure = SystemReason(errno);
        if (!failure && ::fchmod(fd, target.Mode & 07777) != 0)
            failure = SystemReason(errno);
    } else {
        ApplyUmask(fd);
    }
    if (!failure)
        failure = WriteAllBytes(fd, bytes);
    if (!failure && ::fsync(fd) != 0 && errno != EINVAL)
        failure = SystemReason(errno);
    if (::close(fd) != 0 && !failure)
        failure = SystemReason(errno);
    if (!failure && ::rename(temporary.c_str(), target.Path.c_str()) != 0)
        failure = SystemReason(errno);
    if (failure)
        ::unlink(temporary.c_str());
    return failure;
}

std::optional<std::string> WriteInPlace(const ReportTarget& target, const std::string& bytes) {
    const int fd = ::open(target.Path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return SystemReason(errno);
    std::optional<std::string> failure = WriteAllBytes(fd, bytes);
    if (::close(fd) != 0 && !failure)
        failure = SystemReason(errno);
    return failure;
}

}  // namespace

std::optional<std::string> WriteAllBytes(int fd, const std::string& bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return SystemReason(errno);
        }
        written += static_cast<size_t>(n);
    }
    return std::nullopt;
}

ReportTarget ResolveReportTarget(const std::string& path) {
    std::string current = path;
    for (int link = 0; link <= kMaxLinks; ++link) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0) {
            if (errno != ENOENT)
                return Refusal(current, SystemReason(errno));
            ReportTarget target;
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
        ReportTarget target;
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

std::optional<std::string> WriteReportBytes(const std::string& path, const std::string& bytes) {
    const ReportTarget target = ResolveReportTarget(path);
    switch (target.Kind) {
        case TargetKind::NewFile:
        case TargetKind::ReplacedFile:
            return ReplaceFile(target, bytes);
        case TargetKind::InPlace:
            return WriteInPlace(target, bytes);
        case TargetKind::Refused:
            break;
    }
    return target.Reason;
}

}  // namespace tidewell

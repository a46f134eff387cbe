#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

namespace tidewell {

// Where the bytes of a report go, decided from what the path names now.
enum class TargetKind {
    NewFile,       // nothing there yet: a new file is created
    ReplacedFile,  // a regular file the user may write: replaced as a whole
    InPlace,       // a device, FIFO or other non-regular file: written in place
    Refused,       // a regular file the user may not write, or a broken path
};

struct ReportTarget {
    TargetKind Kind = TargetKind::Refused;
    std::string Path;  // after following symbolic links
    mode_t Mode = 0;   // of the file replaced
    uid_t Owner = 0;
    gid_t Group = 0;
    std::string Reason;  // when refused
};

// Follows symbolic links (a link is kept; its target is replaced) and checks,
// as the process's user (effective ids), that an existing regular file may be
// written.
ReportTarget ResolveReportTarget(const std::string& path);

// Writes the bytes to what the path names: a new or regular file through a
// temporary file beside it that is renamed over it once complete (so the
// previous file stays intact until then, and a replaced file keeps its
// permission bits, and owner and group where the process may set them); any
// other kind of file in place. Empty on success; otherwise the reason.
std::optional<std::string> WriteReportBytes(const std::string& path, const std::string& bytes);

// Writes all the bytes to an open descriptor. Empty on success.
std::optional<std::string> WriteAllBytes(int fd, const std::string& bytes);

}  // namespace tidewell

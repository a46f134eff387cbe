#pragma once

#include <sys/types.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "Message.h"

// Every file the program writes (reports, case files, CSV and JSON files,
// images) goes through WriteFileSafely, so that a failure never leaves a
// damaged file and what a path names keeps its kind.
namespace tidewell {

// Where the bytes go, decided from what the path names now.
enum class TargetKind {
    NewFile,       // nothing there yet: a new file is created
    ReplacedFile,  // a regular file the user may write: replaced as a whole
    InPlace,       // a device, FIFO or other non-regular file: written in place
    Refused,       // a regular file the user may not write, or a broken path
};

struct WriteTarget {
    TargetKind Kind = TargetKind::Refused;
    std::string Path;  // after following symbolic links
    mode_t Mode = 0;   // of the file replaced
    uid_t Owner = 0;
    gid_t Group = 0;
    Message Reason;  // when refused
};

// Follows symbolic links (a link is kept; its target is replaced) and checks,
// as the process's user (effective ids), that an existing regular file may be
// written.
WriteTarget ResolveWriteTarget(const std::string& path);

// Writes the bytes to what the path names: a new or regular file through a
// temporary file beside it, flushed to the disk and renamed over it once
// complete (so the previous file stays intact until then and nothing partial
// is left; a replaced file keeps its permission bits, and owner and group
// where the process may set them; a new one gets the umask's permissions);
// any other kind of file (a device, a FIFO) in place. Safe to call from
// several threads at once. Empty on success; otherwise why not.
std::optional<Message> WriteFileSafely(const std::string& path, std::string_view bytes);

// Writes all the bytes to an open descriptor. Empty on success.
std::optional<Message> WriteAllBytes(int fd, std::string_view bytes);

struct FileRead {
    std::optional<std::string> Bytes;
    Message Problem;  // when Bytes is empty
};

// The whole file, refused when it is larger than `maxBytes`.
FileRead ReadSmallFile(const std::string& path, std::size_t maxBytes);

}  // namespace tidewell

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

// A file written in pieces that appears whole or not at all: a new or regular
// file is written to a temporary file beside it and renamed over it by
// Commit, with everything WriteFileSafely promises; a device or FIFO is
// written in place as the pieces come. Destroyed without Commit, the
// temporary file is removed and the previous file stays as it was.
class SafeFileStream {
  public:
    explicit SafeFileStream(const std::string& path);
    ~SafeFileStream();
    SafeFileStream(const SafeFileStream&) = delete;
    SafeFileStream& operator=(const SafeFileStream&) = delete;

    // False once a write failed (Failure says why); later pieces are dropped.
    bool Write(std::string_view bytes);
    // Makes the file whole; empty on success, else why not.
    std::optional<Message> Commit();
    const std::optional<Message>& Failure() const { return Problem; }

  private:
    WriteTarget Target;
    std::string Temporary;  // empty when written in place
    int Fd = -1;
    std::optional<Message> Problem;
};

// Writes all the bytes to an open descriptor. Empty on success.
std::optional<Message> WriteAllBytes(int fd, std::string_view bytes);

struct FileRead {
    std::optional<std::string> Bytes;
    Message Problem;  // when Bytes is empty
};

// A file open for reading a piece at a time; closed when destroyed.
class ReadableFile {
  public:
    explicit ReadableFile(const std::string& path);
    ~ReadableFile();
    ReadableFile(const ReadableFile&) = delete;
    ReadableFile& operator=(const ReadableFile&) = delete;

    // Up to `size` bytes; 0 at the end or after a failure (Problem says why).
    std::size_t Read(char* buffer, std::size_t size);
    // Back to the start; false for what cannot go back (a pipe, a terminal).
    bool Rewind();
    const std::optional<Message>& Problem() const { return Failure; }

  private:
    int Fd = -1;
    std::optional<Message> Failure;
};

// The whole file, refused when it is larger than `maxBytes`.
FileRead ReadSmallFile(const std::string& path, std::size_t maxBytes);

}  // namespace tidewell

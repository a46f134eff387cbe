#pragma once

#include <optional>
#include <string>
#include <vector>

#include "case/Message.h"

// Shared helpers of the report tests: a scratch directory per test, reading
// files back, splitting a report into its CR LF lines, and decoding code page
// 932 for readable failure output.
namespace tidewell::test {

// Records every message instead of showing it.
class RecordingSink final : public MessageSink {
  public:
    void Show(const Message& message) override { Shown.push_back(message); }
    std::vector<Message> Shown;
};

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Path() const { return Dir; }
    std::string File(const std::string& name) const { return Dir + "/" + name; }
    // Names of the entries in the directory, sorted, without "." and "..".
    std::vector<std::string> Entries() const;
    // Names that look like a left-over temporary report ("*.tmp-*").
    std::vector<std::string> TemporaryLeftovers() const;

  private:
    std::string Dir;
};

// Runs the test body in another working directory and goes back afterwards.
class WorkingDirectory {
  public:
    explicit WorkingDirectory(const std::string& dir);
    ~WorkingDirectory();
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

  private:
    std::string Previous;
};

std::optional<std::string> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

std::string GoldenPath(const std::string& name);

// Splits a file at CR LF. Empty when the text does not end with CR LF or
// holds a CR or LF that is not part of a CR LF pair.
std::optional<std::vector<std::string>> SplitCrLfLines(const std::string& bytes);

// Code page 932 to UTF-8 by the C library's converter, for comparisons with
// lines typed in UTF-8 and for failure output; empty when the bytes are not
// valid code page 932.
std::optional<std::string> DecodeCodePage932(const std::string& bytes);

// Empty when the two files are equal byte for byte; otherwise a description
// of the first line that differs, decoded to UTF-8.
std::optional<std::string> FirstDifference(const std::string& expected, const std::string& actual);

}  // namespace tidewell::test

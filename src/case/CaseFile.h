#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "BasicInput.h"
#include "Message.h"
#include "Multipliers.h"

// A case file keeps what the user entered, to open it again or share it: the
// six basic-condition texts exactly as typed and the entry picked in each of
// the three lists. It is UTF-8 JSON, pretty-printed with a fixed key order so
// that two cases diff well:
//
//   {
//     "format": "tidewell-case",
//     "version": 1,
//     "bay-area": " 1000",
//     ...
//     "section-factor": "0.5",
//     "inflow-temp-factor": null,   <- no entry picked
//     ...
//   }
namespace tidewell {

inline constexpr std::string_view kCaseFileExtension = ".tidewell";

struct CaseFile {
    std::array<std::string, kBasicInputs.size()> Texts;                       // by BasicInput
    std::array<std::optional<std::string>, kMultiplierLists.size()> Entries;  // by MultiplierList

    std::string& Text(BasicInput input) { return Texts[static_cast<std::size_t>(input)]; }
    const std::string& Text(BasicInput input) const {
        return Texts[static_cast<std::size_t>(input)];
    }
    std::optional<std::string>& Entry(MultiplierList list) {
        return Entries[static_cast<std::size_t>(list)];
    }
    const std::optional<std::string>& Entry(MultiplierList list) const {
        return Entries[static_cast<std::size_t>(list)];
    }

    bool operator==(const CaseFile&) const = default;
};

// The file's text, ending with a line feed. The texts must be UTF-8.
std::string CaseFileText(const CaseFile& file);

struct CaseFileParse {
    std::optional<CaseFile> Case;
    Message Problem;  // the first problem found, when Case is empty
};

// Reads a file's text as a whole: it is refused when it is not JSON or not a
// case file, has an unknown version, lacks a key, repeats one or has one it
// does not know, holds a value of the wrong type, or names a list entry that
// its list does not offer. The texts themselves are checked by the fields.
CaseFileParse ParseCaseFile(std::string_view text);

struct CaseFileRead {
    std::optional<CaseFile> Case;
    std::optional<Message> Refusal;  // names the file and the first problem
};

CaseFileRead ReadCaseFile(const std::string& path);

// Replaces the file safely (the previous one stays intact on failure).
// Empty on success; otherwise a message naming the file and the reason.
std::optional<Message> WriteCaseFile(const std::string& path, const CaseFile& file);

// The messages shown when a case file cannot be opened or written.
Message CaseFileRefusal(const std::string& path, const Message& problem);
Message CaseFileWriteFailure(const std::string& path, const Message& reason);

}  // namespace tidewell

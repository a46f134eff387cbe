#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "case/CaseFile.h"
#include "case/Message.h"

// Which case file the window holds and whether its case has changed since it
// was opened or saved; and the short list of recently used case files.
namespace tidewell::session {

class SavedCase {
  public:
    // After the case was opened from or saved to `path`.
    // An empty path with the default case: an untitled case, which has
    // changes once it differs from the default.
    void Remember(std::string path, CaseFile saved);

    // Empty while the case has no file.
    const std::string& Path() const { return SavedPath; }
    // The path's last part, "bay.tidewell".
    std::string FileName() const;
    // The case as it is now differs from the file, or an untitled case from
    // the default case: closing or opening another would lose typed work.
    bool HasUnsavedChanges(const CaseFile& now) const;

  private:
    std::string SavedPath;
    CaseFile Saved;
};

// A save name without any extension gets `extension` (".tidewell").
std::string WithDefaultExtension(std::string path, std::string_view extension);

// The question before unsaved changes are lost (保存 / 保存しない / キャンセル).
Message UnsavedChangesQuestion(const std::string& fileName);

inline constexpr std::size_t kRecentFileCount = 5;

// `path` moved to the front, each path once, at most kRecentFileCount.
std::vector<std::string> WithRecentFile(std::vector<std::string> recent, const std::string& path);
std::vector<std::string> WithoutFile(std::vector<std::string> recent, const std::string& path);
// Shown when a recent file is gone; it leaves the list.
Message MissingRecentFile(const std::string& path);

}  // namespace tidewell::session

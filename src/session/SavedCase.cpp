#include "SavedCase.h"

#include <algorithm>
#include <filesystem>

namespace tidewell::session {

void SavedCase::Remember(std::string path, CaseFile saved) {
    SavedPath = std::move(path);
    Saved = std::move(saved);
}

std::string SavedCase::FileName() const {
    return std::filesystem::path(SavedPath).filename().string();
}

namespace {

// A list without a pick stands at its first entry, "1.0", as it reopens.
CaseFile WithEveryEntry(CaseFile file) {
    for (MultiplierList list : kMultiplierLists) {
        if (!file.Entry(list))
            file.Entry(list) = std::string(ListEntries(list).front());
    }
    return file;
}

}  // namespace

bool SavedCase::HasUnsavedChanges(const CaseFile& now) const {
    return WithEveryEntry(now) != WithEveryEntry(Saved);
}

std::string WithDefaultExtension(std::string path, std::string_view extension) {
    if (!std::filesystem::path(path).has_extension())
        path += extension;
    return path;
}

Message UnsavedChangesQuestion(const std::string& fileName) {
    if (fileName.empty())
        return {MessageId::UnsavedUntitledChanges, {}};
    return {MessageId::UnsavedChanges, {fileName}};
}

std::vector<std::string> WithRecentFile(std::vector<std::string> recent, const std::string& path) {
    recent = WithoutFile(std::move(recent), path);
    recent.insert(recent.begin(), path);
    if (recent.size() > kRecentFileCount)
        recent.resize(kRecentFileCount);
    return recent;
}

std::vector<std::string> WithoutFile(std::vector<std::string> recent, const std::string& path) {
    std::erase(recent, path);
    return recent;
}

Message MissingRecentFile(const std::string& path) {
    return {MessageId::RecentFileMissing, {path}};
}

}  // namespace tidewell::session

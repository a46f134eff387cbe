#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "case/MessageLog.h"

// Small pieces every test program shares.
namespace tidewell::test {

// Messages as the command line prints them: the Japanese title and prompt.
using Words = std::pair<std::string, std::string>;
inline std::vector<Words> WordsOf(const std::vector<Message>& messages) {
    std::vector<Words> words;
    for (const Message& message : messages)
        words.emplace_back(message.Title(), message.Prompt());
    return words;
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A private folder under the system's temporary folder, removed afterwards.
class TemporaryFolder {
  public:
    TemporaryFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tidewell-XXXXXX").string();
        Folder = mkdtemp(pattern.data());
    }
    ~TemporaryFolder() { std::filesystem::remove_all(Folder); }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return Folder; }

  private:
    std::filesystem::path Folder;
};

}  // namespace tidewell::test

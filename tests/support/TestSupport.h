#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "case/Message.h"

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

// Records messages and questions instead of showing them; questions get the
// answers set here.
class RecordedMessages final : public MessageSink {
  public:
    void Show(const Message& message) override {
        Shown.push_back(message);
        OnShow();
    }
    bool Ask(const Message& question) override {
        Asked.push_back(question);
        return Answer;
    }
    SaveAnswer AskToSave(const Message& question) override {
        Asked.push_back(question);
        return SaveReply;
    }
    std::function<void()> OnShow = [] {};  // called while the message would be on screen
    std::vector<Message> Shown, Asked;
    bool Answer = false;
    SaveAnswer SaveReply = SaveAnswer::Cancel;
};

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

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <thread>

#include "TestSupport.h"
#include "case/SafeFile.h"

namespace tidewell {
namespace {

namespace fs = std::filesystem;

using test::ReadFile;

const std::string kBytes = "new report\r\n";

struct Place {
    fs::path Folder;
    fs::path Path;        // what the report is written to
    std::jthread Reader;  // reads a pipe into Received
    std::string Received;
};

struct TargetRow {
    const char* Name;
    std::function<void(Place&)> Prepare;  // makes what Path names
    bool Written;
    std::function<void(Place&)> Check;  // after the write
};

struct stat StatusOf(const fs::path& path, bool followLinks = true) {
    struct stat status {};
    EXPECT_EQ(followLinks ? stat(path.c_str(), &status) : lstat(path.c_str(), &status), 0);
    return status;
}

class WriteTargets : public testing::TestWithParam<TargetRow> {
  protected:
    test::TemporaryFolder Scratch;
};

TEST_P(WriteTargets, AreWrittenAsTheirKindAllows) {
    Place place{Scratch.Path(), Scratch.Path() / "Tidewell_OUT.txt", {}, {}};
    GetParam().Prepare(place);
    const std::optional<Message> failure = WriteFileSafely(place.Path.string(), kBytes);
    EXPECT_EQ(!failure.has_value(), GetParam().Written) << failure.value_or(Message()).Prompt();
    GetParam().Check(place);
    for (const auto& entry : fs::recursive_directory_iterator(place.Folder))
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos);
}

void Existing(Place& place, mode_t mode) {
    test::WriteFile(place.Path, "previous");
    chmod(place.Path.c_str(), mode);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, WriteTargets,
    testing::Values(
        TargetRow{"NewFile", [](Place&) {}, true,
                  [](const Place& p) { EXPECT_EQ(ReadFile(p.Path), kBytes); }},
        TargetRow{"ReplacedFileKeepsItsMode", [](Place& p) { Existing(p, 0600); }, true,
                  [](const Place& p) {
                      EXPECT_EQ(ReadFile(p.Path), kBytes);
                      EXPECT_EQ(StatusOf(p.Path).st_mode & 07777, 0600u);
                  }},
        TargetRow{"LinkIsKeptAndItsTargetReplaced",
                  [](Place& p) {
                      fs::create_directory(p.Folder / "elsewhere");
                      test::WriteFile(p.Folder / "elsewhere" / "real.txt", "previous");
                      chmod((p.Folder / "elsewhere" / "real.txt").c_str(), 0640);
                      fs::create_symlink("elsewhere/real.txt", p.Path);
                  },
                  true,
                  [](const Place& p) {
                      EXPECT_TRUE(fs::is_symlink(p.Path));
                      EXPECT_EQ(ReadFile(p.Folder / "elsewhere" / "real.txt"), kBytes);
                      EXPECT_EQ(StatusOf(p.Path).st_mode & 07777, 0640u);
                  }},
        TargetRow{"DeviceStaysADevice", [](Place& p) { p.Path = "/dev/null"; }, true,
                  [](const Place& p) { EXPECT_TRUE(S_ISCHR(StatusOf(p.Path).st_mode)); }},
        TargetRow{"FifoReceivesTheBytesInPlace",
                  [](Place& p) {
                      ASSERT_EQ(mkfifo(p.Path.c_str(), 0600), 0);
                      p.Reader = std::jthread([&p] { p.Received = ReadFile(p.Path); });
                  },
                  true,
                  [](Place& p) {
                      p.Reader.join();
                      EXPECT_EQ(p.Received, kBytes);
                      EXPECT_TRUE(S_ISFIFO(StatusOf(p.Path).st_mode));
                  }},
        TargetRow{"FolderIsRefused", [](Place& p) { fs::create_directory(p.Path); }, false,
                  [](const Place& p) { EXPECT_TRUE(fs::is_directory(p.Path)); }}),
    [](const auto& info) { return std::string(info.param.Name); });

// Another user may not replace a report only because the folder lets them.
// The window shows these in its language, so they come as the program's words.
TEST(WriteFileSafely, NamesCommonFailuresInItsOwnWords) {
    test::TemporaryFolder scratch;
    const std::pair<fs::path, const char*> rows[] = {
        {scratch.Path() / "missing" / "out.txt", "ファイルまたはフォルダーがありません"},
        {scratch.Path(), "フォルダーです"}};
    for (const auto& [path, words] : rows)
        EXPECT_EQ(WriteFileSafely(path.string(), kBytes).value_or(Message()).Prompt(), words);
}

// A file written in pieces replaces the old one only once committed; one
// given up on leaves the old file and nothing beside it.
TEST(SafeFileStream, ReplacesOnlyWhenCommitted) {
    test::TemporaryFolder scratch;
    const fs::path path = scratch.Path() / "out.csv";
    test::WriteFile(path, "old");
    {
        SafeFileStream abandoned(path.string());
        EXPECT_TRUE(abandoned.Write("new, "));
    }
    EXPECT_EQ(test::ReadFile(path), "old");
    SafeFileStream file(path.string());
    EXPECT_TRUE(file.Write("new, ") && file.Write("whole"));
    EXPECT_EQ(test::ReadFile(path), "old");
    EXPECT_FALSE(file.Commit());
    EXPECT_EQ(test::ReadFile(path), "new, whole");
    const auto files = fs::directory_iterator(scratch.Path());
    EXPECT_EQ(std::distance(begin(files), end(files)), 1);
    SafeFileStream refused((scratch.Path() / "missing" / "out.csv").string());
    EXPECT_FALSE(refused.Write("x"));
    EXPECT_TRUE(refused.Commit());
}

TEST(WriteFileSafely, FileTheUserMayNotWriteIsRefusedAndKept) {
    const passwd* nobody = getpwnam("nobody");
    if (geteuid() != 0 || nobody == nullptr)
        GTEST_SKIP() << "needs root to act as another user";
    test::TemporaryFolder scratch;
    chmod(scratch.Path().c_str(), 0777);
    const fs::path report = scratch.Path() / "Tidewell_OUT.txt";
    test::WriteFile(report, "previous");
    chmod(report.c_str(), 0644);
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0)
            _exit(2);
        const WriteTarget target = ResolveWriteTarget(report.string());
        const bool refused = target.Kind == TargetKind::Refused &&
                             target.Reason.Prompt() == "アクセスが許可されていません" &&
                             WriteFileSafely(report.string(), kBytes).has_value();
        _exit(refused ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadFile(report), "previous");
    EXPECT_EQ(StatusOf(report).st_uid, 0u);
}

}  // namespace
}  // namespace tidewell

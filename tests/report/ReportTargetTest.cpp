#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <thread>

#include "TestSupport.h"
#include "report/ReportTarget.h"

namespace tidewell {
namespace {

namespace fs = std::filesystem;

using test::ReadFile;

const std::string kBytes = "new report\r\n";

struct Place {
    fs::path Folder;
    fs::path Path;  // what the report is written to
};

struct TargetRow {
    const char* Name;
    std::function<void(Place&)> Prepare;  // makes what Path names
    bool Written;
    std::function<void(const Place&)> Check;  // after the write
};

struct stat StatusOf(const fs::path& path, bool followLinks = true) {
    struct stat status {};
    EXPECT_EQ(followLinks ? stat(path.c_str(), &status) : lstat(path.c_str(), &status), 0);
    return status;
}

class ReportTargets : public testing::TestWithParam<TargetRow> {
  protected:
    test::TemporaryFolder Scratch;
};

TEST_P(ReportTargets, AreWrittenAsTheirKindAllows) {
    Place place{Scratch.Path(), Scratch.Path() / "Tidewell_OUT.txt"};
    GetParam().Prepare(place);
    const std::optional<std::string> failure = WriteReportBytes(place.Path.string(), kBytes);
    EXPECT_EQ(!failure.has_value(), GetParam().Written) << failure.value_or("");
    GetParam().Check(place);
    for (const auto& entry : fs::recursive_directory_iterator(place.Folder))
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos);
}

void Existing(Place& place, mode_t mode) {
    test::WriteFile(place.Path, "previous");
    chmod(place.Path.c_str(), mode);
}

mode_t Umask() {
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, ReportTargets, testing::Values(
    TargetRow{"NewFileWithTheUsualPermissions", [](Place&) {}, true, [](const Place& p) {
        EXPECT_EQ(ReadFile(p.Path), kBytes);
        EXPECT_EQ(StatusOf(p.Path).st_mode & 0777, 0666 & ~Umask());
    }},
    TargetRow{"ReplacedFileKeepsItsMode", [](Place& p) { Existing(p, 0600); }, true,
              [](const Place& p) {
        EXPECT_EQ(ReadFile(p.Path), kBytes);
        EXPECT_EQ(StatusOf(p.Path).st_mode & 07777, 0600u);
    }},
    TargetRow{"LinkIsKeptAndItsTargetReplaced", [](Place& p) {
        fs::create_directory(p.Folder / "elsewhere");
        test::WriteFile(p.Folder / "elsewhere" / "real.txt", "previous");
        chmod((p.Folder / "elsewhere" / "real.txt").c_str(), 0640);
        fs::create_symlink("elsewhere/real.txt", p.Path);
    }, true, [](const Place& p) {
        EXPECT_TRUE(fs::is_symlink(p.Path));
        EXPECT_EQ(ReadFile(p.Folder / "elsewhere" / "real.txt"), kBytes);
        EXPECT_EQ(StatusOf(p.Path).st_mode & 07777, 0640u);
    }},
    TargetRow{"DanglingLinkCreatesItsTarget",
              [](Place& p) { fs::create_symlink("made.txt", p.Path); }, true, [](const Place& p) {
        EXPECT_TRUE(fs::is_symlink(p.Path));
        EXPECT_EQ(ReadFile(p.Folder / "made.txt"), kBytes);
    }},
    TargetRow{"LinkToADeviceKeepsBoth",
              [](Place& p) { fs::create_symlink("/dev/null", p.Path); }, true, [](const Place& p) {
        EXPECT_TRUE(fs::is_symlink(p.Path));
        EXPECT_TRUE(S_ISCHR(StatusOf("/dev/null").st_mode));
    }},
    TargetRow{"FolderIsRefused", [](Place& p) { fs::create_directory(p.Path); }, false,
              [](const Place& p) { EXPECT_TRUE(fs::is_directory(p.Path)); }}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

TEST(ReportTarget, FifoReceivesTheBytesInPlace) {
    test::TemporaryFolder scratch;
    const fs::path fifo = scratch.Path() / "pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::jthread reader([&] { received = ReadFile(fifo); });
    EXPECT_EQ(WriteReportBytes(fifo.string(), kBytes), std::nullopt);
    reader.join();
    EXPECT_EQ(received, kBytes);
    EXPECT_TRUE(S_ISFIFO(StatusOf(fifo).st_mode));
}

// Another user may not replace a report only because the folder lets them.
TEST(ReportTarget, FileTheUserMayNotWriteIsRefusedAndKept) {
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
        const ReportTarget target = ResolveReportTarget(report.string());
        const bool refused = target.Kind == TargetKind::Refused && !target.Reason.empty() &&
                             WriteReportBytes(report.string(), kBytes).has_value();
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

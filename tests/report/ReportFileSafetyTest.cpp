// Writing the report safely: each line converted and ended by CR LF, the
// previous report kept intact when a new one cannot be written, no temporary
// file left behind, and the reason passed on to the user.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <csignal>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "ReportTestSupport.h"
#include "report/CodePageFile.h"
#include "ui/MainModel.h"

namespace tidewell {
namespace {

using test::GoldenPath;
using test::ReadBytes;
using test::RecordingSink;
using test::ScratchDir;
using test::SplitCrLfLines;
using test::WriteBytes;

// Simulates a full disk: no file may grow beyond `bytes` until the object
// goes. Writes past the limit fail with EFBIG instead of raising SIGXFSZ.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        OldHandler = std::signal(SIGXFSZ, SIG_IGN);
        Armed = ::getrlimit(RLIMIT_FSIZE, &Old) == 0;
        if (!Armed)
            return;
        const rlimit limited{bytes, Old.rlim_max};
        Armed = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() {
        if (Armed)
            ::setrlimit(RLIMIT_FSIZE, &Old);
        std::signal(SIGXFSZ, OldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool IsArmed() const { return Armed; }

  private:
    rlimit Old{};
    bool Armed = false;
    void (*OldHandler)(int) = SIG_DFL;
};

class ScopedUmask {
  public:
    explicit ScopedUmask(mode_t mask) : Old(::umask(mask)) {}
    ~ScopedUmask() { ::umask(Old); }
    ScopedUmask(const ScopedUmask&) = delete;
    ScopedUmask& operator=(const ScopedUmask&) = delete;

  private:
    mode_t Old;
};

std::vector<std::string> GoldenUtf8Lines() {
    const auto bytes = ReadBytes(GoldenPath("default_report.utf8.txt"));
    if (!bytes)
        return {};
    return SplitCrLfLines(*bytes).value_or(std::vector<std::string>{});
}

class ReportFileWriting : public testing::Test {
  protected:
    ScratchDir Dir;
};

TEST_F(ReportFileWriting, ConvertsEachLineAndEndsEveryLineWithCrLf) {
    const std::string path = Dir.File("report.txt");
    const std::vector<std::string> lines{"湾", "", "    外海水水温(℃)= 18"};
    ASSERT_EQ(WriteCodePage932File(path, lines), std::nullopt);
    EXPECT_EQ(ReadBytes(path),
              std::string("\x98\x70\r\n"
                          "\r\n"
                          "    \x8A\x4F\x8A\x43\x90\x85\x90\x85\x89\xB7(\x81\x8E)= 18\r\n"));
    EXPECT_TRUE(Dir.TemporaryLeftovers().empty());
}

TEST_F(ReportFileWriting, WritesAnEmptyFileForNoLines) {
    const std::string path = Dir.File("report.txt");
    ASSERT_EQ(WriteCodePage932File(path, {}), std::nullopt);
    EXPECT_EQ(ReadBytes(path), std::string());
}

TEST_F(ReportFileWriting, ReplacesALongerFileWithoutLeavingItsTail) {
    const std::string path = Dir.File("report.txt");
    WriteBytes(path, std::string(1000, 'x'));
    ASSERT_EQ(WriteCodePage932File(path, {"18"}), std::nullopt);
    EXPECT_EQ(ReadBytes(path), std::string("18\r\n"));
    EXPECT_EQ(Dir.Entries(), std::vector<std::string>{"report.txt"});
}

TEST_F(ReportFileWriting, GivesTheReportThePermissionsOfAnOrdinaryNewFile) {
    const std::string path = Dir.File("report.txt");
    {
        const ScopedUmask mask(022);
        ASSERT_EQ(WriteCodePage932File(path, {"18"}), std::nullopt);
    }
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}

// Each failure: a reason is returned, whatever was at the path before is
// still there byte for byte, and no temporary file is left.
TEST_F(ReportFileWriting, ALineWithoutACodeLeavesThePreviousReportIntact) {
    const std::string path = Dir.File("report.txt");
    WriteBytes(path, "previous\r\n");
    const auto reason = WriteCodePage932File(path, {"18", "\xF0\x9F\x98\x80"});
    ASSERT_TRUE(reason.has_value());
    EXPECT_FALSE(reason->empty());
    EXPECT_EQ(ReadBytes(path), std::string("previous\r\n"));
    EXPECT_TRUE(Dir.TemporaryLeftovers().empty());
}

TEST_F(ReportFileWriting, ADirectoryThatDoesNotExistGivesAReasonAndCreatesNothing) {
    const std::string path = Dir.File("missing/report.txt");
    const auto reason = WriteCodePage932File(path, {"18"});
    ASSERT_TRUE(reason.has_value());
    EXPECT_FALSE(reason->empty());
    EXPECT_TRUE(Dir.Entries().empty());
}

TEST_F(ReportFileWriting, APathThatIsADirectoryGivesAReasonAndKeepsTheDirectory) {
    const std::string path = Dir.File("report.txt");
    std::filesystem::create_directory(path);
    WriteBytes(path + "/keep.txt", "kept\r\n");
    const auto reason = WriteCodePage932File(path, {"18"});
    ASSERT_TRUE(reason.has_value());
    EXPECT_FALSE(reason->empty());
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(ReadBytes(path + "/keep.txt"), std::string("kept\r\n"));
    EXPECT_EQ(Dir.Entries(), std::vector<std::string>{"report.txt"});
}

TEST_F(ReportFileWriting, AFullDiskGivesAReasonAndLeavesThePreviousReportIntact) {
    const std::string path = Dir.File("report.txt");
    const std::string previous = "previous report\r\n";
    WriteBytes(path, previous);
    const std::vector<std::string> lines = GoldenUtf8Lines();
    ASSERT_EQ(lines.size(), 26u);
    std::optional<std::string> reason;
    {
        const FileSizeLimit limit(64);
        ASSERT_TRUE(limit.IsArmed());
        reason = WriteCodePage932File(path, lines);
    }
    ASSERT_TRUE(reason.has_value());
    EXPECT_FALSE(reason->empty());
    EXPECT_EQ(ReadBytes(path), previous);
    EXPECT_EQ(Dir.Entries(), std::vector<std::string>{"report.txt"});
}

// The same failures through the calculate command: the run still completes
// and shows its result, and the user is told the report was not written.
class ReportFailureThroughTheWindow : public testing::Test {
  protected:
    void SetUp() override {
        const auto golden = ReadBytes(GoldenPath("default_report.txt"));
        ASSERT_TRUE(golden.has_value());
        Golden = *golden;
    }

    void ExpectReportFailureShown(const RunResult& run) const {
        EXPECT_EQ(run.Status, RunStatus::Completed);
        ASSERT_TRUE(run.ReportError.has_value());
        EXPECT_FALSE(run.ReportError->empty());
        ASSERT_FALSE(Messages.Shown.empty());
        EXPECT_EQ(Messages.Shown.front().Title, "計算終了です！");
        const Message& last = Messages.Shown.back();
        EXPECT_EQ(last.Title, "レポート出力エラー");
        EXPECT_NE(last.Prompt.find(*run.ReportError), std::string::npos) << last.Prompt;
    }

    ScratchDir Dir;
    RecordingSink Messages;
    std::string Golden;
};

TEST_F(ReportFailureThroughTheWindow, AMissingDirectoryIsReportedToTheUser) {
    MainModel model(Messages, Dir.File("missing/Tidewell_OUT.txt"));
    model.FormLoad();
    const RunResult run = model.Command1_Click();
    ExpectReportFailureShown(run);
    EXPECT_TRUE(Dir.Entries().empty());
}

TEST_F(ReportFailureThroughTheWindow, AReportPathThatIsADirectoryIsReportedToTheUser) {
    const std::string path = Dir.File("Tidewell_OUT.txt");
    std::filesystem::create_directory(path);
    MainModel model(Messages, path);
    model.FormLoad();
    const RunResult run = model.Command1_Click();
    ExpectReportFailureShown(run);
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(Dir.Entries(), std::vector<std::string>{"Tidewell_OUT.txt"});
}

TEST_F(ReportFailureThroughTheWindow, AFullDiskKeepsThePreviousReportAndTellsTheUser) {
    const std::string path = Dir.File("Tidewell_OUT.txt");
    MainModel model(Messages, path);
    model.FormLoad();
    ASSERT_EQ(model.Command1_Click().ReportError, std::nullopt);
    ASSERT_EQ(ReadBytes(path), Golden);

    model.SetFieldText(1, "500");
    Messages.Shown.clear();
    RunResult run;
    {
        const FileSizeLimit limit(256);
        ASSERT_TRUE(limit.IsArmed());
        run = model.Command1_Click();
    }
    ExpectReportFailureShown(run);
    EXPECT_EQ(ReadBytes(path), Golden);
    EXPECT_EQ(Dir.Entries(), std::vector<std::string>{"Tidewell_OUT.txt"});
}

}  // namespace
}  // namespace tidewell

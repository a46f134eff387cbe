#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <sstream>

#include "TestSupport.h"
#include "report/ReportReading.h"

namespace tidewell::report {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The default case's report, read as the report viewer reads it: the title,
// the step in half-width katakana and the bay mean, typed here from what the
// report says.
TEST(ReportReading, DecodesTheDefaultReport) {
    const ReadReport read = ReadReportFile(TIDEWELL_GOLDEN_DIR "/default_report.txt");
    ASSERT_TRUE(read.Text.has_value()) << read.Problem.Prompt();
    EXPECT_EQ(read.Text->find('\r'), std::string::npos);
    const std::vector<std::string> lines = Lines(*read.Text);
    ASSERT_EQ(lines.size(), 26u);
    EXPECT_EQ(lines[0], " 閉鎖性海域水温計算 by 簡易計算モデル Tidewell_Ver110");
    EXPECT_EQ(lines[2], "[計算条件]");
    EXPECT_EQ(lines[17], "    ﾀｲﾑｽﾃｯﾌﾟ（分)= 718 ");
    EXPECT_EQ(lines[25], "    湾内平均水温(℃)= 17.7 ");
}

enum class Kind { File, Folder, Fifo };

struct UnreadableRow {
    const char* Name;
    Kind Made;          // what stands at the report's place
    std::string Bytes;  // a file's
    Message Expected;   // with "PATH" for the report's path
};

class UnreadableReport : public testing::TestWithParam<UnreadableRow> {};

TEST_P(UnreadableReport, SaysWhy) {
    test::TemporaryFolder folder;
    const std::string path = (folder.Path() / "Tidewell_OUT.txt").string();
    switch (GetParam().Made) {
        case Kind::File:
            test::WriteFile(path, GetParam().Bytes);
            break;
        case Kind::Folder:
            std::filesystem::create_directory(path);
            break;
        case Kind::Fifo:
            ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
            break;
    }
    Message expected = GetParam().Expected;
    expected.Args.front() = MessageArg(path);
    const ReadReport read = ReadReportFile(path);
    EXPECT_FALSE(read.Text.has_value());
    EXPECT_EQ(read.Problem, expected) << read.Problem.Prompt();
}

using enum MessageId;

// The report's path cannot be read for the reason given.
Message Unreadable(MessageId why) {
    return {ReportUnreadable, {"PATH", Message{why, {}}}};
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, UnreadableReport,
    testing::Values(UnreadableRow{"ByteOutsideTheCodePage", Kind::File, "ok\r\n\xFF\r\n",
                                  Unreadable(NotCodePage932Text)},
                    UnreadableRow{"LeadByteWithoutItsPair", Kind::File, "\x93\x70\x82",
                                  Unreadable(NotCodePage932Text)},
                    UnreadableRow{"FarTooLarge", Kind::File, std::string(2 << 20, ' '),
                                  Unreadable(FileTooLarge)},
                    UnreadableRow{"AFolder", Kind::Folder, "", Unreadable(IsFolder)},
                    UnreadableRow{"AFifoThatWouldBlock", Kind::Fifo, "",
                                  Unreadable(NotRegularFile)}),
    [](const testing::TestParamInfo<UnreadableRow>& row) { return std::string(row.param.Name); });

}  // namespace
}  // namespace tidewell::report

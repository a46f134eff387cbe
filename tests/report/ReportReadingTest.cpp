#include <gtest/gtest.h>

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

struct UnreadableRow {
    const char* Name;
    std::string Bytes;  // written to the report's place; empty: a folder there instead
    Message Expected;   // with "PATH" for the report's path
};

class UnreadableReport : public testing::TestWithParam<UnreadableRow> {};

TEST_P(UnreadableReport, SaysWhy) {
    test::TemporaryFolder folder;
    const std::string path = (folder.Path() / "Tidewell_OUT.txt").string();
    if (GetParam().Bytes.empty())
        std::filesystem::create_directory(path);
    else
        test::WriteFile(path, GetParam().Bytes);
    Message expected = GetParam().Expected;
    expected.Args.front() = MessageArg(path);
    const ReadReport read = ReadReportFile(path);
    EXPECT_FALSE(read.Text.has_value());
    EXPECT_EQ(read.Problem, expected) << read.Problem.Prompt();
}

using enum MessageId;

INSTANTIATE_TEST_SUITE_P(
    Reasons, UnreadableReport,
    testing::Values(UnreadableRow{"ByteOutsideTheCodePage",
                                  "ok\r\n\xFF\r\n",
                                  {ReportUnreadable, {"PATH", Message{NotCodePage932Text, {}}}}},
                    UnreadableRow{"LeadByteWithoutItsPair",
                                  "\x93\x70\x82",
                                  {ReportUnreadable, {"PATH", Message{NotCodePage932Text, {}}}}},
                    UnreadableRow{"FarTooLarge",
                                  std::string(2 << 20, ' '),
                                  {ReportUnreadable, {"PATH", Message{FileTooLarge, {}}}}},
                    UnreadableRow{
                        "AFolder", "", {ReportUnreadable, {"PATH", Message{IsFolder, {}}}}}),
    [](const testing::TestParamInfo<UnreadableRow>& row) { return std::string(row.param.Name); });

TEST(ReportReading, WithoutAFileSaysNoneIsWrittenYet) {
    test::TemporaryFolder folder;
    const std::string path = (folder.Path() / "Tidewell_OUT.txt").string();
    const ReadReport read = ReadReportFile(path);
    EXPECT_FALSE(read.Text.has_value());
    EXPECT_EQ(read.Problem, (Message{ReportNotWritten, {path}}));
}

}  // namespace
}  // namespace tidewell::report

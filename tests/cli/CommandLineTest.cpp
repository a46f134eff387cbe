#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "CliOptions.h"
#include "JsonReport.h"
#include "TestSupport.h"

namespace tidewell {
namespace {

namespace fs = std::filesystem;

using test::ReadFile;

struct Outcome {
    int Status = -1;
    std::string Out;
    std::string Err;
};

// Runs tidewell-cli in a private working folder.
class CommandLine : public testing::Test {
  protected:
    Outcome Run(const std::string& arguments) const {
        const fs::path err = Folder / "stderr.txt";
        const std::string command = "cd '" + Folder.string() + "' && '" TIDEWELL_CLI "' " +
                                    arguments + " 2>'" + err.string() + "'";
        Outcome outcome;
        FILE* pipe = popen(command.c_str(), "r");
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            outcome.Out.append(buffer, n);
        const int status = pclose(pipe);
        outcome.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        outcome.Err = ReadFile(err);
        fs::remove(err);
        return outcome;
    }

    fs::path Report() const { return Folder / "Tidewell_OUT.txt"; }

    test::TemporaryFolder Scratch;
    fs::path Folder = Scratch.Path();
};

TEST_F(CommandLine, DefaultCasePrintsTheResultAndWritesTheGoldenReport) {
    const Outcome run = Run("");
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out.substr(0, run.Out.find('\n')), " 17.7");
    EXPECT_NE(run.Out.find("17.516"), std::string::npos);
    EXPECT_EQ(ReadFile(Report()), ReadFile(TIDEWELL_GOLDEN_DIR "/default_report.txt"));
    EXPECT_EQ(run.Err, "計算終了です！:計算結果(湾内平均水温)\n 17.7(℃)\n");
}

TEST_F(CommandLine, RefusedTextExitsWithTwoAndWritesNoReport) {
    const Outcome run = Run("--bay-area 0.5");
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err, "湾面積の入力制限:湾面積は1km2以上にしてください。\n");
    EXPECT_EQ(run.Out, "");
    EXPECT_FALSE(fs::exists(Report()));
}

TEST_F(CommandLine, EntryThatIsNotInTheListExitsWithTwo) {
    const Outcome run = Run("--section-factor 5.0");  // only the inflow lists offer 5.0
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Err.find("1.0, 0.2, 0.5, 0.8, 1.2, 1.5, 2.0"), std::string::npos);
    EXPECT_FALSE(fs::exists(Report()));
}

TEST_F(CommandLine, UnknownOptionExitsWithTwo) {
    const Outcome run = Run("--bay-areas 10");
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Err.find("unknown option"), std::string::npos);
}

TEST_F(CommandLine, UnstableRunExitsWithThree) {
    const Outcome run = Run("--bay-area 20");
    EXPECT_EQ(run.Status, 3);
    EXPECT_EQ(run.Out, "計算不安定\n");
    EXPECT_NE(ReadFile(Report()).find("[\x8C\x76\x8E\x5A\x8C\x8B\x89\xCA]"), std::string::npos);
}

TEST_F(CommandLine, UnwritableReportExitsWithFourAfterTheResult) {
    fs::create_directory(Folder / "taken");
    const Outcome run = Run("--report taken");
    EXPECT_EQ(run.Status, 4);
    EXPECT_EQ(run.Out.substr(0, run.Out.find('\n')), " 17.7");
    EXPECT_NE(run.Err.find("レポート出力エラー:"), std::string::npos);
}

TEST_F(CommandLine, JsonCarriesFieldsListsFramesCellsAndMessages) {
    const Outcome run = Run("--json --inflow-temp-factor 1.2 --inflow-factor=0.2 --report r.txt");
    EXPECT_EQ(run.Status, 0);
    for (const char* part :
         {"\"Text12\":\" 1191.60004734993\"", "\"Text16\":\" 18\"", "\"List1\":-1", "\"List2\":4",
          "\"List3\":1", "\"TimeStep\":718", "\"CalcDays\":6294", "\"StepCount\":12623",
          "\"frames\":[", "\"title\":\"計算終了です！\"",
          "\"prompt\":\"計算結果(湾内平均水温)\\r 18(℃)\""}) {
        EXPECT_NE(run.Out.find(part), std::string::npos) << part << "\n" << run.Out;
    }
    EXPECT_TRUE(fs::exists(Folder / "r.txt"));
}

TEST_F(CommandLine, HelpListsEveryOptionAndExitStatus) {
    const Outcome run = Run("--help");
    EXPECT_EQ(run.Status, 0);
    for (const char* part : {"Usage: tidewell-cli", "--bay-area", "--inflow-factor", "--json",
                             "--report", "Exit status", "  3  "}) {
        EXPECT_NE(run.Out.find(part), std::string::npos) << part;
    }
}

TEST(CliOptions, AppliesFieldsAndListsInWindowOrderWhateverTheCommandLineOrder) {
    const CliParse parse =
        ParseCliOptions({"--inflow-rate", "5", "--inflow-factor", "2.0", "--bay-area=9",
                         "--section-factor", "0.5", "--bay-area", "10"});
    ASSERT_TRUE(parse.Options.has_value()) << parse.Error;
    EXPECT_EQ(parse.Options->FieldTexts,
              (std::vector<std::pair<int, std::string>>{{1, "10"}, {9, "5"}}));
    EXPECT_EQ(parse.Options->ListPicks,
              (std::vector<std::pair<int, std::string>>{{1, "0.5"}, {3, "2.0"}}));
}

TEST(CliOptions, RefusesAMissingValue) {
    EXPECT_FALSE(ParseCliOptions({"--bay-area"}).Options.has_value());
    EXPECT_FALSE(ParseCliOptions({"--json=1"}).Options.has_value());
    EXPECT_FALSE(ParseCliOptions({"stray"}).Options.has_value());
}

TEST(JsonString, EscapesControlsAndReplacesBytesThatAreNotUtf8) {
    EXPECT_EQ(JsonString("a\"b\\c\r\n\x01"), "\"a\\\"b\\\\c\\r\\n\\u0001\"");
    EXPECT_EQ(JsonString("湾"), "\"湾\"");
    EXPECT_EQ(JsonString("\xff"
                         "1\xe6\xb9"),
              "\"\\ufffd1\\ufffd\\ufffd\"");
}

}  // namespace
}  // namespace tidewell

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "CliRun.h"
#include "case/Csv.h"
#include "ui/CaseBatch.h"

// The files the command line reads and writes besides the report: batch
// tables, time series, sweeps and case files.
namespace tidewell {
namespace {

namespace fs = std::filesystem;

using test::ReadFile;

using test::Outcome;
using test::RunCli;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
        end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

struct BatchRow {
    const char* Name;
    const char* Cells;  // under "name,bay-area,section-factor,inflow-factor"
    const char* Status;
    const char* Single;  // the same case as options of one run ("" for none)
    const char* Message;
};

const BatchRow kBatchRows[] = {
    {"EmptyCellsKeepTheDefaults", "plain,,,", "result", "", ""},
    {"QuotedNameWithCommaAndQuotes", "\"a,\"\"b\"\"\",500,0.5,2.0", "result",
     "--bay-area 500 --section-factor 0.5 --inflow-factor 2.0", ""},
    {"RefusedText", "low,0.5,,", "refused", nullptr, "湾面積の入力制限: 湾面積は1km2以上"},
    {"EntryNotInItsList", "five,,5.0,", "refused", nullptr, "倍率の指定: 「5.0」は湾口部断面積"},
    {"Unstable", "small,20,,", "unstable", nullptr, "計算が不安定です: 計算が不安定になり"},
};

// Each row of a batch gives what one run of its case gives, to the last bit.
TEST(CaseBatch, RowsMatchSingleRunsAndSayWhyOthersFailed) {
    std::string table = "name,bay-area,section-factor,inflow-factor\n";
    for (const BatchRow& row : kBatchRows)
        table += std::string(row.Cells) + "\n";
    const CaseBatchRead read = ParseCaseBatch(table);
    ASSERT_TRUE(read.Batch) << read.Problem;
    const std::string csv = CaseBatchCsv(*read.Batch, RunCaseBatch(*read.Batch, ""));
    const CsvTable out = ReadCsv(csv);
    ASSERT_EQ(out.Records.size(), std::size(kBatchRows) + 1) << csv;
    EXPECT_EQ(out.Records[0], (CsvRecord{"name", "bay-area", "section-factor", "inflow-factor",
                                         "residence-time", "closedness", "load-per-volume",
                                         "time-step", "step-count", "status", "mean", "result",
                                         "cell1", "cell2", "cell3", "cell4", "cell5", "message"}));
    EXPECT_EQ(Lines(csv)[2].substr(0, 18), "\"a,\"\"b\"\"\",500,0.5,") << "quoted as CSV";
    // The default case as its report gives it: indices, time step, steps, mean.
    EXPECT_EQ(
        CsvRecord(out.Records[1].begin() + 4, out.Records[1].begin() + 11),
        (CsvRecord{" 629.4", " 4.52", " .024", "718", "12623", "result", "17.702943770961888"}));
    test::TemporaryFolder scratch;
    for (std::size_t r = 0; r < std::size(kBatchRows); ++r) {
        const BatchRow& row = kBatchRows[r];
        const CsvRecord& record = out.Records[r + 1];
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(record[9], row.Status);
        EXPECT_EQ(record[17].find(row.Message), 0u) << record[17];
        if (row.Single == nullptr) {
            EXPECT_EQ(record[10] + record[11] + record[12], "");
            continue;
        }
        // The result text, then the five cells, as a single run prints them.
        const Outcome single = RunCli(scratch.Path(), std::string(row.Single) + " --no-report");
        EXPECT_EQ(single.Out, record[11] + "\n" + record[12] + " " + record[13] + " " + record[14] +
                                  " " + record[15] + " " + record[16] + "\n");
    }
}

struct CliFileRow {
    const char* Name;
    std::map<std::string, std::string> Files;  // written into the folder first
    const char* Arguments;
    int Status;
    const char* Out;  // a part of standard output
    const char* Err;  // a part of standard error
    int OutLines;     // -1: any
};

class CliFiles : public testing::TestWithParam<CliFileRow> {};

TEST_P(CliFiles, AreReadAndWrittenAsAsked) {
    test::TemporaryFolder scratch;
    for (const auto& [name, text] : GetParam().Files)
        test::WriteFile(scratch.Path() / name, text);
    const Outcome run = RunCli(scratch.Path(), GetParam().Arguments);
    EXPECT_EQ(run.Status, GetParam().Status) << run.Err;
    EXPECT_NE(run.Out.find(GetParam().Out), std::string::npos) << run.Out;
    EXPECT_NE(run.Err.find(GetParam().Err), std::string::npos) << run.Err;
    if (GetParam().OutLines >= 0) {
        EXPECT_EQ(Lines(run.Out).size(), static_cast<std::size_t>(GetParam().OutLines));
    }
}

const std::string kSmallBay = "--bay-area 50 --inflow-rate 20000";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, CliFiles, testing::Values(
    CliFileRow{"BatchWithAnUnknownColumn", {{"c.csv", "bay-area,depth\n1000,18\n"}},
               "--batch c.csv", 2, "", "c.csv: unknown column 'depth'", 0},
    CliFileRow{"BatchColumnTwice", {{"c.csv", "sea-temp,sea-temp\n"}}, "--batch c.csv", 2, "",
               "c.csv: column 'sea-temp' is given twice", 0},
    CliFileRow{"BatchWithoutHeader", {{"c.csv", "\n\n"}}, "--batch c.csv", 2, "",
               "c.csv: no header line naming the columns", 0},
    CliFileRow{"BatchNotCsv", {{"c.csv", "name\n\"a\n"}}, "--batch c.csv", 2, "",
               "c.csv: line 2: 引用符が閉じていません", 0},
    CliFileRow{"BatchRowShort", {{"c.csv", "name,inflow-rate\na\n"}}, "--batch c.csv", 2, "",
               "c.csv: row 1 has 1 cells, the header 2", 0},
    CliFileRow{"BatchFileMissing", {}, "--batch none.csv", 2, "", "none.csv: No such file", 0},
    CliFileRow{"BatchWithAnUnstableRow", {{"c.csv", "bay-area\n\"\"\n20\n"}}, "--batch c.csv",
               3, ",930,unstable,,,,,,,,計算が不安定です: ", "", 3},
    CliFileRow{"BatchAllResults", {{"c.csv", "inflow-rate,name\n20000,x\n"}},
               "--batch c.csv --out r.csv && cat r.csv", 0, "\nx,20000,", "", 2},
    CliFileRow{"SweepOfEveryCombination", {}, "--sweep - --bay-area 50 --inflow-rate 20000", 0,
               "\n1.0,1.0,1.0,result,15.168294766393041,", "", 449},
    // The default case's 12623 steps keep every 7th: the start, 1803 more, the last.
    CliFileRow{"SeriesToStandardOutput", {}, "--series - --sea-temp 21", 0,
               "day,cell1,cell2,cell3,cell4,cell5\n0,21,21,21,21,21\n", "計算終了です！", 1806},
    CliFileRow{"TwoFilesOnStandardOutput", {}, "--series - --report -", 2, "", "only one of", 0},
    CliFileRow{"CaseFileThatIsNot", {{"c.tidewell", "{}"}}, "--case c.tidewell", 2, "",
               "c.tidewell", 0}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

std::vector<double> Numbers(const std::string& text, char separator) {
    std::vector<double> numbers;
    for (const char* at = text.c_str(); *at != '\0'; ++at) {
        numbers.push_back(std::strtod(at, const_cast<char**>(&at)));
        if (*at != separator)
            break;
    }
    return numbers;
}

// The series ends where the run ends; the steady state comes with it.
TEST(Series, EndsWithTheFinalCells) {
    test::TemporaryFolder scratch;
    const Outcome run = RunCli(scratch.Path(), "--json --series s.csv");
    ASSERT_EQ(run.Status, 0) << run.Err;
    std::vector<double> last = Numbers(Lines(ReadFile(scratch.Path() / "s.csv")).back(), ',');
    EXPECT_EQ(last.front(), 12623 * 718.0 / 1440) << "the last step's day";
    last.erase(last.begin());
    EXPECT_EQ(last, Numbers(run.Out.substr(run.Out.find("\"cells\":[") + 9), ','));
    const std::size_t steady = run.Out.find("\"steadyState\":[");
    ASSERT_NE(steady, std::string::npos) << run.Out;
    EXPECT_EQ(Numbers(run.Out.substr(steady + 15), ',').size(), 5u);
}

TEST(CaseFiles, SavedCaseOpensToTheSameResult) {
    test::TemporaryFolder scratch;
    const Outcome saved = RunCli(scratch.Path(),
                                 "--no-report --bay-area 500 --inflow-factor 2.0 "
                                 "--mouth-length 3 --save-case c.tidewell");
    const Outcome opened = RunCli(scratch.Path(), "--no-report --case c.tidewell");
    const Outcome changed = RunCli(scratch.Path(), "--no-report --case c.tidewell --bay-area 600");
    EXPECT_EQ(saved.Status, 0) << saved.Err;
    EXPECT_EQ(opened.Out, saved.Out);
    EXPECT_NE(changed.Out, saved.Out);
    EXPECT_NE(opened.Out, RunCli(scratch.Path(), "--no-report").Out);
}

// A row's report is the report of one run of its case; a name that is no
// plain file name gives way to the row number.
TEST(CaseBatch, WritesEachRowsReport) {
    test::TemporaryFolder scratch;
    const fs::path folder = scratch.Path();
    test::WriteFile(folder / "c.csv", "name,bay-area\n../up,\neasy,500\n");
    fs::create_directory(folder / "r");
    const Outcome batch = RunCli(folder, "--batch c.csv --report-dir r --out o.csv");
    EXPECT_EQ(batch.Status, 0) << batch.Err;
    EXPECT_EQ(RunCli(folder, "--bay-area 500 --report one.txt").Status, 0);
    EXPECT_EQ(ReadFile(folder / "r/row1.txt"), ReadFile(TIDEWELL_GOLDEN_DIR "/default_report.txt"));
    EXPECT_EQ(ReadFile(folder / "r/easy.txt"), ReadFile(folder / "one.txt"));
    EXPECT_FALSE(fs::exists(folder / "up.txt"));
}

}  // namespace
}  // namespace tidewell

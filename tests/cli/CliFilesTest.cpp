#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "CliRun.h"
#include "case/Csv.h"
#include "session/CaseBatch.h"

namespace tidewell {
namespace {

using test::CliFolder;
using test::ReadFile;

struct BatchRow {
    const char* Cells;  // under "name,bay-area,section-factor,inflow-factor"
    const char* Status;
    const char* Single;  // the same case as options of one run (nullptr: no result)
    const char* Message;
};

const BatchRow kBatchRows[] = {
    {"plain,,,", "result", "", ""},
    {"\"a,\"\"b\"\"\",500,0.5,2.0", "result",
     "--bay-area 500 --section-factor 0.5 --inflow-factor 2.0", ""},
    {"low,0.5,,", "refused", nullptr, "湾面積の入力制限: 湾面積は1km2以上"},
    {"small,20,,", "unstable", nullptr, "計算が不安定です: 計算が不安定になり"},
};

// Each row of a batch gives what one run of its case gives, to the last bit.
TEST_F(CliFolder, BatchRowsMatchSingleRunsAndSayWhyOthersFailed) {
    std::string table = "name,bay-area,section-factor,inflow-factor\n";
    for (const BatchRow& row : kBatchRows)
        table += std::string(row.Cells) + "\n";
    const session::CaseBatchRead read = session::ParseCaseBatch(table);
    ASSERT_TRUE(read.Batch) << read.Problem->Prompt();
    const std::string csv =
        session::CaseBatchCsv(*read.Batch, session::RunCaseBatch(*read.Batch, ""));
    const std::vector<CsvRecord> out = ReadCsv(csv).Records;
    ASSERT_EQ(out.size(), std::size(kBatchRows) + 1) << csv;
    for (std::size_t r = 0; r < std::size(kBatchRows); ++r) {
        const BatchRow& row = kBatchRows[r];
        const CsvRecord& record = out[r + 1];
        ASSERT_EQ(record.size(), out[0].size()) << r;  // a cell under every column name
        EXPECT_EQ(record[9], row.Status) << r;
        EXPECT_EQ(record[10].empty(), row.Single == nullptr) << r;
        EXPECT_EQ(record[17].find(row.Message), 0u) << record[17];
        // The result text, then the five cells, as a single run prints them.
        const std::string printed =
            row.Single ? Run(std::string(row.Single) + " --no-report").Out : "\n    \n";
        EXPECT_EQ(printed, record[11] + "\n" + record[12] + " " + record[13] + " " + record[14] +
                               " " + record[15] + " " + record[16] + "\n")
            << r;
    }
}

struct CliFileRow {
    const char* Name;
    std::map<std::string, std::string> Files;  // written into the folder first
    const char* Arguments;
    int Status;
    const char* Out;  // a part of standard output
    const char* Err;  // a part of standard error
    int OutLines;
};

class CliFiles : public CliFolder, public testing::WithParamInterface<CliFileRow> {};

TEST_P(CliFiles, AreReadAndWrittenAsAsked) {
    for (const auto& [name, text] : GetParam().Files)
        test::WriteFile(Folder / name, text);
    const test::Outcome run = Run(GetParam().Arguments);
    EXPECT_EQ(run.Status, GetParam().Status) << run.Err;
    EXPECT_NE(run.Out.find(GetParam().Out), std::string::npos) << run.Out;
    EXPECT_NE(run.Err.find(GetParam().Err), std::string::npos) << run.Err;
    EXPECT_EQ(std::ranges::count(run.Out, '\n'), GetParam().OutLines);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, CliFiles, testing::Values(
    CliFileRow{"BatchWithAnUnknownColumn", {{"c.csv", "bay-area,depth\n1000,18\n"}},
               "--batch c.csv", 2, "", "c.csv: 列「depth」は入力項目の名前ではありません", 0},
    CliFileRow{"BatchWithAnUnstableRow", {{"c.csv", "bay-area\n\"\"\n20\n"}}, "--batch c.csv",
               3, ",930,unstable,,,,,,,,計算が不安定です: ", "", 3},
    CliFileRow{"BatchAllResults", {{"c.csv", "inflow-rate,name\n20000,x\n"}},
               "--batch c.csv --out r.csv && cat r.csv", 0, "\nx,20000,", "", 2},
    CliFileRow{"SweepOfEveryCombination", {}, "--sweep - --bay-area 50 --inflow-rate 20000", 0,
               "\n1.0,1.0,1.0,result,15.168294766393041,", "", 449},
    // The default case's 12623 steps keep every 7th: the start, 1803 more, the last.
    CliFileRow{"SeriesToStandardOutput", {}, "--series - --sea-temp 21", 0,
               "day,cell1,cell2,cell3,cell4,cell5\n0,21,21,21,21,21\n", "計算終了です！", 1806},
    CliFileRow{"TwoFilesOnStandardOutput", {}, "--series - --report -", 2, "", "only one of", 0}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

// A saved case opens to the same run; options given after it still apply.
TEST_F(CliFolder, SavedCaseOpensToTheSameResult) {
    const test::Outcome saved =
        Run("--no-report --bay-area 500 --inflow-factor 2.0 --save-case c.tidewell");
    EXPECT_EQ(Run("--no-report --case c.tidewell").Out, saved.Out);
    EXPECT_NE(Run("--no-report --case c.tidewell --bay-area 600").Out, saved.Out);
    EXPECT_NE(Run("--no-report").Out, saved.Out) << saved.Err;
}

// A row's report is the report of one run of its case; a name that is no
// plain file name gives way to the row number, and a row number another row
// took as its name to a further one: no report overwrites another. A row
// without a result has no report.
TEST_F(CliFolder, BatchWritesEachRowsReport) {
    test::WriteFile(Folder / "c.csv", "name,bay-area\n../up,\nrow3,500\n,600\ntiny,20\n");
    std::filesystem::create_directory(Folder / "r");
    const test::Outcome batch = Run("--batch c.csv --report-dir r --out o.csv");
    EXPECT_EQ(batch.Status, 3) << batch.Err;
    EXPECT_EQ(Run("--bay-area 500 --report one.txt").Status, 0);
    EXPECT_EQ(Run("--bay-area 600 --report two.txt").Status, 0);
    EXPECT_EQ(ReadFile(Folder / "r/row1.txt"), ReadFile(TIDEWELL_GOLDEN_DIR "/default_report.txt"));
    EXPECT_EQ(ReadFile(Folder / "r/row3.txt"), ReadFile(Folder / "one.txt"));
    EXPECT_EQ(ReadFile(Folder / "r/row3-2.txt"), ReadFile(Folder / "two.txt"));
    const auto files = std::filesystem::directory_iterator(Folder / "r");
    EXPECT_EQ(std::distance(begin(files), end(files)), 3);
    EXPECT_FALSE(std::filesystem::exists(Folder / "up.txt"));
}

}  // namespace
}  // namespace tidewell

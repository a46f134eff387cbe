#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <span>

#include "CliRun.h"
#include "case/Csv.h"

namespace tidewell {
namespace {

using test::CliFolder;
using test::ReadFile;

using Json = nlohmann::json;

// The status word of one run, from its exit status and result field.
std::string StatusOf(int exitStatus, const Json& run) {
    if (exitStatus != 3)
        return exitStatus == 0 ? "result" : "refused";
    return run["fields"]["Text16"] == "計算不安定" ? "unstable" : "cannot-run";
}

// Each number of a results row against one run's JSON: empty where it has none.
void ExpectNumbers(std::span<const std::string> cells, const std::vector<Json>& numbers) {
    ASSERT_EQ(cells.size(), numbers.size());
    for (std::size_t n = 0; n < cells.size(); ++n) {
        if (numbers[n].is_null())
            EXPECT_EQ(cells[n], "") << n;
        else
            EXPECT_EQ(cells[n].empty() ? NAN : std::stod(cells[n]), numbers[n].get<double>()) << n;
    }
}

struct BatchRow {
    const char* Cells;    // under "name,inflow-factor,bay-area,mean-depth,inflow-rate"
    const char* Options;  // the same case as options of one run
    const char* Status;
};

const BatchRow kBatchRows[] = {
    {"plain,,,,", "", "result"},
    {"\"a,\"\"b\"\"\",2.0,500,,", "--inflow-factor 2.0 --bay-area 500", "result"},
    {"deep,0.5,800,30,120", "--inflow-factor 0.5 --bay-area 800 --mean-depth 30 --inflow-rate 120",
     "result"},
    {"low,,0.5,,", "--bay-area 0.5", "refused"},
    {"small,,20,,", "--bay-area 20", "unstable"},
    {"huge,,1e6,1e6,1e-6", "--bay-area 1e6 --mean-depth 1e6 --inflow-rate 1e-6", "cannot-run"},
};

// Each row of a batch gives, column by column, what one run of its inputs
// gives, and says why a row has no result.
TEST_F(CliFolder, BatchRowsAreTheSingleRunsOfTheirInputs) {
    std::string table = "name,inflow-factor,bay-area,mean-depth,inflow-rate\n";
    for (const BatchRow& row : kBatchRows)
        table += std::string(row.Cells) + "\n";
    test::WriteFile(Folder / "c.csv", table);
    const test::Outcome batch = Run("--batch c.csv --threads 2");
    EXPECT_EQ(batch.Status, 3) << batch.Err;
    const std::vector<CsvRecord> in = ReadCsv(table).Records, out = ReadCsv(batch.Out).Records;
    ASSERT_EQ(out.size(), in.size()) << batch.Out;
    EXPECT_EQ(out[0], (CsvRecord{"name", "inflow-factor", "bay-area", "mean-depth", "inflow-rate",
                                 "residence-time", "closedness", "load-per-volume", "time-step",
                                 "step-count", "status", "mean", "result", "cell1", "cell2",
                                 "cell3", "cell4", "cell5", "message"}));
    for (std::size_t r = 1; r < out.size(); ++r) {
        const BatchRow& row = kBatchRows[r - 1];
        const CsvRecord& got = out[r];
        ASSERT_EQ(got.size(), out[0].size()) << r;
        const test::Outcome one = Run(std::string(row.Options) + " --json --no-report");
        const Json single = Json::parse(one.Out);
        const bool result = one.Status == 0, setUp = result || got[10] == "unstable";
        EXPECT_EQ(CsvRecord(got.begin(), got.begin() + 5), in[r]);
        EXPECT_EQ(got[10], row.Status);
        EXPECT_EQ(StatusOf(one.Status, single), row.Status);
        const Json& fields = single["fields"];
        const bool refused = row.Status == std::string("refused");  // a refused row has no case
        EXPECT_EQ(CsvRecord(got.begin() + 5, got.begin() + 8),
                  refused ? CsvRecord(3)
                          : (CsvRecord{fields["Text13"].get<std::string>(),
                                       fields["Text14"].get<std::string>(),
                                       fields["Text15"].get<std::string>()}))
            << r;
        ExpectNumbers(std::span(got).subspan(8, 2),
                      {setUp ? single["TimeStep"] : Json(), setUp ? single["StepCount"] : Json()});
        std::vector<Json> numbers{single["BayMeanConc"]};
        for (const Json& cell : single["cells"])
            numbers.push_back(result ? cell : Json());
        ExpectNumbers(std::span(got).subspan(11, 1), {numbers[0]});
        ExpectNumbers(std::span(got).subspan(13, 5), {numbers.begin() + 1, numbers.end()});
        EXPECT_EQ(got[12], result ? fields["Text16"].get<std::string>() : "") << r;
        // Why there is no result, on one line: the title, then the prompt's lines.
        const Json why = single["messages"].back();
        std::string words =
            why["title"].get<std::string>() + ": " + why["prompt"].get<std::string>();
        std::ranges::replace(words, '\r', ' ');
        EXPECT_EQ(got[18], result ? "" : words) << r;
    }
}

// A sweep row is the run of the entries it names: rows spread over the table,
// most naming three different entries, each against one run of its entries.
TEST_F(CliFolder, SweepRowsAreTheRunsOfTheEntriesTheyName) {
    const test::Outcome sweep = Run("--sweep - --bay-area 30 --inflow-rate 900 --threads 2");
    ASSERT_EQ(sweep.Status, 0) << sweep.Err;
    const std::vector<CsvRecord> rows = ReadCsv(sweep.Out).Records;
    ASSERT_EQ(rows.size(), 449u);
    EXPECT_EQ(rows[0], (CsvRecord{"section-factor", "inflow-temp-factor", "inflow-factor", "status",
                                  "mean", "cell1", "cell2", "cell3", "cell4", "cell5"}));
    std::set<CsvRecord> named;
    for (std::size_t r = 1; r < rows.size(); ++r)
        named.insert(CsvRecord(rows[r].begin(), rows[r].begin() + 3));
    EXPECT_EQ(named.size(), 448u);  // every combination once
    std::set<std::string> statuses;
    for (const std::size_t r : {1, 2, 47, 86, 162, 251, 268, 376, 410, 448}) {
        const CsvRecord& row = rows[r];
        ASSERT_EQ(row.size(), 10u);
        const test::Outcome one =
            Run("--json --no-report --bay-area 30 --inflow-rate 900 --section-factor " + row[0] +
                " --inflow-temp-factor " + row[1] + " --inflow-factor " + row[2]);
        const Json single = Json::parse(one.Out);
        EXPECT_EQ(row[3], StatusOf(one.Status, single)) << r;
        std::vector<Json> numbers{single["BayMeanConc"]};
        for (const Json& cell : single["cells"])
            numbers.push_back(one.Status == 0 ? cell : Json());
        ExpectNumbers(std::span(row).subspan(4), numbers);
        statuses.insert(row[3]);
    }
    EXPECT_EQ(statuses, (std::set<std::string>{"result", "unstable"}));
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
    CliFileRow{"BatchAllResults", {{"c.csv", "inflow-rate,name\n20000,x\n"}},
               "--batch c.csv --out r.csv && cat r.csv", 0, "\nx,20000,", "", 2},
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

// A row's report is the report of one run of its case. A name that is no
// plain file name, or one an earlier row took, gives way to the row number,
// and a row number another row took as its name to a further one: no report
// overwrites another. A row without a result has no report.
TEST_F(CliFolder, BatchWritesEachRowsReportUnderItsOwnName) {
    const std::pair<const char*, const char*> kRows[] = {
        // name, bay area
        {"../up", ""},       {"row3", "500"}, {"", "600"},    {"tiny", "20"}, {"same", "700"},
        {"same", "800"},     {"same", "900"}, {".", "1100"},  {"..", "1200"}, {"row12", "1300"},
        {"row12-2", "1400"}, {"", "1500"},    {"a/b", "1600"}};
    const std::map<std::string, const char*> kReports = {
        // file -> bay area
        {"row1.txt", ""},        {"row3.txt", "500"},     {"row3-2.txt", "600"},
        {"same.txt", "700"},     {"row6.txt", "800"},     {"row7.txt", "900"},
        {"row8.txt", "1100"},    {"row9.txt", "1200"},    {"row12.txt", "1300"},
        {"row12-2.txt", "1400"}, {"row12-3.txt", "1500"}, {"row13.txt", "1600"}};
    std::string table = "name,bay-area\n";
    for (const auto& [name, area] : kRows)
        table += std::string(name) + "," + area + "\n";
    test::WriteFile(Folder / "c.csv", table);
    std::filesystem::create_directory(Folder / "r");
    const test::Outcome batch = Run("--batch c.csv --report-dir r --out o.csv");
    EXPECT_EQ(batch.Status, 3) << batch.Err;
    std::set<std::string> written;
    for (const auto& entry : std::filesystem::directory_iterator(Folder / "r"))
        written.insert(entry.path().filename().string());
    EXPECT_EQ(written.size(), kReports.size());
    for (const auto& [file, area] : kReports) {
        const std::string option = *area ? std::string("--bay-area ") + area : "";
        EXPECT_EQ(Run(option + " --report one.txt").Status, 0);
        EXPECT_EQ(ReadFile(Folder / "r" / file), ReadFile(Folder / "one.txt")) << file;
    }
    EXPECT_FALSE(std::filesystem::exists(Folder / "up.txt"));
}

}  // namespace
}  // namespace tidewell

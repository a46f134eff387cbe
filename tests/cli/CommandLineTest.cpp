#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>

#include "CliRun.h"

namespace tidewell {
namespace {

using test::CliFolder;
using test::ReadFile;

const std::string kGolden = ReadFile(TIDEWELL_GOLDEN_DIR "/default_report.txt");

enum ReportIs { kGoldenReport, kPrevious };  // the report file afterwards

struct CliRow {
    const char* Name;
    const char* Arguments;
    int Status;
    const char* Out;  // what standard output holds: exactly, or "~text" to contain text
    const char* Err;  // a part of standard error ("" for none expected)
    ReportIs Report;
    const char* Spread = nullptr;  // written to s.json first
};

class CommandLines : public CliFolder, public testing::WithParamInterface<CliRow> {};

TEST_P(CommandLines, ExitPrintAndWriteAsAsked) {
    const CliRow& row = GetParam();
    test::WriteFile(Report, "previous");
    if (row.Spread != nullptr)
        test::WriteFile(Folder / "s.json", row.Spread);
    const test::Outcome run = Run(row.Arguments);
    EXPECT_EQ(run.Status, row.Status) << run.Err;
    if (const std::string out = row.Out; out.starts_with("~")) {
        EXPECT_NE(run.Out.find(out.substr(1)), std::string::npos) << run.Out;
    } else {
        EXPECT_EQ(run.Out, out);
    }
    EXPECT_NE(run.Err.find(row.Err), std::string::npos) << run.Err;
    const std::string report = ReadFile(Report);
    if (row.Report == kGoldenReport) {
        EXPECT_EQ(report, kGolden);
    } else {
        EXPECT_EQ(report == "previous", row.Report == kPrevious);
    }
    ExpectNoTemporaryFiles();
}

constexpr const char* kBatchAlone = "--batch takes its cases from the file";
constexpr const char* kSpread = "--uncertainty s.json";
constexpr const char* kSeaAndArea = R"({"sea-temp": {"dist": "uniform", "percent": 150},
                                        "bay-area": {"dist": "uniform", "percent": 10}})";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arguments, CommandLines, testing::Values(
    CliRow{"DefaultCase", "", 0,
           " 17.7\n17.516242429318552 17.606310994478246 17.699603551149814 "
           "17.796235501090912 17.896326378771921\n",
           "計算終了です！:計算結果(湾内平均水温)\n 17.7(℃)\n", kGoldenReport},
    // The golden report's texts; nothing picked; cells in the yellow 16-18 degC level, the
    // inflow in 14-16, the sea in 18-20; the steady states T_in + (T_sea - T_in) r^(6-j)
    // with one r (0.965442).
    CliRow{"JsonOfTheDefaultCaseKeyByKey", "--json", 0,
           "{\"fields\":{\"Text1\":\" 1000\",\"Text2\":\" 18\",\"Text3\":\" 18\",\"Text4\":\" 7\","
           "\"Text5\":\" 18\",\"Text6\":\" .126\",\"Text7\":\" 18\",\"Text8\":\" 15\",\"Text9\":\" 331\","
           "\"Text10\":\" 4965\",\"Text11\":\" .126\",\"Text12\":\" 4965\",\"Text13\":\" 629.4\","
           "\"Text14\":\" 4.52\",\"Text15\":\" .024\",\"Text16\":\" 17.7\"},"
           "\"lists\":{\"List1\":-1,\"List2\":-1,\"List3\":-1},"
           "\"frames\":[65535,65535,65535,65535,65535,4259775,49151],"
           "\"cells\":[17.516242429318552,17.606310994478246,17.699603551149814,"
           "17.796235501090912,17.89632637877192],\"TimeStep\":718.0,\"CalcDays\":6294.0,"
           "\"StepCount\":12623,\"BayMeanConc\":17.702943770961888,"
           "\"messages\":[{\"title\":\"計算終了です！\",\"prompt\":\"計算結果(湾内平均水温)\\r 17.7(℃)\"}],"
           "\"steadyState\":[17.51624242747885,17.60631099213674,17.699603549145664,"
           "17.796235500885114,17.896326380547492]}\n", "", kGoldenReport},
    CliRow{"EntryNotInTheList", "--section-factor 5.0", 2, "",
           "1.0, 0.2, 0.5, 0.8, 1.2, 1.5, 2.0", kPrevious},
    CliRow{"EntriesWrittenAsOtherNumberTexts", "--json --no-report --section-factor +2 "
           "--inflow-temp-factor 1.20 --inflow-factor 05", 0,
           "~\"List1\":6,\"List2\":4,\"List3\":7}", "", kPrevious},
    CliRow{"EntryTextThatIsNoNumber", "--inflow-factor 5x", 2, "",
           "倍率の指定:「5x」は流入水流量の倍率にありません。", kPrevious},
    CliRow{"NumberThatIsNoEntry", "--inflow-factor 3.0", 2, "",
           "倍率の指定:「3.0」は流入水流量の倍率にありません。", kPrevious},
    CliRow{"UnknownOption", "--bay-areas 10", 2, "", "unknown option", kPrevious},
    CliRow{"BatchWithJson", "--batch c.csv --json", 2, "", kBatchAlone, kPrevious},
    CliRow{"BatchWithSeries", "--batch c.csv --series s.csv", 2, "", kBatchAlone, kPrevious},
    CliRow{"UnstableJsonHasNoSteadyState", "--json --bay-area 20", 3, "~\"steadyState\":null}",
           "湾口部長さを短くするか、湾面積を大きくしてください", kPrevious},
    CliRow{"LongerThanMaxSteps", "--max-steps 12622", 3, "", "計算ステップ数の制限", kPrevious},
    CliRow{"ReportToStandardOutput", "--report -", 0, kGolden.c_str(), " 17.7\n17.5", kPrevious},
    CliRow{"ReportPathIsAFolder", "--report .", 4, "~ 17.7\n",
           "レポート出力エラー:レポートファイル「.」を書き込めませんでした。", kPrevious},
    CliRow{"OutputCannotBeWritten", "--json >/dev/full", 4, "", "cannot write the output",
           kGoldenReport},
    CliRow{"Help", "--help", 0, "~--inflow-factor", "", kPrevious},
    CliRow{"SolveForAnUnknownInput", "--solve-for bay-size --target 17.5", 2, "",
           "--solve-for takes one of bay-area,", kPrevious},
    CliRow{"SolveForATargetThatIsNoNumber", "--solve-for bay-area --target warm", 2, "",
           "--target needs the bay mean", kPrevious},
    CliRow{"SolveForNoObservedCell", "--solve-for bay-area --observed ,,,,", 2, "",
           "--observed needs five places", kPrevious},
    CliRow{"SolveForSixObservedCells", "--solve-for bay-area --observed 1,2,3,4,5,6", 2, "",
           "--observed needs five places", kPrevious},
    CliRow{"SolveForTwoTargets", "--solve-for bay-area --target 17.6 --observed 17.5,,,,", 2,
           "", "give one --target or one --observed", kPrevious},
    CliRow{"SolveForWithoutATarget", "--solve-for bay-area", 2, "", "--solve-for needs", kPrevious},
    CliRow{"SolveForWithAReport", "--solve-for bay-area --target 17.6 --report r.txt", 2, "",
           "--solve-for writes no report", kPrevious},
    CliRow{"SolveForOutOfReach", "--solve-for inflow-factor --target 25", 3,
           "~\"value\":null", "逆算できません:目標の湾内平均水温 25(℃) は、流入水流量の倍率を "
           ".2 から 5 まで変えて得られる範囲 16.8", kPrevious},
    // A temperature is searched from 0 to twice its value, at least 40 degC.
    CliRow{"SolveForAWarmSeaSearchesToTwiceIt", "--sea-temp 30 --solve-for sea-temp --target 100",
           3, "~\"value\":null", "外海水水温を 0 から 60 まで変えて", kPrevious},
    CliRow{"SpreadNotAnObject", kSpread, 2, "", "ばらつき指定エラー:ばらつきの指定ファイル「s.json」"
           "を使えません。\nJSON のオブジェクトとして読めません", kPrevious, "[1]"},
    CliRow{"SpreadOfNoInput", kSpread, 2, "", "キー「bay」は基本条件の名前ではありません",
           kPrevious, R"({"bay": {"dist": "uniform", "percent": 1}})"},
    CliRow{"SpreadOfInputTwice", kSpread, 2, "", "キー「sea-temp」が二度あります", kPrevious,
           R"({"sea-temp": {"dist": "normal", "percent": 1}, "sea-temp": {}})"},
    CliRow{"SpreadUnknownDistribution", kSpread, 2, "", "分布「\"cauchy\"」は", kPrevious,
           R"({"bay-area": {"dist": "cauchy", "percent": 1}})"},
    CliRow{"SpreadNegativePercent", kSpread, 2, "", "は 0 以上の数にしてください（-1）",
           kPrevious, R"({"bay-area": {"dist": "uniform", "percent": -1}})"},
    CliRow{"SpreadOfZeroPercent", "--uncertainty s.json --samples 2", 0,
           "~\"counts\":{\"result\":2,", "", kPrevious,
           R"({"bay-area": {"dist": "uniform", "percent": 0}})"},
    CliRow{"SpreadPercentAsText", kSpread, 2, "", "は 0 以上の数にしてください（\"5\"）",
           kPrevious, R"({"bay-area": {"dist": "uniform", "percent": "5"}})"},
    CliRow{"SpreadWithoutPercent", kSpread, 2, "", "「bay-area」には「dist」と「percent」を",
           kPrevious, R"({"bay-area": {"dist": "uniform"}})"},
    CliRow{"SpreadWithAnotherMember", kSpread, 2, "", "知らないキー「sd」", kPrevious,
           R"({"bay-area": {"dist": "normal", "percent": 1, "sd": 2}})"},
    CliRow{"NoSamples", "--uncertainty s.json --samples 0", 2, "", "--samples needs", kPrevious,
           "{}"},
    CliRow{"NoSampleHasAResult", "--uncertainty s.json --samples 2 --bay-area 20", 3,
           "{\"samples\":2,\"seed\":1,\"counts\":{\"result\":0,\"unstable\":2,\"cannot-run\":0,"
           "\"refused\":0},\"refusals\":[],\"mean\":null,\"cells\":null,"
           "\"rankCorrelation\":{\"bay-area\":null},\"tornado\":[{\"input\":\"bay-area\","
           "\"low\":\"19.800000000000001\",\"high\":\"20.199999999999999\",\"meanLow\":null,"
           "\"meanHigh\":null}],\"base\":null}\n", "", kPrevious,
           R"({"bay-area": {"dist": "uniform", "percent": 1}})"},
    // Uniform +-150 % of 18 degC: 5 of 30 strata lie below 0 degC, which the field refuses,
    // as it refuses the low end, -9, of its tornado bar: that bar, without a swing, comes last.
    CliRow{"RefusedSamplesCountedWithTheFieldsMessage", "--uncertainty s.json --samples 30 --seed 3",
           0, "~\"counts\":{\"result\":25,\"unstable\":0,\"cannot-run\":0,\"refused\":5},"
           "\"refusals\":[{\"title\":\"外海水の水温\",\"prompt\":\"数値を入力してください\",\"count\":5}],",
           "", kPrevious, kSeaAndArea},
    CliRow{"TornadoBarWithoutASwingComesLast", "--uncertainty s.json --samples 30 --seed 3", 0,
           "~},{\"input\":\"sea-temp\",\"low\":\"-9\",\"high\":\"45\",\"meanLow\":null,", "",
           kPrevious, kSeaAndArea},
    CliRow{"SamplesWithoutUncertainty", "--samples 5", 2, "", "go with --uncertainty only",
           kPrevious}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

TEST_F(CliFolder, SignalsCancelTheRunAndKeepThePreviousReport) {
    test::WriteFile(Report, "previous");
    const std::filesystem::path err = Folder / "stderr.txt";
    for (const auto& [signal, exitStatus] : {std::pair{SIGINT, 130}, {SIGTERM, 143}}) {
        const pid_t child = fork();
        if (child == 0) {
            // About 6.6 million steps: seconds of work, stopped after a fraction.
            if (chdir(Folder.c_str()) == 0 && freopen(err.c_str(), "w", stderr) != nullptr)
                execl(TIDEWELL_CLI, TIDEWELL_CLI, "--bay-area", "2000", "--inflow-rate", "1",
                      static_cast<char*>(nullptr));
            _exit(127);
        }
        usleep(300000);
        kill(child, signal);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == exitStatus) << status;
        EXPECT_NE(ReadFile(err).find("計算中止:"), std::string::npos) << ReadFile(err);
        EXPECT_EQ(ReadFile(Report), "previous");
        ExpectNoTemporaryFiles();
    }
}

}  // namespace
}  // namespace tidewell

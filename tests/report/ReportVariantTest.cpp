// Report lines that change with the case: typed texts, multipliers picked in
// the lists, and the set-up values of other bay sizes. Every expected line is
// worked out by hand from the formulas of the report and the set-up.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ReportTestSupport.h"
#include "ui/MainModel.h"

namespace tidewell {
namespace {

using test::DecodeCodePage932;
using test::FirstDifference;
using test::GoldenPath;
using test::ReadBytes;
using test::RecordingSink;
using test::ScratchDir;
using test::SplitCrLfLines;

// The report at `path`, decoded to UTF-8 and split into its lines.
std::vector<std::string> ReportLinesAt(const std::string& path) {
    const auto bytes = ReadBytes(path);
    if (!bytes) {
        ADD_FAILURE() << "no report at " << path;
        return {};
    }
    const auto decoded = DecodeCodePage932(*bytes);
    if (!decoded) {
        ADD_FAILURE() << "the report is not code page 932";
        return {};
    }
    const auto lines = SplitCrLfLines(*decoded);
    if (!lines) {
        ADD_FAILURE() << "the report is not a CR LF text";
        return {};
    }
    return *lines;
}

using Edit = void (*)(MainModel&);

struct VariantRow {
    const char* Name;
    Edit Change;  // what the user does after start-up, before calculating
    int Line;     // 1 .. 26
    const char* Expected;
};

void PrintTo(const VariantRow& row, std::ostream* out) {
    *out << row.Name << ", line " << row.Line;
}

class ReportVariant : public testing::TestWithParam<VariantRow> {};

TEST_P(ReportVariant, WritesTheLineTheChangedCaseCallsFor) {
    const VariantRow& row = GetParam();
    ScratchDir dir;
    RecordingSink messages;
    const std::string path = dir.File("Tidewell_OUT.txt");
    MainModel model(messages, path);
    model.FormLoad();
    row.Change(model);
    const RunResult run = model.Command1_Click();
    ASSERT_EQ(run.ReportError, std::nullopt);

    const std::vector<std::string> lines = ReportLinesAt(path);
    ASSERT_EQ(lines.size(), 26u);
    EXPECT_EQ(lines[static_cast<size_t>(row.Line - 1)], row.Expected);
}

void BayArea500(MainModel& m) {
    m.SetFieldText(1, "500");
}
void BayArea50(MainModel& m) {
    m.SetFieldText(1, "50");
}
void BayArea100000(MainModel& m) {
    m.SetFieldText(1, "100000");
}
void MeanDepth950(MainModel& m) {
    m.SetFieldText(2, "9.50");
}
void MouthLength35(MainModel& m) {
    m.SetFieldText(4, "3.5");
}
void SeaTemp200(MainModel& m) {
    m.SetFieldText(7, "20.0");
}
void InflowTemp125(MainModel& m) {
    m.SetFieldText(8, "12.5");
}
void InflowRate500(MainModel& m) {
    m.SetFieldText(9, "500");
}
void SectionFactor2(MainModel& m) {
    m.SelectListEntry(1, 6);
}  // "2.0"
void InflowTempFactor12(MainModel& m) {
    m.SelectListEntry(2, 4);
}  // "1.2"
void InflowFactor5(MainModel& m) {
    m.SelectListEntry(3, 7);
}  // "5.0"

// Typed texts are written exactly as typed (no blank before them, none after),
// while the quantities derived from them are numbers with both blanks.
INSTANTIATE_TEST_SUITE_P(
    TypedBasicConditions, ReportVariant,
    testing::Values(
        VariantRow{"BayArea500Line5", BayArea500, 5,
                   "    湾面積(km2)=500　平均水深(m)= 18　湾容積(km3)= 9 "},
        // 10000 * 9 / (.864 * 331) = 314.703; sqrt(500) / 7 = 3.19438
        VariantRow{"BayArea500Line21", BayArea500, 21, "    滞留時間(日)= 314.7 "},
        VariantRow{"BayArea500Line22", BayArea500, 22, "    閉鎖度= 3.19 "},
        // The mouth depth follows the typed mean depth as the same text;
        // volume 1000 * 9.5 * .001 = 9.5, section single(7 * 9.5 * .001) = .0665.
        VariantRow{"MeanDepth950Line5", MeanDepth950, 5,
                   "    湾面積(km2)= 1000　平均水深(m)=9.50　湾容積(km3)= 9.5 "},
        VariantRow{"MeanDepth950Line6", MeanDepth950, 6,
                   "    湾口部長さ(km)= 7　湾口部水深(m)=9.50　湾口部断面積(km2)= .0665 "},
        // section single(3.5 * 18 * .001) = .063; closedness sqrt(1000) / 3.5 = 9.0351
        VariantRow{"MouthLength35Line6", MouthLength35, 6,
                   "    湾口部長さ(km)=3.5　湾口部水深(m)= 18　湾口部断面積(km2)= .063 "},
        VariantRow{"MouthLength35Line22", MouthLength35, 22, "    閉鎖度= 9.04 "},
        VariantRow{"SeaTemp200Line7", SeaTemp200, 7, "    外海水水温(℃)=20.0"},
        // load 331 * 12.5 = 4137.5
        VariantRow{"InflowTemp125Line8", InflowTemp125, 8,
                   "    流入水水温(℃)=12.5　流入水流量(m3/秒)= 331　流入負荷量(℃/秒)= 4137.5 "},
        // load 500 * 15 = 7500
        VariantRow{"InflowRate500Line8", InflowRate500, 8,
                   "    流入水水温(℃)= 15　流入水流量(m3/秒)=500　流入負荷量(℃/秒)= 7500 "}),
    [](const testing::TestParamInfo<VariantRow>& info) { return std::string(info.param.Name); });

// Multipliers are numbers: "1.2" is held in single precision
// (1.2000000476837158) and written with 7 significant digits, while the
// changed load 1.2000000476837158 * (1 * 4965) = 5958.000236749649 shows the
// single-precision error at 5 decimals.
INSTANTIATE_TEST_SUITE_P(
    ConditionMultipliers, ReportVariant,
    testing::Values(
        VariantRow{"InflowTempFactor12Line12", InflowTempFactor12, 12,
                   "    流入水水温(×倍)= 1.2 　流入水水量(×倍)= 1 　　 (変更)流入負荷量(℃/秒)= "
                   "5958.00024 "},
        // .864 * 5958.000236749649 / (10000 * 18) = .0285984
        VariantRow{"InflowTempFactor12Line23", InflowTempFactor12, 23,
                   "    流入負荷量÷湾容積（℃/m3/日)= .029 "},
        // changed section 2 * .12600000202655792 = .252; velocity
        // 100 * (331 / 252000.004) = .1313 cm/s; closedness sqrt(1000) / 14 = 2.2588
        VariantRow{"SectionFactor2Line11", SectionFactor2, 11,
                   "    湾口部断面積(×倍)= 2 　　 (変更)湾口部断面積(km2)= .252 "},
        VariantRow{"SectionFactor2Line16", SectionFactor2, 16, "    平均流速(cm/秒)    = .13 "},
        VariantRow{"SectionFactor2Line22", SectionFactor2, 22, "    閉鎖度= 2.26 "},
        // changed load 1 * (5 * 4965) = 24825; velocity 100 * (1655 / 126000.002)
        // = 1.3135 cm/s; residence 180000 / (.864 * 1655) = 125.88 days; load per
        // volume .864 * 24825 / 180000 = .11916.
        VariantRow{
            "InflowFactor5Line12", InflowFactor5, 12,
            "    流入水水温(×倍)= 1 　流入水水量(×倍)= 5 　　 (変更)流入負荷量(℃/秒)= 24825 "},
        VariantRow{"InflowFactor5Line16", InflowFactor5, 16, "    平均流速(cm/秒)    = 1.31 "},
        VariantRow{"InflowFactor5Line21", InflowFactor5, 21, "    滞留時間(日)= 125.9 "},
        VariantRow{"InflowFactor5Line23", InflowFactor5, 23,
                   "    流入負荷量÷湾容積（℃/m3/日)= .119 "},
        // The calculation time uses the unscaled inflow rate and the time step
        // stays the diffusive one (advection 6324.6 / .013135 = 481500 s > 43089 s).
        VariantRow{"InflowFactor5Line17", InflowFactor5, 17, "    計算時間（日)= 6294 "},
        VariantRow{"InflowFactor5Line18", InflowFactor5, 18, "    ﾀｲﾑｽﾃｯﾌﾟ（分)= 718 "}),
    [](const testing::TestParamInfo<VariantRow>& info) { return std::string(info.param.Name); });

// Bay area 50 km2, everything else default:
//   BayLength = sqrt(50 * 1e6) = 7071.068 m, segment 1414.214 m
//   EddyDiffusivity = .01 * (707106.78)^(4/3) = 629960.5 cm2/s -> 62.996 m2/s -> 63
//   velocity 100 * (331 / 126000.002) = .2627 cm/s -> .26
//   DiffusionTime = .5 * 1414.214^2 / 62.996 = 15874.0 s; AdvectionTime
//   1414.214 / .0026270 = 538341 s is longer, so TimeStep = 15874.0 / 60 = 264.57 -> 265
//   volume (50 * 18) * .001 = .9 km3; r = 9e8 / 331 / 86400 = 31.4703 days,
//   CalcDays = 10 * r = 314.70 -> 315
//   residence 9000 / (.864 * 331) = 31.47 -> 31.5; closedness sqrt(50) / 7
//   = 1.0102 -> 1.01; load per volume .864 * 4965 / 9000 = .47664 -> .477
// Bay area 100000 km2: sqrt(1e11) = 316228 m is capped to 200000 m:
//   EddyDiffusivity = .01 * (2e7)^(4/3) = 54288352 cm2/s -> 5428.84 m2/s -> 5429
//   DiffusionTime = .5 * 40000^2 / 5428.835 = 147361 s -> 2456.02 min -> 2456
//   r = 1.8e12 / 331 / 86400 = 62940.584 days -> CalcDays 629405.8 -> 629406
INSTANTIATE_TEST_SUITE_P(
    SetUpValues, ReportVariant,
    testing::Values(
        VariantRow{"BayArea50Line5", BayArea50, 5,
                   "    湾面積(km2)=50　平均水深(m)= 18　湾容積(km3)= .9 "},
        VariantRow{"BayArea50Line15", BayArea50, 15, "    渦動拡散係数(m2/秒)= 63 "},
        VariantRow{"BayArea50Line16", BayArea50, 16, "    平均流速(cm/秒)    = .26 "},
        VariantRow{"BayArea50Line17", BayArea50, 17, "    計算時間（日)= 315 "},
        VariantRow{"BayArea50Line18", BayArea50, 18, "    ﾀｲﾑｽﾃｯﾌﾟ（分)= 265 "},
        VariantRow{"BayArea50Line21", BayArea50, 21, "    滞留時間(日)= 31.5 "},
        VariantRow{"BayArea50Line22", BayArea50, 22, "    閉鎖度= 1.01 "},
        VariantRow{"BayArea50Line23", BayArea50, 23, "    流入負荷量÷湾容積（℃/m3/日)= .477 "},
        VariantRow{"BayArea100000Line15", BayArea100000, 15, "    渦動拡散係数(m2/秒)= 5429 "},
        VariantRow{"BayArea100000Line17", BayArea100000, 17, "    計算時間（日)= 629406 "},
        VariantRow{"BayArea100000Line18", BayArea100000, 18, "    ﾀｲﾑｽﾃｯﾌﾟ（分)= 2456 "}),
    [](const testing::TestParamInfo<VariantRow>& info) { return std::string(info.param.Name); });

// A second calculation replaces the first report completely: a shorter report
// leaves nothing of a longer one behind, and going back to the defaults gives
// the golden bytes again.
TEST(ReportReplacement, EachCalculationReplacesThePreviousReportCompletely) {
    const auto golden = ReadBytes(GoldenPath("default_report.txt"));
    ASSERT_TRUE(golden.has_value());
    const auto goldenUtf8 = ReadBytes(GoldenPath("default_report.utf8.txt"));
    ASSERT_TRUE(goldenUtf8.has_value());
    const auto goldenLines = SplitCrLfLines(*goldenUtf8);
    ASSERT_TRUE(goldenLines.has_value());

    ScratchDir dir;
    RecordingSink messages;
    const std::string path = dir.File("Tidewell_OUT.txt");
    MainModel model(messages, path);
    model.FormLoad();

    model.Command1_Click();
    const auto first = ReadBytes(path);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(FirstDifference(*golden, *first), std::nullopt);

    // " 1000" and "= 18 " become "500" and "= 9 ": two bytes shorter; every
    // other changed line keeps its length.
    model.SetFieldText(1, "500");
    model.Command1_Click();
    const auto second = ReadBytes(path);
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(second->size(), golden->size() - 2);
    std::vector<std::string> expected = *goldenLines;
    expected[4] = "    湾面積(km2)=500　平均水深(m)= 18　湾容積(km3)= 9 ";
    // BayLength sqrt(5e8) = 22360.68 m: diffusivity .01 * (2236068)^(4/3)
    // = 2924018 cm2/s -> 292.4 m2/s; DiffusionTime .5 * 4472.136^2 / 292.4018
    // = 34199.5 s -> 569.99 min -> 570 (advection 4472.136 / .002627 = 1.7e6 s);
    // CalcDays 10 * (9e9 / 331 / 86400) = 3147.03 -> 3147.
    expected[14] = "    渦動拡散係数(m2/秒)= 292 ";
    expected[16] = "    計算時間（日)= 3147 ";
    expected[17] = "    ﾀｲﾑｽﾃｯﾌﾟ（分)= 570 ";
    expected[20] = "    滞留時間(日)= 314.7 ";
    expected[21] = "    閉鎖度= 3.19 ";
    expected[22] = "    流入負荷量÷湾容積（℃/m3/日)= .048 ";  // .864 * 4965 / 90000 = .047664
    const std::vector<std::string> secondLines = ReportLinesAt(path);
    ASSERT_EQ(secondLines.size(), 26u);
    for (size_t i = 0; i < expected.size(); ++i) {
        if (i == 25)
            continue;  // the bay mean of this case is not worked out here
        EXPECT_EQ(secondLines[i], expected[i]) << "line " << i + 1;
    }
    EXPECT_EQ(secondLines[25].rfind("    湾内平均水温(℃)= ", 0), 0u) << secondLines[25];
    EXPECT_EQ(secondLines[25].back(), ' ');

    model.SetFieldText(1, " 1000");
    model.Command1_Click();
    const auto third = ReadBytes(path);
    ASSERT_TRUE(third.has_value());
    const auto difference = FirstDifference(*golden, *third);
    EXPECT_EQ(difference, std::nullopt) << difference.value_or("");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"Tidewell_OUT.txt"});
}

}  // namespace
}  // namespace tidewell

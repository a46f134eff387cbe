#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <map>

#include "TestSupport.h"
#include "case/CaseInput.h"
#include "engine/RunDriver.h"
#include "report/CodePageFile.h"
#include "report/ReportFile.h"
#include "report/SeriesCsv.h"

namespace tidewell {
namespace {

namespace fs = std::filesystem;

using test::ReadFile;

// The report's lines in UTF-8, decoded independently of the writer.
std::vector<std::string> DecodedLines(const std::string& cp932) {
    iconv_t decoder = iconv_open("UTF-8", "CP932");
    std::string utf8(cp932.size() * 3, '\0');
    char* in = const_cast<char*>(cp932.data());
    char* out = utf8.data();
    size_t inLeft = cp932.size();
    size_t outLeft = utf8.size();
    EXPECT_NE(iconv(decoder, &in, &inLeft, &out, &outLeft), static_cast<size_t>(-1));
    iconv_close(decoder);
    utf8.resize(utf8.size() - outLeft);
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = utf8.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        lines.push_back(utf8.substr(start, end - start));
    }
    return lines;
}

using Edit = std::function<void(CaseRecord&)>;

class ReportFolder : public testing::Test {
  protected:
    // Calculates the default case, its basic conditions as the window's
    // start-up texts, as the edits change it.
    std::string ReportAfter(const Edit& edits) {
        CaseRecord c = DefaultCase();
        const char* texts[] = {" 1000", " 18", " 7", " 18", " 15", " 331"};
        for (std::size_t n = 0; n < kBasicInputs.size(); ++n)
            ApplyInput(c, kBasicInputs[n], texts[n]);
        edits(c);
        engine::ModelState model;
        MessageLog messages;
        report::ReportFile report(Report.string());
        EXPECT_FALSE(engine::RunCalculation(c, model, report, messages).ReportError.has_value());
        return ReadFile(Report);
    }

    test::TemporaryFolder Scratch;
    fs::path Folder = Scratch.Path();
    fs::path Report = Folder / "Tidewell_OUT.txt";
};

const std::string kGolden = ReadFile(TIDEWELL_GOLDEN_DIR "/default_report.txt");

// The report replaces the previous one, leaving nothing else in the folder.
TEST_F(ReportFolder, DefaultCaseWritesTheGoldenReport) {
    ASSERT_EQ(kGolden.size(), 750u);
    test::WriteFile(Report, "previous");
    EXPECT_EQ(ReportAfter([](CaseRecord&) {}), kGolden);
    EXPECT_EQ(std::distance(fs::directory_iterator(Folder), fs::directory_iterator()), 1);
}

struct VariantRow {
    const char* Name;
    Edit Edits;
    std::map<int, std::string> Lines;  // line number -> text
};

class ReportVariant : public ReportFolder, public testing::WithParamInterface<VariantRow> {};

TEST_P(ReportVariant, WritesTheLinesTheCaseCallsFor) {
    const auto lines = DecodedLines(ReportAfter(GetParam().Edits));
    ASSERT_EQ(lines.size(), 26u);
    for (const auto& [line, text] : GetParam().Lines)
        EXPECT_EQ(lines[static_cast<size_t>(line - 1)], text) << line;
}

Edit Type(BasicInput input, const char* text) {
    return [=](CaseRecord& c) { ApplyInput(c, input, text); };
}
Edit Times(double section, float inflowTemp, double inflow) {
    return [=](CaseRecord& c) {
        c.SectionFactor = section;
        c.InflowTempFactor = inflowTemp;
        c.InflowFactor = inflow;
    };
}

// Bay area 50 km2: length sqrt(5e7) = 7071.07 m, diffusivity 0.01 * 707107^(4/3)
// = 629960 cm2/s -> 63 m2/s; diffusion time 0.5 * 1414.21^2 / 62.996 = 15874 s
// -> 264.6 -> 265 min; residence 9e8 / 331 / 86400 = 31.47 d -> 315 days.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, ReportVariant, testing::Values(
    VariantRow{"NumbersGetTheTrailingBlank", [](CaseRecord& c) { c = DefaultCase(); },
               {{5, "    湾面積(km2)= 1000 　平均水深(m)= 18 　湾容積(km3)= 18 "},
                {7, "    外海水水温(℃)= 18 "}}},
    VariantRow{"TypedDepthCopiedToTheMouth", Type(BasicInput::MeanDepth, "9.50"),
               {{6, "    湾口部長さ(km)= 7　湾口部水深(m)=9.50　湾口部断面積(km2)= .0665 "}}},
    VariantRow{"SinglePrecisionMultiplier", Times(1, 1.2f, 1),
               {{12, "    流入水水温(×倍)= 1.2 　流入水水量(×倍)= 1 　　 (変更)流入負荷量(℃/秒)= "
                     "5958.00024 "},
                {23, "    流入負荷量÷湾容積（℃/m3/日)= .029 "}}},
    VariantRow{"DoubledSection", Times(2, 1, 1),
               {{11, "    湾口部断面積(×倍)= 2 　　 (変更)湾口部断面積(km2)= .252 "}}},
    VariantRow{"FiveTimesInflow", Times(1, 1, 5),
               {{16, "    平均流速(cm/秒)    = 1.31 "}, {17, "    計算時間（日)= 6294 "}}},
    VariantRow{"ChangedSectionToFiveDecimals", Type(BasicInput::MouthLength, "7.1234"),
               {{11, "    湾口部断面積(×倍)= 1 　　 (変更)湾口部断面積(km2)= .12822 "}}},
    VariantRow{"SmallBay", Type(BasicInput::BayArea, "50"),
               {{15, "    渦動拡散係数(m2/秒)= 63 "}, {17, "    計算時間（日)= 315 "},
                {18, "    ﾀｲﾑｽﾃｯﾌﾟ（分)= 265 "}}}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

// Makes writes beyond `bytes` fail as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) : Handler(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &Saved);
        const rlimit limited{bytes, Saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &Saved);
        std::signal(SIGXFSZ, Handler);
    }

  private:
    void (*Handler)(int);
    rlimit Saved{};
};

// A full disk: the reason is given and the previous report left alone, with
// nothing beside it.
TEST_F(ReportFolder, FullDiskGivesTheReasonAndLeavesThePreviousReport) {
    ASSERT_EQ(report::WriteCodePage932File(Report.string(), {"previous"}), std::nullopt);
    std::optional<Message> reason;
    {
        const FileSizeLimit limit(64);
        reason = report::WriteCodePage932File(Report.string(), {std::string(400, 'x'), "line"});
    }
    EXPECT_FALSE(reason.value_or(Message()).Prompt().empty());
    EXPECT_EQ(ReadFile(Report), "previous\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(Folder), fs::directory_iterator()), 1);
}

// The golden report holds the page's other characters.
TEST(CodePage932, EncodesTheWaveDashAndRefusesWhatThePageLacks) {
    EXPECT_EQ(report::ToCodePage932("～"), "\x81\x60");
    EXPECT_EQ(report::ToCodePage932("湾\xF0\x9F\x8C\x8A"), std::nullopt);  // an emoji
    EXPECT_EQ(report::ToCodePage932("\xFF"), std::nullopt);                // not UTF-8
}

// Rows written by hand: the day and the cells with every digit.
TEST(ResultCsv, WritesHeadersAndSeventeenDigitRows) {
    const engine::SeriesRow rows[] = {{0, {18, 18, 18, 18, 18}},
                                      {0.1, {17.5, -0.5, 1e-7, 123456789.125, 1.0 / 3}}};
    EXPECT_EQ(report::SeriesCsv(rows),
              "day,cell1,cell2,cell3,cell4,cell5\n"
              "0,18,18,18,18,18\n"
              "0.10000000000000001,17.5,-0.5,9.9999999999999995e-08,123456789.125,"
              "0.33333333333333331\n");
}

}  // namespace
}  // namespace tidewell

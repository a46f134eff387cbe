#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "TestSupport.h"
#include "case/CaseInput.h"
#include "engine/RunDriver.h"
#include "report/CodePageFile.h"
#include "report/ReportFile.h"

namespace tidewell {
namespace {

namespace fs = std::filesystem;

using test::ReadFile;
using test::RecordedMessages;

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

class ReportFolder : public testing::Test {
  protected:
    // Calculates the default case as the edits change it.
    std::string ReportAfter(const std::function<void(CaseRecord&)>& edits) {
        CaseRecord c = DefaultCase();
        for (const BasicInput input :
             {BasicInput::BayArea, BasicInput::MeanDepth, BasicInput::MouthLength,
              BasicInput::SeaTemp, BasicInput::InflowTemp, BasicInput::InflowRate}) {
            ApplyInput(c, input, DefaultText(input));  // as the window writes them
        }
        edits(c);
        ModelState model;
        ReportFile report(Report.string());
        EXPECT_FALSE(RunCalculation(c, model, report, Messages).ReportError.has_value());
        return ReadFile(Report);
    }

    static std::string DefaultText(BasicInput input) {
        switch (input) {
            case BasicInput::BayArea:
                return " 1000";
            case BasicInput::MeanDepth:
                return " 18";
            case BasicInput::MouthLength:
                return " 7";
            case BasicInput::SeaTemp:
                return " 18";
            case BasicInput::InflowTemp:
                return " 15";
            case BasicInput::InflowRate:
                return " 331";
        }
        return "";
    }

    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(Folder)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    test::TemporaryFolder Scratch;
    fs::path Folder = Scratch.Path();
    fs::path Report = Folder / "Tidewell_OUT.txt";
    RecordedMessages Messages;
};

const std::string kGolden = ReadFile(TIDEWELL_GOLDEN_DIR "/default_report.txt");

TEST_F(ReportFolder, DefaultCaseWritesTheGoldenReport) {
    ASSERT_EQ(kGolden.size(), 750u);
    EXPECT_EQ(ReportAfter([](CaseRecord&) {}), kGolden);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Tidewell_OUT.txt"});
}

TEST_F(ReportFolder, BasicConditionsHoldingNumbersGetTheTrailingBlank) {
    ModelState model;
    ReportFile report(Report.string());
    ASSERT_EQ(RunCalculation(DefaultCase(), model, report, Messages).Status, RunStatus::Completed);
    const auto lines = DecodedLines(ReadFile(Report));
    ASSERT_EQ(lines.size(), 26u);
    EXPECT_EQ(lines[4], "    湾面積(km2)= 1000 　平均水深(m)= 18 　湾容積(km3)= 18 ");
    EXPECT_EQ(lines[6], "    外海水水温(℃)= 18 ");
}

struct VariantRow {
    const char* Name;
    std::function<void(CaseRecord&)> Edits;
    int Line;
    const char* Expected;
};

class ReportVariant : public ReportFolder, public testing::WithParamInterface<VariantRow> {};

TEST_P(ReportVariant, WritesTheLineTheCaseCallsFor) {
    const auto lines = DecodedLines(ReportAfter(GetParam().Edits));
    ASSERT_EQ(lines.size(), 26u);
    EXPECT_EQ(lines[static_cast<size_t>(GetParam().Line - 1)], GetParam().Expected);
}

auto Type(BasicInput input, const char* text) {
    return [=](CaseRecord& c) { ApplyInput(c, input, text); };
}
auto SectionTimes(double factor) {
    return [=](CaseRecord& c) { c.SectionFactor = factor; };
}
auto InflowTempTimes(float factor) {
    return [=](CaseRecord& c) { c.InflowTempFactor = factor; };
}
auto InflowTimes(double factor) {
    return [=](CaseRecord& c) { c.InflowFactor = factor; };
}
constexpr auto kArea = BasicInput::BayArea;

// Bay area 50 km2: length sqrt(5e7) = 7071.07 m, diffusivity 0.01 * 707107^(4/3)
// = 629960 cm2/s -> 63 m2/s; diffusion time 0.5 * 1414.21^2 / 62.996 = 15874 s
// -> 264.6 -> 265 min; residence 9e8 / 331 / 86400 = 31.47 d -> 315 days.
INSTANTIATE_TEST_SUITE_P(
    Cases, ReportVariant,
    testing::Values(
        VariantRow{"TypedBayAreaAsTyped", Type(kArea, "500"), 5,
                   "    湾面積(km2)=500　平均水深(m)= 18　湾容積(km3)= 9 "},
        VariantRow{"TypedDepthCopiedToTheMouth", Type(BasicInput::MeanDepth, "9.50"), 6,
                   "    湾口部長さ(km)= 7　湾口部水深(m)=9.50　湾口部断面積(km2)= .0665 "},
        VariantRow{"SinglePrecisionMultiplier", InflowTempTimes(1.2f), 12,
                   "    流入水水温(×倍)= 1.2 　流入水水量(×倍)= 1 　　 (変更)流入負荷量(℃/秒)= "
                   "5958.00024 "},
        VariantRow{"MultipliedLoadPerVolume", InflowTempTimes(1.2f), 23,
                   "    流入負荷量÷湾容積（℃/m3/日)= .029 "},
        VariantRow{"ChangedSectionToFiveDecimals", Type(BasicInput::MouthLength, "7.1234"), 11,
                   "    湾口部断面積(×倍)= 1 　　 (変更)湾口部断面積(km2)= .12822 "},
        VariantRow{"DoubledSection", SectionTimes(2.0), 11,
                   "    湾口部断面積(×倍)= 2 　　 (変更)湾口部断面積(km2)= .252 "},
        VariantRow{"FiveTimesInflowVelocity", InflowTimes(5.0), 16,
                   "    平均流速(cm/秒)    = 1.31 "},
        VariantRow{"FiveTimesInflowKeepsCalculationTime", InflowTimes(5.0), 17,
                   "    計算時間（日)= 6294 "},
        VariantRow{"SmallBayDiffusivity", Type(kArea, "50"), 15, "    渦動拡散係数(m2/秒)= 63 "},
        VariantRow{"SmallBayCalculationTime", Type(kArea, "50"), 17, "    計算時間（日)= 315 "},
        VariantRow{"SmallBayTimeStep", Type(kArea, "50"), 18, "    ﾀｲﾑｽﾃｯﾌﾟ（分)= 265 "},
        VariantRow{"UnstableRunSaysSoInWords", Type(kArea, "20"), 26,
                   "    湾内平均水温(℃)=計算が不安定になったため求められません"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ReportFolder, EachCalculationReplacesThePreviousReportCompletely) {
    ReportAfter([](CaseRecord&) {});
    EXPECT_EQ(ReportAfter(Type(kArea, "500")).size(), kGolden.size() - 2);  // "500" for " 1000"
    EXPECT_EQ(ReportAfter([](CaseRecord&) {}), kGolden);
}

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

struct FailureRow {
    const char* Name;
    const char* Target;  // report path inside the folder
    rlim_t SizeLimit;    // 0: none
};

class ReportFailure : public ReportFolder, public testing::WithParamInterface<FailureRow> {};

TEST_P(ReportFailure, GivesTheReasonAndLeavesThePreviousReportAlone) {
    const fs::path target = Folder / GetParam().Target;
    ASSERT_EQ(WriteCodePage932File(Report.string(), {"previous"}), std::nullopt);
    fs::create_directory(Folder / "taken");
    fs::create_directory(Folder / "taken" / "inside");
    std::optional<std::string> reason;
    {
        std::optional<FileSizeLimit> limit;
        if (GetParam().SizeLimit != 0)
            limit.emplace(GetParam().SizeLimit);
        reason = WriteCodePage932File(target.string(), {std::string(400, 'x'), "line"});
    }
    ASSERT_TRUE(reason.has_value());
    EXPECT_FALSE(reason->empty());
    EXPECT_EQ(ReadFile(Report), "previous\r\n");
    EXPECT_TRUE(fs::is_directory(Folder / "taken" / "inside"));
    for (const auto& entry : fs::recursive_directory_iterator(Folder)) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos)
            << entry.path();
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, ReportFailure,
                         testing::Values(FailureRow{"FolderDoesNotExist",
                                                    "missing/Tidewell_OUT.txt", 0},
                                         FailureRow{"PathIsAFolder", "taken", 0},
                                         FailureRow{"DiskFull", "Tidewell_OUT.txt", 64}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ReportFolder, NewReportGetsTheUsualPermissions) {
    const mode_t saved = umask(022);
    EXPECT_EQ(WriteCodePage932File(Report.string(), {"x"}), std::nullopt);
    umask(saved);
    struct stat info {};
    ASSERT_EQ(stat(Report.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}

struct EncodingRow {
    const char* Name;
    const char* Utf8;
    const char* Bytes;
};

class CodePage932 : public testing::TestWithParam<EncodingRow> {};

TEST_P(CodePage932, EncodesTheReportsCharacters) {
    EXPECT_EQ(ToCodePage932(GetParam().Utf8), std::string(GetParam().Bytes));
}

INSTANTIATE_TEST_SUITE_P(Characters, CodePage932,
                         testing::Values(EncodingRow{"Ascii", "[=1.5 ]", "[=1.5 ]"},
                                         EncodingRow{"IdeographicSpace", "　", "\x81\x40"},
                                         EncodingRow{"DegreeCelsius", "℃", "\x81\x8E"},
                                         EncodingRow{"Times", "×", "\x81\x7E"},
                                         EncodingRow{"Divide", "÷", "\x81\x80"},
                                         EncodingRow{"FullWidthParenthesis", "（", "\x81\x69"},
                                         EncodingRow{"HalfWidthKatakana", "ﾀｲﾑｽﾃｯﾌﾟ",
                                                     "\xC0\xB2\xD1\xBD\xC3\xAF\xCC\xDF"},
                                         EncodingRow{"Kanji", "湾", "\x98\x70"},
                                         EncodingRow{"MicrosoftWaveDash", "～", "\x81\x60"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(CodePage932, HasNoCodeForCharactersOutsideThePage) {
    EXPECT_EQ(ToCodePage932("湾\xF0\x9F\x8C\x8A"), std::nullopt);  // an emoji
    EXPECT_EQ(ToCodePage932("\xFF"), std::nullopt);                // not UTF-8
}

}  // namespace
}  // namespace tidewell

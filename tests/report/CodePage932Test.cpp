// Conversion of report text to code page 932. The expected bytes are the
// code page's own codes, checked by hand against its table.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ReportTestSupport.h"
#include "report/CodePageFile.h"

namespace tidewell {
namespace {

struct EncodedRow {
    const char* Name;
    std::string Utf8;
    std::string Expected;
};

class CodePage932Encoding : public testing::TestWithParam<EncodedRow> {};

TEST_P(CodePage932Encoding, ConvertsTheCharacterToItsCode) {
    const EncodedRow& row = GetParam();
    const std::optional<std::string> encoded = ToCodePage932(row.Utf8);
    ASSERT_TRUE(encoded.has_value()) << row.Utf8;
    EXPECT_EQ(*encoded, row.Expected) << row.Utf8;
}

INSTANTIATE_TEST_SUITE_P(
    ReportCharacters, CodePage932Encoding,
    testing::Values(EncodedRow{"DegreeCelsius", "℃", "\x81\x8E"},
                    EncodedRow{"IdeographicSpace", "\u3000", "\x81\x40"},
                    EncodedRow{"HalfWidthKatakanaOneByteEach", "ﾀｲﾑｽﾃｯﾌﾟ",
                               "\xC0\xB2\xD1\xBD\xC3\xAF\xCC\xDF"},
                    EncodedRow{"FullWidthLeftParenthesis", "（", "\x81\x69"},
                    EncodedRow{"MultiplicationSign", "×", "\x81\x7E"},
                    EncodedRow{"DivisionSign", "÷", "\x81\x80"},
                    EncodedRow{"KanjiOfCalculation", "計算", "\x8C\x76\x8E\x5A"},
                    EncodedRow{"KanjiOfBay", "湾", "\x98\x70"},
                    EncodedRow{"KanjiOfDayAndMinute", "日分", "\x93\xFA\x95\xAA"},
                    EncodedRow{"TimeStepLabel", "ﾀｲﾑｽﾃｯﾌﾟ（分)=",
                               "\xC0\xB2\xD1\xBD\xC3\xAF\xCC\xDF\x81\x69\x95\xAA)="},
                    EncodedRow{"AsciiStaysOneByte", " Tidewell_Ver110 (km2)=[.] ",
                               " Tidewell_Ver110 (km2)=[.] "},
                    EncodedRow{"EmptyTextStaysEmpty", "", ""},
                    // The full-width tilde has a code in Microsoft's page only, not in
                    // plain Shift-JIS: a converter for the wrong page refuses it.
                    EncodedRow{"FullWidthTildeOfMicrosoftPage", "～", "\x81\x60"}),
    [](const testing::TestParamInfo<EncodedRow>& info) { return std::string(info.param.Name); });

struct UncodedRow {
    const char* Name;
    std::string Utf8;
};

class CodePage932Refusal : public testing::TestWithParam<UncodedRow> {};

TEST_P(CodePage932Refusal, GivesNoResultForTextWithoutACode) {
    EXPECT_EQ(ToCodePage932(GetParam().Utf8), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    CharactersOutsideThePage, CodePage932Refusal,
    testing::Values(UncodedRow{"Emoji", "\xF0\x9F\x98\x80"},
                    UncodedRow{"EmojiBetweenEncodableText", "湾\xF0\x9F\x98\x80 18"},
                    UncodedRow{"HangulSyllable", "\xED\x95\x9C"},
                    UncodedRow{"InvalidUtf8Byte", "18\xFF"}),
    [](const testing::TestParamInfo<UncodedRow>& info) { return std::string(info.param.Name); });

// The whole default report, typed in UTF-8, becomes the code page 932 golden
// file line for line.
TEST(CodePage932Report, ConvertsEveryDefaultReportLineToTheGoldenBytes) {
    const auto utf8 = test::ReadBytes(test::GoldenPath("default_report.utf8.txt"));
    const auto cp932 = test::ReadBytes(test::GoldenPath("default_report.txt"));
    ASSERT_TRUE(utf8 && cp932);
    const auto utf8Lines = test::SplitCrLfLines(*utf8);
    const auto cp932Lines = test::SplitCrLfLines(*cp932);
    ASSERT_TRUE(utf8Lines && cp932Lines);
    ASSERT_EQ(utf8Lines->size(), 26u);
    ASSERT_EQ(cp932Lines->size(), 26u);
    for (size_t i = 0; i < utf8Lines->size(); ++i) {
        EXPECT_EQ(ToCodePage932((*utf8Lines)[i]), (*cp932Lines)[i]) << "line " << i + 1;
    }
}

}  // namespace
}  // namespace tidewell

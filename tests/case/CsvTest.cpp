#include <gtest/gtest.h>

#include "case/Csv.h"

namespace tidewell {
namespace {

struct CsvCase {
    const char* Name;
    std::string_view Text;
    std::vector<CsvRecord> Records;
    int ErrorLine;  // 0: read whole
};

class ReadCsvTest : public testing::TestWithParam<CsvCase> {};

TEST_P(ReadCsvTest, ReadsRecordsOrNamesTheBadLine) {
    const CsvTable table = ReadCsv(GetParam().Text);
    EXPECT_EQ(table.ErrorLine, GetParam().ErrorLine);
    EXPECT_EQ(!table.Error, GetParam().ErrorLine == 0);
    if (GetParam().ErrorLine == 0) {
        EXPECT_EQ(table.Records, GetParam().Records);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadCsvTest,
    testing::Values(
        CsvCase{"Plain", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}, 0},
        CsvCase{"CrLfNoLastEndAndBom",
                "\xEF\xBB\xBF"
                "a,b\r\n1,\r\n\r\n3,4",
                {{"a", "b"}, {"1", ""}, {"3", "4"}},
                0},
        CsvCase{"Quoted",
                "\"x, \"\"y\"\"\",\"two\nlines\"\n,",
                {{"x, \"y\"", "two\nlines"}, {"", ""}},
                0},
        CsvCase{"EmptyQuoted", "\"\"\n", {{""}}, 0}, CsvCase{"Unclosed", "a\n\"b\n\n", {}, 2},
        CsvCase{"TextAfterQuote", "a\n\"b\"c\n", {}, 2},
        CsvCase{"QuoteInsideField", "ab\"c\n", {}, 1},
        CsvCase{"ErrorLineCountsBlankLines", "a\n\nb\"c\n", {}, 3},
        CsvCase{"LinesOfSpacesAreBlank", "a,b\n  \n1,2\n \r\n", {{"a", "b"}, {"1", "2"}}, 0},
        CsvCase{"QuotedSpacesAreAField", "\" \"\n", {{" "}}, 0},
        CsvCase{"ErrorAfterQuotedLineBreaks", "\"a\nb\"\nc\"\n", {}, 3}),
    [](const auto& info) { return std::string(info.param.Name); });

// A text without line ends cannot fill the memory: a record has a limit.
TEST(CsvReader, RefusesARecordLongerThanTheLimit) {
    const std::string text = "a\n" + std::string(kMaxCsvRecordBytes + 1, 'x');
    const CsvTable table = ReadCsv(text);
    ASSERT_TRUE(table.Error);
    EXPECT_EQ(table.Error->Id, MessageId::CsvRecordTooLong);
    EXPECT_EQ(table.ErrorLine, 2);
    EXPECT_FALSE(ReadCsv(std::string(kMaxCsvRecordBytes, 'x')).Error);
}

// Only what needs quotes gets them, and what is written reads back.
TEST(CsvField, QuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(CsvField("Tokyo Bay") + CsvField("湾") + CsvField(" 1000"), "Tokyo Bay湾\" 1000\"");
    const std::string written = CsvField("x, \"y\"\n") + "," + CsvField("a\nb") + "\n";
    EXPECT_EQ(written, "\"x, \"\"y\"\"\n\",\"a\nb\"\n");
    EXPECT_EQ(ReadCsv(written).Records, (std::vector<CsvRecord>{{"x, \"y\"\n", "a\nb"}}));
}

}  // namespace
}  // namespace tidewell

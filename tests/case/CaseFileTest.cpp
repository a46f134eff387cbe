#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "TestSupport.h"
#include "case/CaseFile.h"

namespace tidewell {
namespace {

namespace fs = std::filesystem;

const fs::path kExamplePath = fs::path(TIDEWELL_GOLDEN_DIR) / "example.tidewell";

// What tests/golden/example.tidewell holds.
CaseFile Example() {
    return {{" 2,000 ", "20.50", " 7", "1D1", " 15", "331"}, {"0.5", std::nullopt, "5.0"}};
}

// The example with `From` replaced by `To` (the whole text when `From` is
// empty), and the problem it is refused for (empty: it reads as the example).
struct ParseRow {
    const char* Name;
    std::string From;
    std::string To;
    std::string Problem;
};

class CaseFileParsing : public testing::TestWithParam<ParseRow> {};

TEST_P(CaseFileParsing, RefusesTheWholeFileForItsFirstProblem) {
    std::string text = test::ReadFile(kExamplePath);
    const ParseRow& row = GetParam();
    if (row.From.empty()) {
        text = row.To;
    } else {
        ASSERT_NE(text.find(row.From), std::string::npos);
        text.replace(text.find(row.From), row.From.size(), row.To);
    }
    const CaseFileParse parse = ParseCaseFile(text);
    EXPECT_EQ(parse.Problem.Prompt(), row.Problem);
    EXPECT_EQ(parse.Case, row.Problem.empty() ? std::optional(Example()) : std::nullopt);
}

const std::string kNotJson = "JSON として読めません";
const std::string kNotCaseFile = "Tidewell のケースファイルではありません";

INSTANTIATE_TEST_SUITE_P(
    Texts, CaseFileParsing,
    testing::Values(
        ParseRow{"CompactInAnyOrder", "",
                 R"({"inflow-factor":"5.0","version":1,"format":"tidewell-case",)"
                 R"("bay-area":" 2,000 ","mean-depth":"20.50","mouth-length":" 7",)"
                 R"("sea-temp":"1D1","inflow-temp":" 15","inflow-rate":"331",)"
                 R"("section-factor":"0.5","inflow-temp-factor":null})",
                 ""},
        ParseRow{"Empty", "", "", kNotJson},
        ParseRow{"OtherFormat", "tidewell-case", "tidewell-report", kNotCaseFile},
        ParseRow{"RepeatedKey", "\"version\": 1,", "\"version\": 1, \"bay-area\": \"1\",",
                 "キー「bay-area」が二度あります"},
        ParseRow{"UnknownVersion", "\"version\": 1", "\"version\": 2",
                 "版 2 のケースファイルには対応していません"},
        ParseRow{"NoEntry", "\"inflow-temp-factor\": null,", "",
                 "キー「inflow-temp-factor」がありません"},
        ParseRow{"EntryTheListLacks", "\"0.5\"", "\"5.0\"",
                 "「section-factor」の「5.0」は一覧にありません"},
        ParseRow{"EntriesAsOtherNumberTextsReadAsTheEntries", "\"0.5\"", "\".50\"", ""},
        ParseRow{"EntryWithASignAndLeadingZero", "\"inflow-factor\": \"5.0\"",
                 "\"inflow-factor\": \"+05\"", ""},
        ParseRow{"EntryThatIsNoNumber", "\"0.5\"", "\"0.5x\"",
                 "「section-factor」の「0.5x」は一覧にありません"},
        ParseRow{"UnknownKey", "\"version\": 1,", "\"version\": 1, \"comment\": \"\",",
                 "知らないキー「comment」があります"},
        ParseRow{"BracketsInAStringAreText", "\"version\": 1,",
                 R"("version": 1, "comment": "[[[[[[[[[\"{{{{{{{{{",)",
                 "知らないキー「comment」があります"},
        ParseRow{"NestingDeeperThanAnyCase", "",
                 "{\"a\":" + std::string(80000, '[') + std::string(80000, ']') + ",\"b\":0}",
                 "入れ子が深すぎます"}),
    [](const auto& info) { return std::string(info.param.Name); });

class CaseFileOnDisk : public testing::Test {
  protected:
    bool OnlyFileIs(const fs::path& path) const {
        return fs::exists(path) &&
               ++fs::directory_iterator(Folder.Path()) == fs::directory_iterator();
    }
    test::TemporaryFolder Folder;
    const std::string Path = (Folder.Path() / "bay.tidewell").string();
};

TEST_F(CaseFileOnDisk, ARefusalNamesTheFileAndTheProblem) {
    { std::ofstream(Path) << R"({"format": "tidewell-case", "version": 7})"; }
    const CaseFileRead read = ReadCaseFile(Path);
    EXPECT_FALSE(read.Case);
    EXPECT_EQ(read.Refusal->Title(), "ケースを開けません");
    EXPECT_EQ(
        read.Refusal->Prompt(),
        "ケースファイル「" + Path + "」を開けません。\r版 7 のケースファイルには対応していません");
    EXPECT_NE(ReadCaseFile(Path + ".missing").Refusal->Prompt().find(Path + ".missing"),
              std::string::npos);
    { std::ofstream(Path) << std::string(2 << 20, ' ') << test::ReadFile(kExamplePath); }
    EXPECT_NE(ReadCaseFile(Path).Refusal->Prompt().find("ファイルが大きすぎます"),
              std::string::npos);
}

TEST_F(CaseFileOnDisk, AFailedWriteLeavesWhatWasThereAndNothingElse) {
    fs::create_directory(Path);  // a file cannot replace a folder
    const auto failure = WriteCaseFile(Path, Example());
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->Title(), "ケースの保存エラー");
    EXPECT_NE(failure->Prompt().find(Path), std::string::npos);
    EXPECT_TRUE(fs::is_directory(Path));
    EXPECT_TRUE(OnlyFileIs(Path));
}

}  // namespace
}  // namespace tidewell

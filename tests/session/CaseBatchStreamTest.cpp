#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "TestSupport.h"
#include "session/CaseBatch.h"
#include "session/CaseBatchStream.h"

namespace tidewell {
namespace {

using test::ReadFile;
using test::TemporaryFolder;
using test::WriteFile;
using namespace std::string_literals;

std::set<std::string> FilesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// Run two rows at a time, a table gives the bytes and the reports that the
// whole table run at once gives: blank lines skipped, a name that breaks
// UTF-8 refused and written cleaned, report names unique across the pieces
// (row 3 finds rowN.txt taken by a name in the piece before).
TEST(StreamCaseBatch, InPiecesWritesWhatTheWholeTableWrites) {
    const std::string text =
        "name,bay-area\n"
        "row3,500\n"
        "\n"
        "   \n"
        "bad\xff\xc0\x80name,600\n"
        ",\n"
        "\"nul\0x\",700\n"
        "tiny,20\n"
        ",800\n"s;
    TemporaryFolder folder;
    WriteFile(folder.Path() / "t.csv", text);
    std::filesystem::create_directory(folder.Path() / "streamed");
    std::filesystem::create_directory(folder.Path() / "whole");

    std::string streamed;
    const session::StreamedBatch result = session::StreamCaseBatch(
        (folder.Path() / "t.csv").string(), (folder.Path() / "streamed").string(),
        [&](std::string_view piece) {
            streamed += piece;
            return true;
        },
        {}, 0, 2);
    const session::CaseBatchRead read = session::ParseCaseBatch(text);
    ASSERT_TRUE(read.Batch);
    const std::string whole = session::CaseBatchCsv(
        *read.Batch, session::RunCaseBatch(*read.Batch, (folder.Path() / "whole").string()));

    EXPECT_FALSE(result.Problem);
    EXPECT_EQ(result.Rows, 6u);
    EXPECT_FALSE(result.AllResults);
    EXPECT_EQ(streamed, whole);
    EXPECT_TRUE(session::IsCleanUtf8(streamed));
    EXPECT_NE(streamed.find("\nbad\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBDname,600,"),
              std::string::npos)
        << streamed;
    EXPECT_NE(streamed.find("入力できない文字: 列「name」に"), std::string::npos);
    EXPECT_EQ(FilesIn(folder.Path() / "streamed"),
              (std::set<std::string>{"row3.txt", "row3-2.txt", "row6.txt"}));
    EXPECT_EQ(ReadFile(folder.Path() / "streamed/row3-2.txt"),
              ReadFile(folder.Path() / "whole/row3-2.txt"));
}

struct TableProblem {
    const char* Name;
    std::string_view Text;
    const char* Prompt;  // after "FILE: "
};

class TableProblems : public testing::TestWithParam<TableProblem> {};

// A table that cannot be used is refused before any row runs or any byte is
// written, saying where: the data row and the file line.
TEST_P(TableProblems, AreFoundBeforeAnythingIsWritten) {
    TemporaryFolder folder;
    const std::string path = (folder.Path() / "t.csv").string();
    WriteFile(path, std::string(GetParam().Text));
    bool written = false;
    const session::StreamedBatch result = session::StreamCaseBatch(path, "", [&](std::string_view) {
        written = true;
        return true;
    });
    ASSERT_TRUE(result.Problem);
    EXPECT_EQ(result.Problem->Title(), "一括計算の表を使えません");
    EXPECT_EQ(result.Problem->Prompt(), path + ": " + GetParam().Prompt);
    EXPECT_FALSE(written);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, TableProblems,
    testing::Values(
        TableProblem{"CellCount", "bay-area\n1000\n\n\"2\n000\"\n3,4\n",
                     "データ3行目（ファイル6行目）のセルが2個あります。見出しは1個です"},
        TableProblem{"LateCsvError", "bay-area\n1000\n\"x\n",
                     "データ2行目（ファイル3行目）: 引用符が閉じていません"},
        TableProblem{"CsvErrorAfterQuotedLines", "bay-area\n\n\"1\n000\"\n2\"x\n",
                     "データ2行目（ファイル5行目）: 引用符の位置が正しくありません"},
        TableProblem{"HeaderCsvError", "\"bay-area\"x\n1000\n",
                     "見出し行（ファイル1行目）: 引用符の後に文字があります"},
        TableProblem{"Empty", "\n  \n", "列名を並べた見出し行がありません"},
        TableProblem{"UnknownColumn", "name,depth\n", "列「depth」は入力項目の名前ではありません"},
        TableProblem{"Twice", "name,name\n", "列「name」が2回あります"}),
    [](const auto& info) { return std::string(info.param.Name); });

// A table handed over as rows (a data frame's) has no file lines: its rows
// are named by data row alone.
TEST(CheckCaseBatch, NamesARowWithAnotherCellCountByItsDataRow) {
    const session::CaseBatchRead read =
        session::CheckCaseBatch({{"bay-area"}, {{"500"}, {"600", "7"}}});
    ASSERT_TRUE(read.Problem);
    EXPECT_EQ(read.Problem->Prompt(), "データ2行目のセルが2個あります。見出しは1個です");
}

// A list entry given as another text of its number runs as that entry and
// is written as it; a text that names no entry is written as given.
TEST(CaseBatchCsv, WritesAListEntryAsTheEntryItPicked) {
    const session::CaseBatchRead read = session::ParseCaseBatch("inflow-factor\n05\n5x\n");
    ASSERT_TRUE(read.Batch);
    const std::string csv =
        session::CaseBatchCsv(*read.Batch, session::RunCaseBatch(*read.Batch, ""));
    EXPECT_NE(csv.find("\n,5.0,\" 125.9\","), std::string::npos) << csv;
    EXPECT_NE(csv.find("\n,5x,,"), std::string::npos) << csv;
}

}  // namespace
}  // namespace tidewell

#include <gtest/gtest.h>

#include "session/OutputName.h"

namespace tidewell::session {
namespace {

struct NamingRow {
    const char* Name;
    std::string CasePath;
    SavedOutput Output;
    std::string Proposed;
};

class ProposedName : public testing::TestWithParam<NamingRow> {};

TEST_P(ProposedName, FollowsTheCaseFile) {
    EXPECT_EQ(ProposedOutputPath(GetParam().CasePath, GetParam().Output), GetParam().Proposed);
}

using enum SavedOutput;

INSTANTIATE_TEST_SUITE_P(
    Outputs, ProposedName,
    testing::Values(
        NamingRow{"SeriesCsvBesideTheCase", "/some/dir/bay.json", SeriesCsv,
                  "/some/dir/bay-series.csv"},
        NamingRow{"SweepCsv", "/some/dir/bay.tidewell", SweepCsv, "/some/dir/bay-sweep.csv"},
        NamingRow{"UncertaintyImage", "/some/dir/bay.tidewell", UncertaintyImage,
                  "/some/dir/bay-uncertainty.png"},
        NamingRow{"SamplesCsv", "/some/dir/bay.tidewell", SamplesCsv, "/some/dir/bay-samples.csv"},
        NamingRow{"CaseWithoutExtension", "/some/dir/bay", SeriesCsv, "/some/dir/bay-series.csv"},
        NamingRow{"OnlyTheLastExtensionGoes", "/d/tokyo.bay.2024.tidewell", SweepCsv,
                  "/d/tokyo.bay.2024-sweep.csv"},
        NamingRow{"DottedFolderKeepsItsDot", "/d/v1.2/bay", SeriesImage, "/d/v1.2/bay.png"},
        NamingRow{"HiddenCaseKeepsItsName", "/d/.bay", SamplesCsv, "/d/.bay-samples.csv"},
        NamingRow{"RelativeCase", "bay.tidewell", SweepCsv, "bay-sweep.csv"},
        NamingRow{"UntitledSeriesCsvHasNoName", "", SeriesCsv, ""},
        NamingRow{"UntitledSweepCsv", "", SweepCsv, "tidewell-sweep.csv"},
        NamingRow{"UntitledSamplesCsv", "", SamplesCsv, "tidewell-samples.csv"},
        NamingRow{"UntitledUncertaintyImage", "", UncertaintyImage, "tidewell-uncertainty.png"}),
    [](const testing::TestParamInfo<NamingRow>& row) { return std::string(row.param.Name); });

}  // namespace
}  // namespace tidewell::session

// Thousands of seeded random user actions; after each one every field must
// agree with the case record it shows.
#include <random>

#include "ModelFixture.h"
#include "case/CaseIndices.h"
#include "case/DecimalRounding.h"
#include "case/NumberText.h"
#include "case/NumericText.h"

namespace tidewell {
namespace {

constexpr int kEditable[] = {1, 2, 4, 7, 8, 9};
const char* const kPastes[] = {"",    "20", "1e5",   "-3", "0.5", "1,000", "abc",   "1e400",
                               " 7 ", "0",  "2.5E1", ".",  "1d2", "30",    "18.50", "1e-320"};
const char kKeys[] = "0123456789.-e, a";

const BasicValue& Shown(const CaseRecord& c, int field) {
    switch (field) {
        case 1:
            return c.BayArea;
        case 2:
            return c.MeanDepth;
        case 4:
            return c.MouthLength;
        case 7:
            return c.SeaTemp;
        case 8:
            return c.InflowTemp;
        default:
            return c.InflowRate;
    }
}

class RandomEdits : public StartedModel {
  protected:
    void CheckFieldsAgreeWithTheRecord(int action) {
        SCOPED_TRACE(testing::Message() << "after action " << action);
        const CaseRecord& c = Model.Record();
        const auto shows = [&](int field, double value, int decimals) {
            EXPECT_EQ(Model.FieldText(field), DisplayText(RoundDecimals(value, decimals)))
                << "Text" << field;
        };
        EXPECT_EQ(Model.FieldText(3), DisplayText(c.BayVolume));
        EXPECT_EQ(Model.FieldText(5), DisplayText(c.MouthDepth.Value()));
        EXPECT_EQ(Model.FieldText(6), DisplayText(c.MouthSection));
        EXPECT_EQ(Model.FieldText(10), DisplayText(c.InflowLoad));
        shows(11, ChangedSection(c), 5);
        shows(13, ResidenceTime(c), 1);
        shows(14, Closedness(c), 2);
        shows(15, LoadPerVolume(c), 3);
        // the changed load's rounding depends on what wrote it last
        const std::string load = Model.FieldText(12);
        EXPECT_TRUE(load == DisplayText(RoundDecimals(ChangedLoad(c), 5)) ||
                    load == DisplayText(RoundDecimals(ChangedLoad(c), 3)) ||
                    load == DisplayText(ChangedLoad(c)))
            << load;
        for (int field : kEditable) {
            if (ShowsRefusedText[field])
                continue;
            EXPECT_EQ(NumericValue(Model.FieldText(field)), Shown(c, field).Value())
                << "Text" << field;
        }
    }

    void Write(int field, const std::string& text) {
        const size_t before = Messages.Shown.size();
        const bool changes = Model.FieldText(field) != text;
        Model.SetFieldText(field, text);
        if (changes)
            ShowsRefusedText[field] = Messages.Shown.size() != before;
    }

    std::array<bool, kFieldCount + 1> ShowsRefusedText{};
};

TEST_F(RandomEdits, KeepEveryFieldInAgreementWithTheRecord) {
    MainModel fresh(Messages);
    fresh.FormLoad();
    const Snapshot startUp = SnapshotOf(fresh);
    // Long runs are cancelled so that the sequence stays quick.
    Model.SetRunProgress([](std::int64_t done, std::int64_t) { return done < 20000; });

    std::mt19937 random(42);
    const auto below = [&](size_t n) { return static_cast<size_t>(random() % n); };
    for (int action = 0; action < 4000; ++action) {
        const int field = kEditable[below(6)];
        const std::string text = Model.FieldText(field);
        switch (below(20)) {
            case 0:
                Model.Command1_Click();
                break;
            case 1:
                Model.Command3_Click();
                ShowsRefusedText = {};
                for (int f = 1; f <= kFieldCount; ++f)
                    EXPECT_EQ(Model.FieldText(f), startUp.Texts[f]);
                break;
            case 2:
            case 3: {
                const int list = static_cast<int>(below(3)) + 1;
                Model.SelectListEntry(list,
                                      static_cast<int>(below(Model.List(list).Entries.size())));
                break;
            }
            case 4:
            case 5:
                Write(field, kPastes[below(std::size(kPastes))]);
                break;
            case 6:
            case 7:
                Write(field, text.empty() ? text : text.substr(0, text.size() - 1));
                break;
            default:
                Write(field, text + kKeys[below(sizeof kKeys - 1)]);
                break;
        }
        CheckFieldsAgreeWithTheRecord(action);
        if (HasFailure())
            break;
    }
}

}  // namespace
}  // namespace tidewell

#include "CaseInput.h"

#include <array>
#include <cmath>

#include "CaseIndices.h"
#include "Multipliers.h"
#include "NumericText.h"

namespace tidewell {

// Indexed by BasicInput.
const Message& RefusalOf(BasicInput input) {
    static const std::array<Message, kBasicInputs.size()> kRefusals{{
        {MessageId::BayAreaLimit, {}},
        {MessageId::DepthLimit, {}},
        {MessageId::MouthLengthLimit, {}},
        {MessageId::SeaTempNotNumber, {}},
        {MessageId::InflowTempNotNumber, {}},
        {MessageId::InflowRateLimit, {}},
    }};
    return kRefusals[static_cast<size_t>(input)];
}

namespace {

bool InRange(const InputInfo& info, double leading) {
    if (!std::isfinite(leading))
        return false;
    return info.LimitAccepted ? leading >= info.Limit : leading > info.Limit;
}

bool AllFinite(std::initializer_list<double> values) {
    for (double v : values) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

// Everything shown or computed from the record stays finite for this set of
// multipliers, including the products of the rounding and of the model's units.
bool QuantitiesFinite(const CaseRecord& c) {
    const double effectiveInflow = c.InflowFactor * c.InflowRate.Value();
    const double inflowConc = static_cast<double>(c.InflowTempFactor) * c.InflowTemp.Value();
    return AllFinite({
        c.BayVolume,
        static_cast<double>(c.MouthSection),
        c.InflowLoad,
        ChangedSection(c) * 1e5,
        ChangedLoad(c) * 1e5,
        ResidenceTime(c) * 10,
        Closedness(c) * 100,
        LoadPerVolume(c) * 1000,
        c.VolumeFactor * (1e9 * c.BayVolume),
        1e6 * c.BayArea.Value(),
        c.SectionFactor * (static_cast<double>(c.MouthSection) * 1e6),
        86.4 * (effectiveInflow * inflowConc),
    });
}

// Checks the current multipliers and every extreme the lists offer: each
// quantity is monotonic in each multiplier, so the corners bound all picks.
bool QuantitiesFiniteForAnyMultiplier(const CaseRecord& record) {
    const MultiplierBounds section = BoundsOf(ListEntries(MultiplierList::SectionFactor));
    const MultiplierBounds inflow = BoundsOf(ListEntries(MultiplierList::InflowFactor));
    const MultiplierBounds temp = BoundsOf(ListEntries(MultiplierList::InflowTempFactor));
    if (!QuantitiesFinite(record))
        return false;
    CaseRecord corner = record;
    for (double sectionFactor : {section.Smallest, section.Largest}) {
        for (double inflowFactor : {inflow.Smallest, inflow.Largest}) {
            for (double tempFactor : {temp.Smallest, temp.Largest}) {
                corner.SectionFactor = sectionFactor;
                corner.InflowFactor = inflowFactor;
                corner.InflowTempFactor = static_cast<float>(tempFactor);
                if (!QuantitiesFinite(corner))
                    return false;
            }
        }
    }
    return true;
}

}  // namespace

std::optional<Message> CheckInput(const CaseRecord& record, BasicInput input,
                                  std::string_view text) {
    if (!IsNumericText(text) || !InRange(InfoOf(input), LeadingNumber(text)) ||
        !NumericValue(text)) {
        return RefusalOf(input);
    }
    CaseRecord candidate = record;
    ApplyInput(candidate, input, std::string(text));
    // The text itself is fine; what it leads to is not, and the field's own
    // limit would name the wrong reason.
    if (!QuantitiesFiniteForAnyMultiplier(candidate))
        return Message{MessageId::DerivedTooLarge,
                       {MessageArg::TitleOf(RefusalOf(input)), Message{InfoOf(input).Caption, {}}}};
    return std::nullopt;
}

const BasicValue& ValueOf(const CaseRecord& record, BasicInput input) {
    switch (input) {
        case BasicInput::BayArea:
            return record.BayArea;
        case BasicInput::MeanDepth:
            return record.MeanDepth;
        case BasicInput::MouthLength:
            return record.MouthLength;
        case BasicInput::SeaTemp:
            return record.SeaTemp;
        case BasicInput::InflowTemp:
            return record.InflowTemp;
        case BasicInput::InflowRate:
            break;
    }
    return record.InflowRate;
}

void ApplyInput(CaseRecord& c, BasicInput input, std::string text) {
    const double value = NumericValue(text).value_or(0.0);
    BasicValue stored(std::move(text), value);
    switch (input) {
        case BasicInput::BayArea:
            c.BayArea = std::move(stored);
            c.BayVolume = BayVolumeOf(c.BayArea.Value(), c.MeanDepth.Value());
            break;
        case BasicInput::MeanDepth:
            c.MeanDepth = std::move(stored);
            c.BayVolume = BayVolumeOf(c.BayArea.Value(), c.MeanDepth.Value());
            c.MouthDepth = c.MeanDepth;
            c.MouthSection = MouthSectionOf(c.MouthLength.Value(), c.MouthDepth.Value());
            break;
        case BasicInput::MouthLength:
            c.MouthLength = std::move(stored);
            c.MouthSection = MouthSectionOf(c.MouthLength.Value(), c.MouthDepth.Value());
            break;
        case BasicInput::SeaTemp:
            c.SeaTemp = std::move(stored);
            c.BayStartTemp = c.SeaTemp;
            break;
        case BasicInput::InflowTemp:
            c.InflowTemp = std::move(stored);
            c.InflowLoad = InflowLoadOf(c.InflowRate.Value(), c.InflowTemp.Value());
            break;
        case BasicInput::InflowRate:
            c.InflowRate = std::move(stored);
            c.InflowLoad = InflowLoadOf(c.InflowRate.Value(), c.InflowTemp.Value());
            break;
    }
}

}  // namespace tidewell

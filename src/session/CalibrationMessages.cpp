#include "CalibrationMessages.h"

#include "case/NumberText.h"

namespace tidewell::session {
namespace {

// Seven significant digits, without the sign blank: enough to locate a value.
std::string Short(double value) {
    const std::string text = DisplayText(static_cast<float>(value));
    return text.front() == ' ' ? text.substr(1) : text;
}

}  // namespace

Message CalibrationMessages::OutOfReach(double target, double lowestMean,
                                        double highestMean) const {
    return {
        MessageId::CalibrationOutOfReach,
        {Short(target), Caption, Short(Low), Short(High), Short(lowestMean), Short(highestMean)}};
}

Message CalibrationMessages::FitAtEnd(double x, double lowestMean, double highestMean) const {
    return {MessageId::CalibrationFitAtEnd,
            {Caption, Short(Low), Short(High), Short(x), Short(lowestMean), Short(highestMean)}};
}

Message CalibrationMessages::Unchanging(double lowestMean, double highestMean) const {
    return {MessageId::CalibrationUnchanging,
            {Caption, Short(Low), Short(High), Short(lowestMean), Short(highestMean)}};
}

Message CalibrationMessages::Several(const std::vector<double>& near) const {
    std::string places;
    for (double x : near)
        places += (places.empty() ? "" : "、") + Short(x);
    return {MessageId::CalibrationSeveral, {Caption, places}};
}

Message CalibrationMessages::Failed(double x, const std::optional<Message>& why) const {
    if (!why)
        return {MessageId::CalibrationFailed, {Caption, Short(x)}};
    return {MessageId::CalibrationFailedBecause,
            {Caption, Short(x), MessageArg::TitleOf(*why), *why}};
}

Message CalibrationMessages::Jump(double x, double target) const {
    return {MessageId::CalibrationJump, {Caption, Short(x), Short(target)}};
}

}  // namespace tidewell::session

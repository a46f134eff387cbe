#include "CalibrationMessages.h"

#include "case/NumberText.h"

namespace tidewell::session {
namespace {

const std::string kNoAnswer = "逆算できません";
const std::string kNotUnique = "逆算の答えが一つに決まりません";

// Seven significant digits, without the sign blank: enough to locate a value.
std::string Short(double value) {
    const std::string text = DisplayText(static_cast<float>(value));
    return text.front() == ' ' ? text.substr(1) : text;
}

}  // namespace

Message CalibrationMessages::OutOfReach(double target, double lowestMean,
                                        double highestMean) const {
    return {kNoAnswer, "目標の湾内平均水温 " + Short(target) + "(℃) は、" + Caption + "を " +
                           Short(Low) + " から " + Short(High) + " まで変えて得られる範囲 " +
                           Short(lowestMean) + " ～ " + Short(highestMean) + "(℃) の外にあります"};
}

Message CalibrationMessages::FitAtEnd(double x, double lowestMean, double highestMean) const {
    return {kNoAnswer, "観測水温に最も近いのは" + Caption + "の範囲 " + Short(Low) + " ～ " +
                           Short(High) + " の端 " + Short(x) +
                           " です。\rこの範囲の湾内平均水温は " + Short(lowestMean) + " ～ " +
                           Short(highestMean) + "(℃) です"};
}

Message CalibrationMessages::Unchanging(double lowestMean, double highestMean) const {
    return {kNotUnique, Caption + "を " + Short(Low) + " から " + Short(High) +
                            " まで変えても湾内平均水温は " + Short(lowestMean) + " ～ " +
                            Short(highestMean) + "(℃) でほとんど変わりません"};
}

Message CalibrationMessages::Several(const std::vector<double>& near) const {
    std::string places;
    for (double x : near)
        places += (places.empty() ? "" : "、") + Short(x);
    return {kNotUnique, "目標に合う" + Caption + "が複数あります（" + places + " 付近）"};
}

Message CalibrationMessages::Failed(double x, const Message& why) const {
    std::string prompt = Caption + "が " + Short(x) + " のとき計算結果が得られません";
    if (!why.Title.empty())
        prompt += "\r" + why.Title + ": " + why.Prompt;
    return {kNoAnswer, prompt};
}

Message CalibrationMessages::Jump(double x, double target) const {
    return {kNoAnswer, "湾内平均水温は" + Caption + "が " + Short(x) + " 付近で目標 " +
                           Short(target) + "(℃) を跳び越えます"};
}

}  // namespace tidewell::session

// Feeds arbitrary bytes to the number readers, the number text forms and the
// six input fields of the window's model. The first byte picks the field.
#include <locale.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "FuzzRequire.h"
#include "case/MessageLog.h"
#include "case/NumberText.h"
#include "case/NumericText.h"
#include "model/MainModel.h"
#include "report/CodePageFile.h"
#include "report/ReportLines.h"

namespace {

using namespace tidewell;

// Any finite number's display text reads back as a number close to it.
void CheckNumberText(double value) {
    if (!std::isfinite(value))
        return;
    const std::string text = DisplayText(value);
    Require(IsNumericText(text), "display text is numeric");
    const std::optional<double> back = NumericValue(text);
    if (!back) {  // 15 digits of the largest doubles round past the double range
        Require(std::fabs(value) > 1.7976931348623e308, "display text reads back");
        return;
    }
    Require(std::fabs(*back - value) <= 1e-14 * std::fabs(value), "display text keeps 15 digits");
}

// A text of the C library's own number syntax reads as strtod reads it in
// the C locale.
void CheckAgainstStrtod(const std::string& text) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    if (text.empty() || text.find_first_not_of("0123456789.eE+-") != std::string::npos)
        return;
    char* end = nullptr;
    const double expected = strtod_l(text.c_str(), &end, cLocale);
    if (end != text.c_str() + text.size())
        return;
    Require(LeadingNumber(text) == expected, "leading number reads as strtod");
    if (std::isfinite(expected))
        Require(NumericValue(text) == expected, "numeric value reads as strtod");
}

bool IsDisplayForm(const std::string& text) {
    return IsNumericText(text) && std::isfinite(*NumericValue(text)) &&
           (text[0] == ' ' || text[0] == '-');
}

void CheckField(int field, const std::string& text) {
    static MessageLog messages;
    static model::MainModel model = [] {
        model::MainModel started(messages, "/dev/null");
        started.FormLoad();
        return started;
    }();
    model.Command3_Click();  // every input starts from the default case
    const CaseRecord before = model.Record();
    std::array<std::string, model::kFieldCount + 1> texts;
    for (int f = 1; f <= model::kFieldCount; ++f)
        texts[f] = model.FieldText(f);
    messages.Shown.clear();  // the model outlives one input
    model.SetFieldText(field, text);
    if (!messages.Shown.empty()) {  // refused: nothing but the field's own text changed
        texts[field] = model.FieldText(field);
        for (int f = 1; f <= model::kFieldCount; ++f)
            Require(model.FieldText(f) == texts[f], "a refused text leaves the fields");
        Require(model.Record() == before, "a refused text leaves the record");
        return;
    }
    for (int f = 1; f <= model::kFieldCount; ++f) {
        if (!model::IsEditable(*model::FieldNumbered(f)))
            Require(IsDisplayForm(model.FieldText(f)), "derived fields are finite numbers");
    }
    // The report can carry every accepted text, unchanged.
    for (const std::string& line : report::ConditionLines(model.Record(), engine::ModelState{}))
        Require(report::ToCodePage932(line).has_value(), "report line encodes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    IsNumericText(text);
    LeadingNumber(text);
    CheckAgainstStrtod(text);
    if (const auto value = NumericValue(text))
        CheckNumberText(*value);
    if (size >= 9) {
        double raw;
        std::memcpy(&raw, data + 1, sizeof raw);
        CheckNumberText(raw);
    }
    static constexpr int kEditable[] = {1, 2, 4, 7, 8, 9};
    CheckField(kEditable[data[0] % 6], text);
    return 0;
}

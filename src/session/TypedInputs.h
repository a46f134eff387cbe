#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "case/BasicInput.h"
#include "case/MessageLog.h"
#include "case/Multipliers.h"
#include "model/MainModel.h"

// What a user types into the input fields and picks in the lists, and its
// application to a model exactly as a user would do it by hand. The command
// line, a row of a batch table and a case file all go through here.
namespace tidewell::session {

// One thing the user does: a text typed whole into an input's field, or an
// entry picked from a list.
struct InputStep {
    std::variant<BasicInput, MultiplierList> Input;
    std::string Text;
};

struct TypedInputs {
    std::map<BasicInput, std::string> Texts;      // applied in field order
    std::map<MultiplierList, std::string> Picks;  // then in list order

    // Sets the input by its name ("bay-area", ..., "inflow-factor"); false
    // for a name that is no input.
    bool Set(std::string_view name, std::string value);
    bool Empty() const { return Texts.empty() && Picks.empty(); }
    std::vector<InputStep> Steps() const;
};

// Every input name, the basic conditions in field order, then the lists.
std::vector<std::string_view> InputNames();

// What stopped the steps: the input, its text and, for a typed text, the
// field's refusal (empty for an entry the list does not hold).
struct InputRefusal {
    InputStep Step;
    std::optional<Message> FieldRefusal;

    std::string_view Name() const;
};

// Takes the steps in order, stopping at the first one refused. A text is
// typed even when its field shows it already, so that the field's handler
// runs and the case holds the text as typed. `log` must be the model's
// message sink.
std::optional<InputRefusal> EnterInputs(model::MainModel& model, const MessageLog& log,
                                        const std::vector<InputStep>& steps);

// The input that was refused and the message that said so.
struct NamedRefusal {
    std::string Name;
    Message Said;
};

// EnterInputs for the command line, a batch row and the Python module: an
// entry the list does not hold is refused with a message that `log` is shown.
// Empty when all were taken; otherwise the refused input and its message.
std::optional<NamedRefusal> ApplyNamedInputs(model::MainModel& model, MessageLog& log,
                                             const TypedInputs& inputs);
// The same, giving only the message.
std::optional<Message> ApplyInputs(model::MainModel& model, MessageLog& log,
                                   const TypedInputs& inputs);

}  // namespace tidewell::session

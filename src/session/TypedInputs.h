#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "case/Message.h"
#include "case/Multipliers.h"
#include "model/FieldTable.h"
#include "model/MainModel.h"

// What a user types into the input fields and picks in the lists, given by
// the command line or a row of a batch file, and its application to a model
// exactly as a user would do it by hand.
namespace tidewell::session {

// Keeps every message shown, and passes it on to `echo` when there is one.
// Runs whatever it is asked to run, however long.
class MessageLog : public MessageSink {
  public:
    explicit MessageLog(MessageSink* echo = nullptr) : Echo(echo) {}
    void Show(const Message& message) override {
        Shown.push_back(message);
        if (Echo != nullptr)
            Echo->Show(message);
    }
    bool Ask(const Message&) override { return true; }
    std::vector<Message> Shown;

  private:
    MessageSink* Echo;
};

struct TypedInputs {
    std::map<model::Field, std::string> Texts;    // applied in field order
    std::map<MultiplierList, std::string> Picks;  // then in list order

    // Sets the input named as on the command line ("bay-area", ...,
    // "inflow-factor"); false for a name that is no input.
    bool Set(std::string_view name, std::string value);
};

// Every input name, fields in field order, then the lists.
std::vector<std::string_view> InputNames();

// Types each text whole into its field, then picks each entry, stopping at
// the first one refused. Empty when all were taken; otherwise the message of
// the refusal, which `log` has been shown (the model must show its messages
// through `log`).
std::optional<Message> ApplyInputs(model::MainModel& model, MessageLog& log,
                                   const TypedInputs& inputs);

}  // namespace tidewell::session

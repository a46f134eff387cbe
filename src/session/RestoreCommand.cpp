#include "RestoreCommand.h"

#include "CaseFileCommands.h"
#include "SavedCase.h"
#include "case/MessageLog.h"

namespace tidewell::session {

CaseFile DefaultCaseFile() {
    MessageLog unused;
    model::MainModel fresh(unused);
    fresh.FormLoad();
    return CaseOfModel(fresh);
}

bool DiffersFromDefault(const model::MainModel& model) {
    SavedCase untitled;
    untitled.Remember({}, DefaultCaseFile());
    return untitled.HasUnsavedChanges(CaseOfModel(model));
}

Message RestoreQuestion() {
    return {MessageId::RestoreQuestion, {}};
}

bool RestoreDefaults(model::MainModel& model, MessageSink& messages) {
    if (model.Running())
        return false;
    if (DiffersFromDefault(model) && !messages.Ask(RestoreQuestion()))
        return false;
    model.Command3_Click();
    return true;
}

}  // namespace tidewell::session

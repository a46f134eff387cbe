#pragma once

#include "case/CaseFile.h"
#include "case/Message.h"
#include "model/MainModel.h"

// The restore-defaults command as the user gives it. Restoring discards every
// input, so a case on screen that differs from the default case is restored
// only after the user says yes; one that equals it is restored without a
// question (the result field and the frames still go back to the start).
// Differs means what makes an untitled case worth saving (SavedCase): the six
// texts as typed and the three lists' entries, a list without a pick standing
// at "1.0".
namespace tidewell::session {

// The case a freshly started window shows.
CaseFile DefaultCaseFile();

// Whether restoring would discard something the user entered.
bool DiffersFromDefault(const model::MainModel& model);

// The question asked before the inputs are discarded (はい / いいえ).
Message RestoreQuestion();

// Asks through `messages` when the case differs from the default, then
// restores unless the answer was no. False when nothing was restored: the
// user said no, or a calculation is running (nothing is asked then).
bool RestoreDefaults(model::MainModel& model, MessageSink& messages);

}  // namespace tidewell::session

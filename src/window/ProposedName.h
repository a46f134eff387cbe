#pragma once

#include <QString>

#include "session/OutputName.h"

class QWidget;

namespace tidewell::window {

// What a save dialog opened from `from` (the main window or one of its
// windows) first offers for `output`: named after the main window's case file
// and in its folder, or the untitled case's name.
QString ProposedSavePath(const QWidget& from, session::SavedOutput output);
// Asks where to save `output`, first offering its proposed path; the file
// types follow the output (CSV, or PNG and SVG for a picture). Empty when the
// user cancels.
QString AskSavePath(QWidget& from, const QString& title, session::SavedOutput output);

}  // namespace tidewell::window

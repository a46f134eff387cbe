#pragma once

#include <QString>

class QWidget;

// The guide and the about box of the ヘルプ menu.
namespace tidewell::window {

// The program's version, as the build sets it.
QString ProgramVersion();

// The guide (see GuideText.h) for a report written to `reportFile` (a
// relative name is in the folder the program was started from), naming the
// file that keeps the window's settings.
QString GuideText(const QString& reportFile);
// The version, the licence and the Qt version in use.
QString AboutText();

// The guide in its own resizable window over `parent` (one: a second call
// raises it), named "GuideBox", its text browser "GuideBrowser".
void ShowGuide(QWidget& parent, const QString& reportFile);
// The about box; it returns at once and deletes itself when closed.
void ShowAbout(QWidget& parent);

}  // namespace tidewell::window

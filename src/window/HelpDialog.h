#pragma once

#include <QString>

class QWidget;

// The guide and the about box of the ヘルプ menu.
namespace tidewell::window {

// The program's version, as the build sets it.
QString ProgramVersion();

// A short guide to the window in the language in use; `reportFile` is the report's full path.
QString GuideText(const QString& reportFile);
// The version, the licence and the Qt version in use.
QString AboutText();

// Open the texts above in a box over `parent`; they return at once and the
// box deletes itself when closed.
void ShowGuide(QWidget& parent, const QString& reportFile);
void ShowAbout(QWidget& parent);

}  // namespace tidewell::window

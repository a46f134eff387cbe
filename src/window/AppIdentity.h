#pragma once

#include <QString>

// Who the program is to the desktop: its name, version, icon and the
// desktop entry that launches it.
namespace tidewell::window {

// The desktop entry's base name and the icon's theme name.
inline constexpr char kAppId[] = "io.github.tidewell.Tidewell";
// The icon built into the program, used where the installed one is missing.
inline constexpr char kBuiltInIcon[] = ":/icons/io.github.tidewell.Tidewell.svg";

// Sets the application's name and version. Needs no application object.
void SetApplicationNames();
// Sets the icon every window of the program carries (the main window, the
// progress dialog, message boxes) and the desktop file name, so a dock links
// the windows to the launcher. Call once the application object exists.
void SetApplicationIcon();

}  // namespace tidewell::window

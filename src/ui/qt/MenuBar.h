#pragma once

class QMenuBar;
class QString;
class QWidget;

// The window's menu bar. Each menu is built by its own function in
// MenuBar.cpp; a new command goes into the menu it belongs to there.
namespace tidewell::window {

// Builds the menu bar as a child of `window`; `reportFile` is where a
// calculation writes its report, which the guide names.
QMenuBar* BuildMenuBar(QWidget& window, const QString& reportFile);

}  // namespace tidewell::window

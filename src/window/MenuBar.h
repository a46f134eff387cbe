#pragma once

#include <functional>

class QMenuBar;
class QString;
class QWidget;

// The window's menu bar. Each menu is built by its own function in
// MenuBar.cpp; a new command goes into the menu it belongs to there. The
// actions are named (OpenAction, ...) so the window can enable them and
// tests can find them; the 最近使ったファイル submenu (RecentMenu) is filled by
// the window.
namespace tidewell::window {

// What the menu's commands do; each is called with no argument.
struct MenuCommands {
    std::function<void()> Open;
    std::function<void()> Save;
    std::function<void()> SaveAs;
    std::function<void()> ExportCsv;
    std::function<void()> ShowChart;
    std::function<void()> ShowSweep;
    std::function<void()> ShowCalibration;
    std::function<void()> ShowUncertainty;
    std::function<void()> ShowReport;
};

// Builds the menu bar as a child of `window`; `reportFile` is where a
// calculation writes its report, which the guide names.
QMenuBar* BuildMenuBar(QWidget& window, const QString& reportFile, const MenuCommands& commands);

}  // namespace tidewell::window

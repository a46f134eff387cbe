#pragma once

#include <QString>

// The text of ヘルプ → 使い方 in the language in use, as HTML: a contents
// list, then a section per part of the program.
namespace tidewell::window {

// `reportPath` is the full path a calculation writes its report to,
// `settingsFile` where the window keeps its settings (the recent files).
QString GuideHtml(const QString& reportPath, const QString& settingsFile);

// The limits of the six basic conditions and the entries of the three lists,
// taken from their tables, as an HTML table with a row per input; each row
// starts with the input's command-line option ("--bay-area").
QString InputLimitsTable();

}  // namespace tidewell::window

#pragma once

#include <QPalette>

#include "MainForm.h"

class QColor;
class QListWidget;

// The main form as a view of the model: every control brought up to what the
// model holds, without raising the controls' change signals.
namespace tidewell::window {

// The texts, list picks, frame colours, legend and the result's tooltips and
// stale marks; while a run is going, the controls that would change the
// case are disabled.
void ShowModelOn(const MainForm& form, const model::MainModel& model);

// The selected row of a list, or kNoSelection.
int SelectedRow(const QListWidget& list);

void FillBackground(QWidget& widget, QPalette::ColorRole role, const QColor& color);

}  // namespace tidewell::window

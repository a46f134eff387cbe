#pragma once

#include <array>

#include "model/MainModel.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace tidewell::window {

class LegendPanel;

// The main window's controls, by the model's numbering.
struct MainForm {
    QWidget* Picture1 = nullptr;  // the outer panel, under the menu bar
    LegendPanel* Picture2 = nullptr;
    std::array<QLineEdit*, model::kFieldCount + 1> Fields{};
    std::array<QListWidget*, model::kListCount + 1> Lists{};
    std::array<QGroupBox*, model::kFrameCount + 1> Frames{};
    std::array<QPushButton*, 4> Commands{};
};

// Builds every control of the control table inside `window`, placed at the
// window's resolution, with the captions fitted and the tab order set; the
// lists are filled with the model's entries, each one row high.
MainForm BuildMainForm(QWidget& window, const model::MainModel& model);

}  // namespace tidewell::window

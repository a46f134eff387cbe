#pragma once

class QWidget;

namespace tidewell::window {

// Escape and Ctrl+W close `window` (through close(), so a dialog's reject()
// and a window's closeEvent() run as for its close button), whichever of its
// widgets has the focus.
void CloseKeys(QWidget& window);

}  // namespace tidewell::window

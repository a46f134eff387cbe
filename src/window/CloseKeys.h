#pragma once

class QWidget;

namespace tidewell::window {

// Escape and Ctrl+W close `window`, as they close most windows a user opens
// beside the main one.
void CloseKeys(QWidget& window);

}  // namespace tidewell::window

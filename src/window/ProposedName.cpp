#include "ProposedName.h"

#include "MainWindow.h"
#include "QtText.h"

namespace tidewell::window {

QString ProposedSavePath(const QWidget& from, session::SavedOutput output) {
    std::string casePath;
    for (const QWidget* widget = &from; widget != nullptr; widget = widget->parentWidget()) {
        if (const auto* main = dynamic_cast<const MainWindow*>(widget)) {
            casePath = main->CasePath();
            break;
        }
    }
    return ToQString(session::ProposedOutputPath(casePath, output));
}

}  // namespace tidewell::window

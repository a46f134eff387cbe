#include "ProposedName.h"

#include <QCoreApplication>
#include <QFileDialog>

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

QString AskSavePath(QWidget& from, const QString& title, session::SavedOutput output) {
    const bool picture = output == session::SavedOutput::SeriesImage ||
                         output == session::SavedOutput::UncertaintyImage;
    const QString types =
        picture ? QCoreApplication::translate("SaveDialog", "PNG 画像 (*.png);;SVG 画像 (*.svg)")
                : QCoreApplication::translate("SaveDialog", "CSV ファイル (*.csv)");
    return QFileDialog::getSaveFileName(&from, title, ProposedSavePath(from, output), types);
}

}  // namespace tidewell::window

// The main window's file and view commands: case files, recent files, the
// series as CSV, the chart window, the sensitivity, calibration and uncertainty dialogs.
#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <algorithm>

#include "CalibrationDialog.h"
#include "ControlTable.h"
#include "MainWindow.h"
#include "ProposedName.h"
#include "QtText.h"
#include "ReportViewer.h"
#include "SeriesChartWindow.h"
#include "SweepDialog.h"
#include "UncertaintyDialog.h"
#include "model/SeriesPlot.h"
#include "session/CaseFileCommands.h"
#include "session/SeriesCsvCommand.h"

namespace tidewell::window {
namespace {

QString CaseFilter() {
    return QCoreApplication::translate("MainWindow", "Tidewell ケース (*.tidewell)");
}

}  // namespace

MenuCommands MainWindow::Menu() {
    return {[this] { AskAndOpen(); },      [this] { Save(); },
            [this] { AskAndSaveAs(); },    [this] { AskAndExportCsv(); },
            [this] { ShowChart(); },       [this] { ShowSweep(); },
            [this] { ShowCalibration(); }, [this] { ShowUncertainty(); },
            [this] { ShowReport(); }};
}

bool MainWindow::MayDropChanges() {
    if (!OpenFile.HasUnsavedChanges(session::CaseOfModel(*PresenterModel)))
        return true;
    switch (Messages.AskToSave(session::UnsavedChangesQuestion(OpenFile.FileName()))) {
        case SaveAnswer::Save:
            return Save();
        case SaveAnswer::Discard:
            return true;
        case SaveAnswer::Cancel:
            break;
    }
    return false;
}

bool MainWindow::MayChangeCase() {
    if (const auto busy = PresenterModel->ChangeRefusal()) {
        Messages.Show(*busy);
        return false;
    }
    return true;
}

bool MainWindow::OpenCaseFile(const QString& path) {
    if (!MayChangeCase() || !MayDropChanges())
        return false;
    const auto refusal = session::OpenCase(*PresenterModel, path.toStdString());
    ShowModel();
    if (refusal) {
        Messages.Show(*refusal);
        return false;
    }
    Remember(path);
    return true;
}

bool MainWindow::SaveCaseFile(const QString& path) {
    if (const auto failure = session::SaveCase(*PresenterModel, path.toStdString())) {
        Messages.Show(*failure);
        return false;
    }
    Remember(path);
    return true;
}

void MainWindow::Remember(const QString& path) {
    OpenFile.Remember(path.toStdString(), session::CaseOfModel(*PresenterModel));
    Recent->Add(path);
    ShowCaseTitle();
}

void MainWindow::AskAndOpen() {
    const QString path = QFileDialog::getOpenFileName(
        this, QCoreApplication::translate("MainWindow", "ケースを開く"), QString(), CaseFilter());
    if (!path.isEmpty())
        OpenCaseFile(path);
}

bool MainWindow::Save() {
    if (OpenFile.Path().empty())
        return AskAndSaveAs();
    return SaveCaseFile(ToQString(OpenFile.Path()));
}

bool MainWindow::AskAndSaveAs() {
    const QString path = QFileDialog::getSaveFileName(
        this, QCoreApplication::translate("MainWindow", "名前を付けて保存"),
        ToQString(OpenFile.Path()), CaseFilter());
    if (path.isEmpty())
        return false;
    return SaveCaseFile(
        ToQString(session::WithDefaultExtension(path.toStdString(), kCaseFileExtension)));
}

bool MainWindow::ExportSeriesCsv(const QString& path) {
    if (const auto failure = session::SaveSeriesCsv(*PresenterModel, path.toStdString())) {
        Messages.Show(*failure);
        return false;
    }
    return true;
}

void MainWindow::AskAndExportCsv() {
    const QString path =
        AskSavePath(*this, QCoreApplication::translate("MainWindow", "結果をCSVで保存"),
                    session::SavedOutput::SeriesCsv);
    if (!path.isEmpty())
        ExportSeriesCsv(ToQString(session::WithDefaultExtension(path.toStdString(), ".csv")));
}

void MainWindow::OpenRecentFile(const QString& path) {
    if (!MayChangeCase())
        return;
    if (QFileInfo::exists(path)) {
        OpenCaseFile(path);
        return;
    }
    Recent->Remove(path);
    Messages.Show(session::MissingRecentFile(path.toStdString()));
}

// "bay.tidewell* - Tidewell Ver110" with unsaved changes; the caption alone
// while the case has no file.
void MainWindow::ShowCaseTitle() {
    const QString caption = ToQString(kCaption);
    const std::string name = OpenFile.FileName();
    const QString title = name.empty() ? caption + QStringLiteral("[*]")
                                       : ToQString(name) + QStringLiteral("[*] - ") + caption;
    if (windowTitle() != title)
        setWindowTitle(title);
    setWindowModified(OpenFile.HasUnsavedChanges(session::CaseOfModel(*PresenterModel)));
}

// The case-file commands wait for a run; the CSV command also needs one that
// was not cancelled. Sensitivity tables hand no picks to a running window
// and outline the combination the lists now stand at;
// calibration dialogs learn the case, to mark an answer for another as stale;
// uncertainty dialogs learn the case now on screen.
void MainWindow::ShowCommandsAllowed() {
    const bool idle = !PresenterModel->Running();
    for (const char* name : {"OpenAction", "SaveAction", "SaveAsAction"}) {
        if (auto* action = Menus->findChild<QAction*>(QString::fromLatin1(name)))
            action->setEnabled(idle);
    }
    if (auto* exportCsv = Menus->findChild<QAction*>(QStringLiteral("ExportCsvAction")))
        exportCsv->setEnabled(idle && session::HasSeriesToSave(*PresenterModel));
    if (Recent)
        Recent->AllowOpening(idle);
    // The dialogs declare no meta-object of their own, so findChildren<SweepDialog*>
    // would find every QDialog: each is told apart by its C++ type.
    std::optional<session::TypedInputs> current;
    for (QDialog* dialog : findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
        if (auto* sweep = dynamic_cast<SweepDialog*>(dialog)) {
            sweep->AllowPicks(idle);
            sweep->FollowLists(model::CombinationOfSelections(PresenterModel->List(1).Selected,
                                                              PresenterModel->List(2).Selected,
                                                              PresenterModel->List(3).Selected));
        }
        if (auto* calibration = dynamic_cast<CalibrationDialog*>(dialog)) {
            if (!current)
                current = session::InputsOfModel(*PresenterModel);
            calibration->ShowCase(*current);
        } else if (auto* uncertainty = dynamic_cast<UncertaintyDialog*>(dialog))
            uncertainty->FollowCase(session::CaseOfModel(*PresenterModel));
    }
}

// The chart follows every run that was not cancelled.
void MainWindow::ShowLastRun() {
    if (Charts == nullptr || PlottedRun == PresenterModel->RunNumber())
        return;
    const auto& run = PresenterModel->LastRun();
    Charts->ShowPlot(run ? model::PlotOfRun(*run) : model::PlotOfNoRun());
    PlottedRun = PresenterModel->RunNumber();
}

SeriesChartWindow& MainWindow::ShowChart() {
    if (Charts == nullptr) {
        Charts = new SeriesChartWindow(Messages, this);
        Charts->ShowPlot(model::PlotOfNoRun());
        PlottedRun = 0;
        ShowLastRun();
    }
    Charts->show();
    Charts->raise();
    Charts->activateWindow();
    return *Charts;
}

SweepDialog* MainWindow::ShowSweep() {
    if (!PresenterModel->FieldsAccepted()) {
        ShowModel();
        return nullptr;
    }
    const model::MainModel& model = *PresenterModel;
    auto* dialog =
        new SweepDialog(model.Record(),
                        model::CombinationOfSelections(
                            model.List(1).Selected, model.List(2).Selected, model.List(3).Selected),
                        Messages, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->AllowPicks(!model.Running());
    dialog->SetPickHandler(
        [this](const engine::SweepCombination& combination) { PickCombination(combination); });
    dialog->show();
    return dialog;
}

ReportViewer& MainWindow::ShowReport() {
    if (Viewer == nullptr)
        Viewer = new ReportViewer(ReportFile, this);
    else
        Viewer->Reload();
    Viewer->show();
    Viewer->raise();
    Viewer->activateWindow();
    return *Viewer;
}

UncertaintyDialog* MainWindow::ShowUncertainty() {
    auto* dialog = new UncertaintyDialog(session::CaseOfModel(*PresenterModel), Messages, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}

void MainWindow::PickCombination(const engine::SweepCombination& combination) {
    for (MultiplierList list : kMultiplierLists)
        PresenterModel->SelectListEntry(ListNumber(list), combination.Entry(list));
    ShowModel();
}

CalibrationDialog* MainWindow::ShowCalibration() {
    if (!PresenterModel->FieldsAccepted()) {
        ShowModel();
        return nullptr;
    }
    auto* dialog = new CalibrationDialog(session::InputsOfModel(*PresenterModel), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->SetApplyHandler(
        [this](const session::InputStep& step) { return ApplyCalibration(step); });
    dialog->show();
    return dialog;
}

// As the user would: the text typed into the field, or the entry clicked.
bool MainWindow::ApplyCalibration(const session::InputStep& step) {
    if (!MayChangeCase())
        return false;
    if (const auto* basic = std::get_if<BasicInput>(&step.Input)) {
        PresenterModel->SetFieldText(model::FieldOf(*basic), step.Text);
    } else {
        const int list = ListNumber(std::get<MultiplierList>(step.Input));
        const auto& entries = PresenterModel->List(list).Entries;
        const auto at = std::find(entries.begin(), entries.end(), step.Text);
        PresenterModel->SelectListEntry(list, static_cast<int>(at - entries.begin()));
    }
    ShowModel();
    return true;
}

}  // namespace tidewell::window

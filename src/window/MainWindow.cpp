#include "MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <utility>

#include "ControlTable.h"
#include "FormView.h"
#include "GothicFonts.h"
#include "QtText.h"
#include "ReportViewer.h"
#include "Twips.h"
#include "session/CaseFileCommands.h"
#include "session/RestoreCommand.h"

namespace tidewell::window {

void MainWindow::WindowMessages::Show(const Message& message) {
    if (Window.CloseAfterRun)
        return;
    Window.ShowModel();  // the widgets are built before the model first runs
    Target.Show(message);
}

bool MainWindow::WindowMessages::Ask(const Message& question) {
    return Target.Ask(question);
}

SaveAnswer MainWindow::WindowMessages::AskToSave(const Message& question) {
    return Target.AskToSave(question);
}

MainWindow::MainWindow(MessageSink& messages, std::string reportPath, QWidget* parent)
    : QWidget(parent),
      RunDialog(*this, Worker),
      Messages(*this, messages),
      ReportFile(QString::fromStdString(reportPath)),
      PresenterModel(std::make_unique<model::MainModel>(Messages, std::move(reportPath))) {
    UseGothicSubstitutes();
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(ToQString(kCaption));
    setFont(FontFor(ControlFont::Window));

    PresenterModel->SetWindowFontName(font().family().toStdString());
    PresenterModel->FormLoad();
    OpenFile.Remember({}, session::DefaultCaseFile());  // untitled: the default case
    Form = BuildMainForm(*this, *PresenterModel);
    Menus = BuildMenuBar(*this, ReportFile, Menu());
    Recent = std::make_unique<window::RecentFiles>(
        *Menus->findChild<QMenu*>(QStringLiteral("RecentMenu")), *this,
        [this](const QString& path) { OpenRecentFile(path); });
    resize(TwipsToPixels(kClientWidth, logicalDpiX()),
           MenuBarHeight() + TwipsToPixels(kClientHeight, logicalDpiY()));
    FitOuterPanel(size());
    ShowModel();
    ConnectControls();
}

MainWindow::~MainWindow() = default;

void MainWindow::ConnectControls() {
    for (const model::FieldInfo& info : model::FieldTable()) {
        if (!info.Input)
            continue;
        connect(Form.Fields[model::NumberOf(info.Id)], &QLineEdit::textEdited, this,
                [this, field = info.Id](const QString& text) { FieldEdited(field, text); });
    }
    for (int n = 1; n <= model::kListCount; ++n) {
        connect(Form.Lists[n], &QListWidget::itemSelectionChanged, this,
                [this, n] { ListSelectionChanged(n); });
        connect(Form.Lists[n]->verticalScrollBar(), &QScrollBar::valueChanged, this,
                [this, n](int topRow) { ListScrolled(n, topRow); });
    }
    connect(Form.Commands[1], &QPushButton::clicked, this, &MainWindow::Calculate);
    connect(Form.Commands[2], &QPushButton::clicked, this, &QWidget::close);
    connect(Form.Commands[3], &QPushButton::clicked, this, &MainWindow::RestoreDefaults);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitOuterPanel(event->size());
}

int MainWindow::MenuBarHeight() const {
    return Menus == nullptr ? 0 : Menus->sizeHint().height();
}

void MainWindow::FitOuterPanel(QSize clientArea) {
    // The menu bar runs along the top; the outer panel fills the rest. A
    // minimized window may report an empty client area: keep the last fit.
    const int top = MenuBarHeight();
    if (Form.Picture1 == nullptr || clientArea.isEmpty() || clientArea.height() <= top)
        return;
    if (Menus != nullptr)
        Menus->setGeometry(0, 0, clientArea.width(), top);
    Form.Picture1->setGeometry(0, top, clientArea.width(), clientArea.height() - top);
}

// The question may stay open until after the run has ended by itself; the
// window then closes as it would without a run.
void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (Worker.Running()) {
        if (CloseAfterRun || !PresenterModel->AskToStopRunAndClose())
            return;
        if (Worker.Running()) {
            CloseAfterRun = true;
            Worker.Cancel();
            return;
        }
    }
    event->setAccepted(MayDropChanges());
}

void MainWindow::FieldEdited(model::Field field, const QString& text) {
    PresenterModel->SetFieldText(field, text.toStdString());
    ShowModel();
}

void MainWindow::ListSelectionChanged(int list) {
    if (Mirroring)
        return;
    PresenterModel->SelectListEntry(list, SelectedRow(*Form.Lists[list]));
    ShowModel();
}

// A one-row list scrolls by whole entries, so the top row is the one in view.
void MainWindow::ListScrolled(int list, int topRow) {
    if (Mirroring)
        return;
    PresenterModel->SelectListEntry(list, topRow);
    ShowModel();
}

void MainWindow::Calculate() {
    std::optional<model::RunJob> job = PresenterModel->PrepareRun();
    if (!job) {
        ShowModel();
        if (const auto refused = PresenterModel->RefusedField())
            Form.Fields[model::NumberOf(*refused)]->setFocus();
        return;
    }
    FocusBefore = QApplication::focusWidget();
    Worker.Start(
        std::move(*job), [this](model::RunOutcome outcome) { RunFinished(std::move(outcome)); },
        Watch);
    RunDialog.Begin();
    ShowModel();
}

// Whoever chose to close has the window closed now, and the choice is spent:
// should the close be called off, the window works as before.
void MainWindow::RunFinished(model::RunOutcome outcome) {
    RunDialog.End();
    PresenterModel->FinishRun(std::move(outcome));
    const bool closing = std::exchange(CloseAfterRun, false);
    ShowModel();
    if (Viewer != nullptr)
        Viewer->Reload();
    if (closing) {
        close();
        return;
    }
    if (FocusBefore)
        FocusBefore->setFocus();
}

// Restoring discards the inputs: a case that differs from the default asks first.
void MainWindow::RestoreDefaults() {
    session::RestoreDefaults(*PresenterModel, Messages);
    ShowModel();
}

void MainWindow::ShowModel() {
    const QScopedValueRollback mirroring(Mirroring, true);
    ShowModelOn(Form, *PresenterModel);
    ShowCaseTitle();
    ShowLastRun();
    ShowCommandsAllowed();
}

}  // namespace tidewell::window

#include "RunProgressDialog.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QString>

#include "RunWorker.h"
#include "WindowText.h"
#include "model/RunEstimate.h"

namespace tidewell::window {
namespace {

constexpr int kProgressSteps = 1000;
// The words are refreshed this often, so they change at least twice a second.
constexpr int kTickMs = 250;

}  // namespace

RunProgressDialog::RunProgressDialog(QWidget& owner, RunWorker& run,
                                     std::chrono::milliseconds delay)
    : Owner(owner), Run(run), Delay(delay) {
    Clock.setInterval(kTickMs);
    QObject::connect(&Clock, &QTimer::timeout, &Owner, [this] { Tick(); });
}

RunProgressDialog::~RunProgressDialog() = default;

void RunProgressDialog::Begin() {
    End();
    Shown = false;
    SinceStart.start();
    Clock.start();
}

void RunProgressDialog::End() {
    Clock.stop();
    Window.reset();
}

void RunProgressDialog::Tick() {
    if (!Window) {
        if (SinceStart.elapsed() < Delay.count())
            return;
        Open();
    }
    if (Window->wasCanceled()) {
        Run.Cancel();  // cancelled other than by its button
        return;
    }
    ShowProgress();
}

void RunProgressDialog::Open() {
    Window = std::make_unique<QProgressDialog>(
        QString(), QCoreApplication::translate("RunProgressDialog", "中止"), 0, kProgressSteps,
        &Owner);
    Window->setObjectName(QStringLiteral("RunProgress"));
    Window->setWindowTitle(Owner.windowTitle());
    Window->setWindowModality(Qt::NonModal);
    Window->setMinimumDuration(0);
    Window->setAutoClose(false);
    Window->setAutoReset(false);
    Window->setValue(0);
    QObject::connect(Window.get(), &QProgressDialog::canceled, &Owner, [this] { Run.Cancel(); });
    Window->show();
    Shown = true;
}

void RunProgressDialog::ShowProgress() {
    const std::int64_t done = Run.StepsDone();
    const std::int64_t total = Run.StepCount();
    const double seconds = static_cast<double>(SinceStart.elapsed()) / 1000.0;
    Window->setLabelText(ModelText(model::ProgressText(done, total, seconds)));
    if (total > 0) {
        const double fraction = static_cast<double>(done) / static_cast<double>(total);
        Window->setValue(static_cast<int>(fraction * kProgressSteps));
    }
}

}  // namespace tidewell::window

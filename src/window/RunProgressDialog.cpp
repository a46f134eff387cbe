#include "RunProgressDialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProgressDialog>
#include <QString>

#include "WindowText.h"
#include "model/RunEstimate.h"

namespace tidewell::window {
namespace {

constexpr int kProgressSteps = 1000;
// Events are processed at most this often: each callback comes after only a
// few thousand steps, well under a millisecond.
constexpr qint64 kEventIntervalMs = 30;
// The words are refreshed this often, so they change at least twice a second.
constexpr qint64 kTextIntervalMs = 250;

}  // namespace

RunProgressDialog::RunProgressDialog(QWidget& owner, std::chrono::milliseconds delay)
    : Owner(owner), Delay(delay) {}

RunProgressDialog::~RunProgressDialog() = default;

engine::RunProgress RunProgressDialog::Callback() {
    return [this](std::int64_t done, std::int64_t total) { return Report(done, total); };
}

void RunProgressDialog::Begin(QWidget* content) {
    Finish();
    Content = content;
    Shown = false;
    Cancelled = false;
    InRun = true;
    SinceStart.start();
    SinceEvents.invalidate();
    SinceText.invalidate();
}

void RunProgressDialog::End() {
    InRun = false;
    Finish();
}

void RunProgressDialog::Finish() {
    if (!Window)
        return;
    Window.reset();
    if (Content)
        Content->setEnabled(true);
    if (FocusBefore)
        FocusBefore->setFocus();
}

void RunProgressDialog::Open() {
    FocusBefore = QApplication::focusWidget();
    if (Content)
        Content->setEnabled(false);
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
    Window->show();
    Shown = true;
}

void RunProgressDialog::ShowProgress(std::int64_t done, std::int64_t total) {
    const double seconds = static_cast<double>(SinceStart.elapsed()) / 1000.0;
    Window->setLabelText(ModelText(model::ProgressText(done, total, seconds)));
    if (total > 0) {
        const double fraction = static_cast<double>(done) / static_cast<double>(total);
        Window->setValue(static_cast<int>(fraction * kProgressSteps));
    }
    SinceText.start();
}

bool RunProgressDialog::Report(std::int64_t done, std::int64_t total) {
    if (!SinceStart.isValid())
        SinceStart.start();
    if (!Window) {
        if (SinceStart.elapsed() < Delay.count())
            return !Cancelled;
        Open();
    } else if (SinceEvents.isValid() && SinceEvents.elapsed() < kEventIntervalMs) {
        return !Cancelled;
    }
    if (!SinceText.isValid() || SinceText.elapsed() >= kTextIntervalMs)
        ShowProgress(done, total);
    QApplication::processEvents();
    SinceEvents.start();
    return !Cancelled && Window && !Window->wasCanceled();
}

}  // namespace tidewell::window

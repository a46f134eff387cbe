#include "RunProgressDialog.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QString>

namespace tidewell::window {
namespace {

constexpr int kProgressSteps = 1000;
// Events are processed at most this often: each callback comes after only a
// few thousand steps, well under a millisecond.
constexpr qint64 kEventIntervalMs = 30;

}  // namespace

RunProgressDialog::RunProgressDialog(QWidget& owner, std::chrono::milliseconds delay)
    : Owner(owner), Delay(delay) {}

RunProgressDialog::~RunProgressDialog() = default;

RunProgress RunProgressDialog::Callback() {
    return [this](std::int64_t done, std::int64_t total) { return Report(done, total); };
}

void RunProgressDialog::Begin() {
    Finish();
    Shown = false;
    SinceStart.start();
    SinceEvents.invalidate();
}

void RunProgressDialog::Finish() {
    Window.reset();
}

void RunProgressDialog::Open() {
    Window = std::make_unique<QProgressDialog>(QStringLiteral("計算中です…"),
                                               QStringLiteral("中止"), 0, kProgressSteps, &Owner);
    Window->setObjectName(QStringLiteral("RunProgress"));
    Window->setWindowTitle(Owner.windowTitle());
    Window->setWindowModality(Qt::ApplicationModal);
    Window->setMinimumDuration(0);
    Window->setAutoClose(false);
    Window->setAutoReset(false);
    Window->setValue(0);
    Window->show();
    Shown = true;
}

bool RunProgressDialog::Report(std::int64_t done, std::int64_t total) {
    if (!SinceStart.isValid())
        SinceStart.start();
    if (!Window) {
        if (SinceStart.elapsed() < Delay.count())
            return true;
        Open();
    } else if (SinceEvents.isValid() && SinceEvents.elapsed() < kEventIntervalMs) {
        return true;
    }
    if (total > 0) {
        const double fraction = static_cast<double>(done) / static_cast<double>(total);
        Window->setValue(static_cast<int>(fraction * kProgressSteps));
    }
    QCoreApplication::processEvents();
    SinceEvents.start();
    return !Window->wasCanceled();
}

}  // namespace tidewell::window

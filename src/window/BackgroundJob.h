#pragma once

#include <QMetaObject>
#include <QObject>
#include <stop_token>
#include <thread>
#include <utility>

namespace tidewell::window {

// Long work for a window (a sweep, uncertainty samples, a calibration) on a
// thread of its own. The work holds its own copy of what it needs and reaches
// the window only through Post, whose calls run later on the window's thread.
// Destroying the job stops the work and waits for it, so nothing is posted to
// a window that is gone: declare it as the window's last member.
class BackgroundJob {
  public:
    explicit BackgroundJob(QObject& owner) : Owner(owner) {}
    BackgroundJob(const BackgroundJob&) = delete;
    BackgroundJob& operator=(const BackgroundJob&) = delete;
    ~BackgroundJob() = default;  // the thread's own destructor stops and joins it

    // Runs `work(stop)`; the work before, if any, is stopped and waited for first.
    template <typename Work>
    void Start(Work work) {
        Thread = std::jthread(std::move(work));
    }
    // Asks the work to stop; it sees the request through its stop token.
    void Cancel() { Thread.request_stop(); }
    // Queues `call` to run on the window's thread, after the calls posted before it.
    template <typename Call>
    void Post(Call call) const {
        QMetaObject::invokeMethod(&Owner, std::move(call), Qt::QueuedConnection);
    }

  private:
    QObject& Owner;
    std::jthread Thread;
};

}  // namespace tidewell::window

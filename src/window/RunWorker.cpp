#include "RunWorker.h"

#include <memory>
#include <utility>

namespace tidewell::window {

RunWorker::~RunWorker() {
    Thread.request_stop();
    if (Thread.joinable())
        Thread.join();
}

void RunWorker::Start(model::RunJob job, FinishHandler onFinished, engine::RunProgress watch) {
    Done = 0;
    Total = 0;
    InRun = true;
    OnFinished = std::move(onFinished);
    Thread = std::jthread(
        [this, job = std::move(job), watch = std::move(watch)](const std::stop_token& stop) {
            const engine::RunProgress progress = [this, &stop, &watch](std::int64_t done,
                                                                       std::int64_t total) {
                Done = done;
                Total = total;
                if (watch && !watch(done, total))
                    return false;
                return !stop.stop_requested();
            };
            auto outcome = std::make_shared<model::RunOutcome>(model::ExecuteRun(job, progress));
            QMetaObject::invokeMethod(
                this, [this, outcome] { Finished(std::move(*outcome)); }, Qt::QueuedConnection);
        });
}

void RunWorker::Finished(model::RunOutcome outcome) {
    Thread.join();  // it has posted this and is returning
    InRun = false;
    const FinishHandler handler = std::exchange(OnFinished, {});
    handler(std::move(outcome));
}

}  // namespace tidewell::window

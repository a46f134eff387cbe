#include "BatchRunner.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stop_token>
#include <thread>
#include <utility>

#include "case/MessageLog.h"

namespace tidewell::engine {
namespace {

// The shared state of one batch: the next case to take, how many are done,
// and the wake-up of the calling thread.
struct BatchQueue {
    std::atomic<std::size_t> Next{0};
    std::size_t Done = 0;
    std::mutex Lock;
    std::condition_variable Finished;
};

void Work(std::stop_token stop, std::span<const CaseRecord> cases,
          std::vector<BatchOutcome>& outcomes, BatchQueue& queue, const BatchReports& reports) {
    const RunProgress keepGoing = [&stop](std::int64_t, std::int64_t) {
        return !stop.stop_requested();
    };
    for (std::size_t i = queue.Next++; i < cases.size(); i = queue.Next++) {
        if (!stop.stop_requested()) {
            const std::unique_ptr<RunReport> report = reports ? reports(i) : nullptr;
            outcomes[i] = RunOneCase(cases[i], keepGoing, report.get());
        }
        {
            const std::scoped_lock hold(queue.Lock);
            ++queue.Done;
        }
        queue.Finished.notify_one();
    }
}

}  // namespace

BatchOutcome RunOneCase(const CaseRecord& record, const RunProgress& progress, RunReport* report) {
    BatchOutcome outcome;
    ModelState model;
    NoReport none;
    MessageLog messages;
    outcome.Run =
        RunCalculation(record, model, report != nullptr ? *report : none, messages, progress);
    outcome.Messages = std::move(messages.Shown);
    outcome.TimeStep = model.TimeStep;
    outcome.CalcDays = model.CalcDays;
    outcome.Mean = model.BayMeanConc[kTemperature];
    for (int k = 1; k <= kBayCellCount; ++k)
        outcome.Cells[static_cast<std::size_t>(k - 1)] = model.CellConc[kTemperature][k];
    return outcome;
}

std::vector<BatchOutcome> RunBatch(std::span<const CaseRecord> cases, const BatchProgress& progress,
                                   unsigned threads, const BatchReports& reports) {
    std::vector<BatchOutcome> outcomes(cases.size());
    for (BatchOutcome& outcome : outcomes)
        outcome.Run.Status = RunStatus::Cancelled;
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    threads = static_cast<unsigned>(std::min<std::size_t>(threads, cases.size()));

    BatchQueue queue;
    std::vector<std::jthread> workers;
    workers.reserve(threads);
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back(
            [&](std::stop_token stop) { Work(stop, cases, outcomes, queue, reports); });
    }
    // The progress callback runs without the lock: it may take its time (a
    // window posting an update) while the workers go on counting.
    bool cancelled = false;
    std::size_t done = 0;
    while (done < cases.size()) {
        {
            std::unique_lock hold(queue.Lock);
            queue.Finished.wait_for(hold, std::chrono::milliseconds(100),
                                    [&] { return queue.Done == cases.size(); });
            done = queue.Done;
        }
        if (progress && !cancelled && !progress(done, cases.size())) {
            cancelled = true;
            for (std::jthread& worker : workers)
                worker.request_stop();
        }
    }
    workers.clear();  // joins
    return outcomes;
}

}  // namespace tidewell::engine

#include "CliProgress.h"

#include <algorithm>
#include <csignal>
#include <string>

#include "model/RunEstimate.h"

namespace tidewell::cli {

std::atomic<int> CancelSignal{0};

namespace {

extern "C" void OnCancelSignal(int signal) {
    CancelSignal = signal;
}

}  // namespace

void WatchCancelSignals() {
    struct sigaction action {};
    action.sa_handler = OnCancelSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

ProgressLine::ProgressLine(std::FILE* terminal, std::string unit)
    : Terminal(terminal), Unit(std::move(unit)) {}

bool ProgressLine::Update(std::int64_t done, std::int64_t total) {
    const Clock::time_point now = Clock::now();
    if (done == 0)
        Start = LastShown = now;
    if (Terminal != nullptr && done > 0 && now - Start >= std::chrono::seconds(1) &&
        now - LastShown >= std::chrono::milliseconds(200)) {
        const double elapsed = std::chrono::duration<double>(now - Start).count();
        std::string line = model::ProgressText(done, total, elapsed).Prompt();
        std::replace(line.begin(), line.end(), '\r', ' ');
        static const std::string kSteps = "ステップ";
        if (const std::size_t at = line.find(kSteps); !Unit.empty() && at != std::string::npos)
            line.replace(at, kSteps.size(), Unit);
        std::fprintf(Terminal, "\r\033[K%s", line.c_str());
        std::fflush(Terminal);
        LastShown = now;
        Shown = true;
    }
    return CancelSignal == 0;
}

void ProgressLine::Finish() {
    if (Shown) {
        std::fputs("\r\033[K", Terminal);
        std::fflush(Terminal);
        Shown = false;
    }
}

}  // namespace tidewell::cli

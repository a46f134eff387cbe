#include "CliProgress.h"

namespace tidewell {

volatile std::sig_atomic_t CancelSignal = 0;

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

ProgressLine::ProgressLine(std::FILE* terminal) : Terminal(terminal) {}

bool ProgressLine::Update(std::int64_t done, std::int64_t total) {
    const Clock::time_point now = Clock::now();
    if (done == 0)
        Start = LastShown = now;
    if (Terminal != nullptr && done > 0 && now - Start >= std::chrono::seconds(1) &&
        now - LastShown >= std::chrono::milliseconds(200)) {
        const double elapsed = std::chrono::duration<double>(now - Start).count();
        const double left = elapsed * static_cast<double>(total - done) / static_cast<double>(done);
        std::fprintf(Terminal, "\r\033[Kstep %lld/%lld (%d%%), about %.0f s left",
                     static_cast<long long>(done), static_cast<long long>(total),
                     static_cast<int>(100 * done / total), left);
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

}  // namespace tidewell

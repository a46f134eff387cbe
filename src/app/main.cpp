// Tidewell: the mean water temperature of an enclosed bay. This file only
// creates the application and its one window.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "ui/qt/MainWindow.h"
#include "ui/qt/QtMessageSink.h"

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Without a display Qt aborts with a long diagnostic; say it in one line.
bool HasDisplay() {
    return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!HasDisplay()) {
        std::fputs(
            "tidewell: no display found; set DISPLAY or WAYLAND_DISPLAY (or QT_QPA_PLATFORM)\n",
            stderr);
        return EXIT_FAILURE;
    }
    QApplication application(argc, argv);
    tidewell::window::QtMessageSink messages;
    tidewell::window::MainWindow window(messages);
    messages.SetMainWindow(&window);
    window.show();
    return application.exec();
}

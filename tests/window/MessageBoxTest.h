#pragma once

#include <QObject>

#include "DialogWatchdog.h"

// The real message box behind the window's messages.
class MessageBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void showsModalBoxWithTitlePromptAndOkOnly_data();
    void showsModalBoxWithTitlePromptAndOkOnly();

  private:
    DialogWatchdog Watchdog{10000};
};

#pragma once

#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QString>
#include <QTimer>

// Fails a test that would hang on a modal window nobody expected: when the
// time is up it notes the window's title and closes every open dialog, so
// the test returns and cleanup() reports the failure.
class DialogWatchdog {
  public:
    explicit DialogWatchdog(int timeoutMs) {
        Timer.setSingleShot(true);
        Timer.setInterval(timeoutMs);
        QObject::connect(&Timer, &QTimer::timeout, &Timer, [this] { Bite(); });
    }

    void Start() {
        Bitten = false;
        Culprit.clear();
        Timer.start();
    }
    void Stop() { Timer.stop(); }
    bool HasBitten() const { return Bitten; }
    const QString& Report() const { return Culprit; }

  private:
    void Bite() {
        Bitten = true;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            Culprit = QStringLiteral("modal window left open: ") + modal->windowTitle();
        } else {
            Culprit = QStringLiteral("test ran past its time limit");
        }
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QDialog*>(top); dialog && dialog->isVisible()) {
                dialog->reject();
            }
        }
    }

    QTimer Timer;
    bool Bitten = false;
    QString Culprit;
};

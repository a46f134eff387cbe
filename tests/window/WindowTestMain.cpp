// Runs the window tests on the offscreen platform unless another one is
// asked for, so they need no display. Test function names on the command
// line go to the test class that has them.
#include <QApplication>
#include <QMetaMethod>
#include <QtTest>

#include "MainWindowTest.h"
#include "MessageBoxTest.h"

namespace {

bool HasTestFunction(const QObject& test, const QString& argument) {
    const QString name = argument.section(':', 0, 0);  // "function:data row"
    const QMetaObject* meta = test.metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        if (QString::fromLatin1(meta->method(i).name()) == name)
            return true;
    }
    return false;
}

// QtTest options that take the next argument as their value.
bool IsOptionValue(const QString& previous) {
    static const QStringList withValue{"-o",        "-maxwarnings", "-eventdelay",
                                       "-keydelay", "-mousedelay",  "-platform"};
    return withValue.contains(previous);
}

// 0 when passed or skipped; the failure count otherwise.
int RunSelected(QObject& test, const QStringList& arguments) {
    QStringList mine{arguments.front()};
    bool namedAny = false;
    bool namedMine = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument.startsWith('-')) {
            mine << argument;
            continue;
        }
        if (IsOptionValue(arguments[i - 1])) {
            mine << argument;
            continue;
        }
        namedAny = true;
        if (HasTestFunction(test, argument)) {
            namedMine = true;
            mine << argument;
        }
    }
    if (namedAny && !namedMine)
        return 0;
    return QTest::qExec(&test, mine);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    int failures = 0;
    {
        MainWindowTest windowTest;
        failures += RunSelected(windowTest, arguments);
    }
    {
        MessageBoxTest messageBoxTest;
        failures += RunSelected(messageBoxTest, arguments);
    }
    return failures == 0 ? 0 : 1;
}

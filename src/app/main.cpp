// Tidewell: the mean water temperature of an enclosed bay. This file only
// reads the command line, creates the application and its one window.
#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "report/ReportFile.h"
#include "window/AppIdentity.h"
#include "window/Language.h"
#include "window/MainWindow.h"
#include "window/QtMessageSink.h"

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Without a display Qt aborts with a long diagnostic; say it in one line.
bool HasDisplay() {
    return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM");
}

void DescribeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral(
            "Opens the Tidewell window, which estimates the mean water temperature of an\n"
            "enclosed bay with a five-cell box model. Each calculation writes its report\n"
            "to ") +
        QString::fromUtf8(tidewell::report::kDefaultReportPath) +
        QStringLiteral(
            " (code page 932) in the folder the program was started from.\n"
            "The window is in English under an English locale (LANG=en_US.UTF-8) and in\n"
            "Japanese otherwise; tidewell-cli runs the same model from a terminal, in "
            "Japanese."));
    parser.addOption(QCommandLineOption(QStringLiteral("lang"),
                                        QStringLiteral("The window's language: ja or en."),
                                        QStringLiteral("language")));
    parser.addHelpOption();
    parser.addVersionOption();
}

// --help and --version are answered before any display is needed. Other
// arguments are left for the application object, which takes the toolkit's
// own options (-platform, -style, ...) and then refuses anything else.
bool AnsweredInformationOption(int argc, char* argv[]) {
    QStringList arguments;
    for (int n = 0; n < argc; ++n)
        arguments << QString::fromLocal8Bit(argv[n]);
    QCommandLineParser parser;
    DescribeOptions(parser);
    (void)parser.parse(arguments);
    if (parser.isSet(QStringLiteral("help"))) {
        // Without an application object the parser cannot name the program.
        std::fputs(qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                        QCoreApplication::applicationName())),
                   stdout);
        return true;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    tidewell::window::SetApplicationNames();
    if (AnsweredInformationOption(argc, argv))
        return EXIT_SUCCESS;
    if (!HasDisplay()) {
        std::fputs(
            "tidewell: no display found; set DISPLAY or WAYLAND_DISPLAY (or QT_QPA_PLATFORM)\n",
            stderr);
        return EXIT_FAILURE;
    }
    QApplication application(argc, argv);
    QCommandLineParser parser;
    DescribeOptions(parser);
    parser.process(application);  // an unknown option: a message and exit status 1
    const QString requested = parser.value(QStringLiteral("lang"));
    const auto language = requested.isEmpty() ? tidewell::window::SystemLanguage()
                                              : tidewell::window::LanguageNamed(requested);
    if (!language) {
        std::fprintf(stderr, "tidewell: --lang takes ja or en, not %s\n", qPrintable(requested));
        return EXIT_FAILURE;
    }
    if (!tidewell::window::UseLanguage(*language))
        std::fputs("tidewell: the English translation is missing; the window stays Japanese\n",
                   stderr);
    tidewell::window::SetApplicationIcon();
    tidewell::window::QtMessageSink messages;
    tidewell::window::MainWindow window(messages);
    messages.SetMainWindow(&window);
    window.show();
    return application.exec();
}

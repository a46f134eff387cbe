#include "MenuBar.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "HelpDialog.h"

namespace tidewell::window {
namespace {

// `caption` is marked for translation where it is written.
QAction* AddCommand(QMenu& menu, QWidget& window, const char* caption, const char* name,
                    const QKeySequence& shortcut, const std::function<void()>& command) {
    QAction* action = menu.addAction(QCoreApplication::translate("MenuBar", caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, &window, [command] {
        if (command)
            command();
    });
    return action;
}

void AddFileMenu(QMenuBar& bar, QWidget& window, const MenuCommands& commands) {
    QMenu* file = bar.addMenu(QCoreApplication::translate("MenuBar", "ファイル(&F)"));
    file->setObjectName(QStringLiteral("FileMenu"));
    AddCommand(*file, window, QT_TRANSLATE_NOOP("MenuBar", "開く(&O)…"), "OpenAction",
               QKeySequence(Qt::CTRL | Qt::Key_O), commands.Open);
    AddCommand(*file, window, QT_TRANSLATE_NOOP("MenuBar", "保存(&S)"), "SaveAction",
               QKeySequence(Qt::CTRL | Qt::Key_S), commands.Save);
    AddCommand(*file, window, QT_TRANSLATE_NOOP("MenuBar", "名前を付けて保存(&A)…"), "SaveAsAction",
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), commands.SaveAs);
    QMenu* recent = file->addMenu(QCoreApplication::translate("MenuBar", "最近使ったファイル(&R)"));
    recent->setObjectName(QStringLiteral("RecentMenu"));
    AddCommand(*file, window, QT_TRANSLATE_NOOP("MenuBar", "結果をCSVで保存(&E)…"),
               "ExportCsvAction", {}, commands.ExportCsv);
    file->addSeparator();
    QAction* quit = AddCommand(*file, window, QT_TRANSLATE_NOOP("MenuBar", "終了(&X)"),
                               "QuitAction", QKeySequence(Qt::CTRL | Qt::Key_Q), {});
    QObject::connect(quit, &QAction::triggered, &window, &QWidget::close);
}

void AddViewMenu(QMenuBar& bar, QWidget& window, const MenuCommands& commands) {
    QMenu* view = bar.addMenu(QCoreApplication::translate("MenuBar", "表示(&V)"));
    view->setObjectName(QStringLiteral("ViewMenu"));
    AddCommand(*view, window, QT_TRANSLATE_NOOP("MenuBar", "時系列グラフ(&G)"), "ChartAction",
               QKeySequence(Qt::CTRL | Qt::Key_G), commands.ShowChart);
    AddCommand(*view, window, QT_TRANSLATE_NOOP("MenuBar", "感度分析(&S)…"), "SweepAction",
               QKeySequence(Qt::CTRL | Qt::Key_T), commands.ShowSweep);
    AddCommand(*view, window, QT_TRANSLATE_NOOP("MenuBar", "逆算(&C)…"), "CalibrationAction",
               QKeySequence(Qt::CTRL | Qt::Key_K), commands.ShowCalibration);
    AddCommand(*view, window, QT_TRANSLATE_NOOP("MenuBar", "不確かさ(&U)…"), "UncertaintyAction",
               {}, commands.ShowUncertainty);
    view->addSeparator();
    AddCommand(*view, window, QT_TRANSLATE_NOOP("MenuBar", "報告書(&R)"), "ReportAction",
               QKeySequence(Qt::CTRL | Qt::Key_R), commands.ShowReport);
}

void AddHelpMenu(QMenuBar& bar, QWidget& window, const QString& reportFile) {
    QMenu* help = bar.addMenu(QCoreApplication::translate("MenuBar", "ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    AddCommand(*help, window, QT_TRANSLATE_NOOP("MenuBar", "使い方(&U)"), "GuideAction",
               QKeySequence(Qt::Key_F1), [&window, reportFile] { ShowGuide(window, reportFile); });
    AddCommand(*help, window, QT_TRANSLATE_NOOP("MenuBar", "バージョン情報(&A)"), "AboutAction", {},
               [&window] { ShowAbout(window); });
}

}  // namespace

QMenuBar* BuildMenuBar(QWidget& window, const QString& reportFile, const MenuCommands& commands) {
    auto* bar = new QMenuBar(&window);
    bar->setObjectName(QStringLiteral("MenuBar"));
    AddFileMenu(*bar, window, commands);
    AddViewMenu(*bar, window, commands);
    AddHelpMenu(*bar, window, reportFile);
    return bar;
}

}  // namespace tidewell::window

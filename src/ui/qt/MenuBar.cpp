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

// ファイル: exporting the results goes here, above 終了.
void AddFileMenu(QMenuBar& bar, QWidget& window) {
    QMenu* file = bar.addMenu(QCoreApplication::translate("MenuBar", "ファイル(&F)"));
    file->setObjectName(QStringLiteral("FileMenu"));
    QAction* quit = file->addAction(QCoreApplication::translate("MenuBar", "終了(&X)"));
    quit->setObjectName(QStringLiteral("QuitAction"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(quit, &QAction::triggered, &window, &QWidget::close);
}

// A 表示 menu (chart, sensitivity) goes between ファイル and ヘルプ once it
// has entries.

void AddHelpMenu(QMenuBar& bar, QWidget& window, const QString& reportFile) {
    QMenu* help = bar.addMenu(QCoreApplication::translate("MenuBar", "ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    QAction* guide = help->addAction(QCoreApplication::translate("MenuBar", "使い方(&U)"));
    guide->setObjectName(QStringLiteral("GuideAction"));
    guide->setShortcut(QKeySequence(Qt::Key_F1));
    guide->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(guide, &QAction::triggered, &window,
                     [&window, reportFile] { ShowGuide(window, reportFile); });
    QAction* about = help->addAction(QCoreApplication::translate("MenuBar", "バージョン情報(&A)"));
    about->setObjectName(QStringLiteral("AboutAction"));
    QObject::connect(about, &QAction::triggered, &window, [&window] { ShowAbout(window); });
}

}  // namespace

QMenuBar* BuildMenuBar(QWidget& window, const QString& reportFile) {
    auto* bar = new QMenuBar(&window);
    bar->setObjectName(QStringLiteral("MenuBar"));
    AddFileMenu(*bar, window);
    AddHelpMenu(*bar, window, reportFile);
    return bar;
}

}  // namespace tidewell::window

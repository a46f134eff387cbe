#include "MessageBoxTest.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QtTest>

#include "ui/qt/QtMessageSink.h"

using tidewell::Message;

void MessageBoxTest::init() {
    Watchdog.Start();
}

void MessageBoxTest::cleanup() {
    Watchdog.Stop();
    QVERIFY2(!Watchdog.HasBitten(), qPrintable(Watchdog.Report()));
    QTRY_VERIFY2(QApplication::topLevelWidgets().isEmpty(), "a top-level window was left open");
}

void MessageBoxTest::showsModalBoxWithTitlePromptAndOkOnly_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("shownText");

    QTest::newRow("refused bay area") << "湾面積の入力制限"
                                      << "湾面積は1km2以上にしてください。"
                                      << "湾面積は1km2以上にしてください。";
    QTest::newRow("completion with line break") << "計算終了です！"
                                                << "計算結果(湾内平均水温)\r 17.7(℃)"
                                                << "計算結果(湾内平均水温)\n 17.7(℃)";
}

void MessageBoxTest::showsModalBoxWithTitlePromptAndOkOnly() {
    QFETCH(QString, title);
    QFETCH(QString, prompt);
    QFETCH(QString, shownText);

    QString seenTitle;
    QString seenText;
    int seenButtons = -1;
    QMessageBox::Icon seenIcon = QMessageBox::Critical;
    bool seenModal = false;
    // Poll until the box is up, read it, then press its one button.
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, &poll, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        poll.stop();
        seenTitle = box->windowTitle();
        seenText = box->text();
        seenButtons = static_cast<int>(box->buttons().size());
        seenIcon = box->icon();
        seenModal = box->isModal();
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        if (ok != nullptr)
            ok->click();
        else
            box->reject();
    });
    poll.start();

    tidewell::window::QtMessageSink sink;
    sink.Show(Message{title.toStdString(), prompt.toStdString()});

    QCOMPARE(seenTitle, title);
    QCOMPARE(seenText, shownText);
    QCOMPARE(seenButtons, 1);
    QCOMPARE(seenIcon, QMessageBox::NoIcon);
    QVERIFY(seenModal);
}

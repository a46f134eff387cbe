#include "HelpDialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QSettings>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWidget>
#include <QtGlobal>

#include "GuideText.h"
#include "ReportViewer.h"
#include "tidewell/Version.h"

namespace tidewell::window {
namespace {

QDialog* NewGuideWindow(QWidget& parent, const QString& reportFile) {
    auto* guide = new QDialog(&parent);
    guide->setObjectName(QStringLiteral("GuideBox"));
    guide->setWindowTitle(QCoreApplication::translate("HelpDialog", "使い方 - Tidewell"));
    guide->setAttribute(Qt::WA_DeleteOnClose);
    guide->setSizeGripEnabled(true);
    auto* browser = new QTextBrowser(guide);
    browser->setObjectName(QStringLiteral("GuideBrowser"));
    browser->setHtml(GuideText(reportFile));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, guide);
    QObject::connect(buttons, &QDialogButtonBox::rejected, guide, &QDialog::close);
    auto* layout = new QVBoxLayout(guide);
    layout->addWidget(browser, 1);
    layout->addWidget(buttons);
    const QFontMetrics metrics(browser->font());
    guide->resize(metrics.averageCharWidth() * 130, metrics.lineSpacing() * 40);
    return guide;
}

}  // namespace

QString ProgramVersion() {
    return QString::fromUtf8(kVersion.data(), static_cast<qsizetype>(kVersion.size()));
}

QString GuideText(const QString& reportFile) {
    return GuideHtml(FullReportPath(reportFile), QSettings().fileName());
}

QString AboutText() {
    return QCoreApplication::translate(
               "HelpDialog",
               "<h3>Tidewell Ver110</h3>"
               "<p>閉鎖性海域水温計算（簡易計算モデル）</p>"
               "<p>バージョン %1</p>"
               "<p>MIT ライセンス (MIT License)<br>Copyright (c) Tidewell developers</p>"
               "<p>Qt %2</p>")
        .arg(ProgramVersion(), QString::fromLatin1(qVersion()));
}

void ShowGuide(QWidget& parent, const QString& reportFile) {
    auto* guide =
        parent.findChild<QDialog*>(QStringLiteral("GuideBox"), Qt::FindDirectChildrenOnly);
    if (guide == nullptr)
        guide = NewGuideWindow(parent, reportFile);
    guide->show();
    guide->raise();
    guide->activateWindow();
}

void ShowAbout(QWidget& parent) {
    auto* box = new QMessageBox(QMessageBox::NoIcon,
                                QCoreApplication::translate("HelpDialog", "バージョン情報"),
                                AboutText(), QMessageBox::Ok, &parent);
    box->setObjectName(QStringLiteral("AboutBox"));
    box->setTextFormat(Qt::RichText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace tidewell::window

#include "HelpDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QWidget>
#include <QtGlobal>

#include "tidewell/Version.h"

namespace tidewell::window {
namespace {

void Open(QWidget& parent, const QString& objectName, const QString& title, const QString& text) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, &parent);
    box->setObjectName(objectName);
    box->setTextFormat(Qt::RichText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace

QString ProgramVersion() {
    return QString::fromUtf8(kVersion.data(), static_cast<qsizetype>(kVersion.size()));
}

QString GuideText(const QString& reportFile) {
    const QString path = QDir::toNativeSeparators(QDir::current().absoluteFilePath(reportFile));
    return QCoreApplication::translate(
               "HelpDialog",
               "<h3>Tidewell の使い方</h3>"
               "<p>閉鎖性海域（湾）の平均水温を、湾を5つの箱に分けた簡易計算モデルで求めます。</p>"
               "<p><b>基本条件</b>（白い欄は書き換えられます）</p><ul>"
               "<li>湾面積 (km2)、平均水深 (m)、湾口部長さ (km)</li>"
               "<li>外海水水温 (℃)、流入水水温 (℃)、流入水流量 (m3/秒)</li></ul>"
               "<p>黄色の欄は計算された値です：湾容積 (km3)、湾口部水深 (m、平均水深と同じ)、"
               "湾口部断面積 (km2)、流入負荷量 (℃/秒)。</p>"
               "<p><b>基本条件の変更</b>：湾口部断面積・流入水水温・流入水流量に掛ける倍率を"
               "一覧から選びます。</p>"
               "<p><b>水質指標</b></p><ul>"
               "<li>滞留時間 (日)：湾容積÷流入水流量。湾の水が流入水で入れ替わるまでの日数。</li>"
               "<li>閉鎖度：湾面積の平方根÷湾口部長さ。大きいほど閉じた湾です。</li>"
               "<li>流入負荷量÷湾容積 (℃/m3/日)：湾の水 1 m3 あたりに 1 "
               "日で流入水が運び込む熱。</li></ul>"
               "<p><b>計算開始</b>を押すと湾内平均水温 (℃) を求め、下の図の箱を水温の色で塗り、"
               "結果を次のファイルに書きます（文字コードは Shift_JIS / CP932）：<br><tt>%1</tt><br>"
               "プログラムを起動したフォルダーに書かれ、計算のたびに上書きされます。</p>"
               "<p><b>デフォルトに戻す</b>：最初の条件に戻します。</p>")
        .arg(path.toHtmlEscaped());
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
    Open(parent, QStringLiteral("GuideBox"), QCoreApplication::translate("HelpDialog", "使い方"),
         GuideText(reportFile));
}

void ShowAbout(QWidget& parent) {
    Open(parent, QStringLiteral("AboutBox"),
         QCoreApplication::translate("HelpDialog", "バージョン情報"), AboutText());
}

}  // namespace tidewell::window

#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tidewell::window {

// The report file's full path: relative names are taken from the folder the
// program was started in, where a calculation writes them.
QString FullReportPath(const QString& reportFile);

// 表示 → 報告書: the last report a calculation wrote, decoded from code page
// 932 and shown read-only in a fixed-pitch face, with its full path and a
// button that copies the text. Without a report, or with one that cannot be
// read, it says so in place of the text.
class ReportViewer final : public QDialog {
  public:
    ReportViewer(const QString& reportFile, QWidget* parent = nullptr);

    // Reads the file again (after a calculation).
    void Reload();
    // The report's text as shown; empty when there is none to show.
    QString Text() const;

  private:
    void CopyText();
    void WidenFor(const QString& text);

    QString Path;
    QLabel* PathLine = nullptr;
    QLabel* Problem = nullptr;
    QPlainTextEdit* Contents = nullptr;
    QPushButton* CopyButton = nullptr;
};

}  // namespace tidewell::window

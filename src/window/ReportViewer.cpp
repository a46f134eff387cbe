#include "ReportViewer.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "GothicFonts.h"
#include "QtText.h"
#include "WindowText.h"
#include "report/ReportReading.h"

namespace tidewell::window {

QString FullReportPath(const QString& reportFile) {
    return QDir::toNativeSeparators(QDir::current().absoluteFilePath(reportFile));
}

ReportViewer::ReportViewer(const QString& reportFile, QWidget* parent)
    : QDialog(parent), Path(FullReportPath(reportFile)) {
    UseGothicSubstitutes();
    setObjectName(QStringLiteral("ReportViewer"));
    setWindowTitle(QCoreApplication::translate("ReportViewer", "報告書 - Tidewell"));
    setFont(FontFor(ControlFont::Window));
    setSizeGripEnabled(true);

    PathLine = new QLabel(Path, this);
    PathLine->setObjectName(QStringLiteral("ReportPath"));
    PathLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    PathLine->setWordWrap(true);

    Problem = new QLabel(this);
    Problem->setObjectName(QStringLiteral("ReportProblem"));
    Problem->setWordWrap(true);
    Problem->setTextFormat(Qt::PlainText);

    Contents = new QPlainTextEdit(this);
    Contents->setObjectName(QStringLiteral("ReportText"));
    Contents->setReadOnly(true);
    Contents->setLineWrapMode(QPlainTextEdit::NoWrap);
    Contents->setFont(FixedPitchGothic());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    CopyButton = buttons->addButton(QCoreApplication::translate("ReportViewer", "コピー"),
                                    QDialogButtonBox::ActionRole);
    CopyButton->setObjectName(QStringLiteral("CopyReport"));
    connect(CopyButton, &QPushButton::clicked, this, &ReportViewer::CopyText);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PathLine);
    layout->addWidget(Problem);
    layout->addWidget(Contents, 1);
    layout->addWidget(buttons);

    // Wide enough for the report's longest line, 70 columns, and its 26 lines.
    const QFontMetrics metrics(Contents->font());
    resize(metrics.horizontalAdvance(QString(72, QLatin1Char('0'))) + 60,
           metrics.lineSpacing() * 28 + 120);
    Reload();
}

void ReportViewer::Reload() {
    const report::ReadReport read = report::ReadReportFile(Path.toStdString());
    Problem->setVisible(!read.Text);
    Contents->setVisible(read.Text.has_value());
    CopyButton->setEnabled(read.Text.has_value());
    if (read.Text) {
        // The last line's end would show as an empty line below it.
        QString text = ToQString(*read.Text);
        if (text.endsWith(QLatin1Char('\n')))
            text.chop(1);
        Contents->setPlainText(text);
        Problem->clear();
        return;
    }
    Contents->clear();
    const ShownMessage shown = MessageText(read.Problem);
    Problem->setText(shown.Title + QStringLiteral("\n\n") + shown.Prompt);
}

QString ReportViewer::Text() const {
    return Contents->toPlainText();
}

void ReportViewer::CopyText() {
    QApplication::clipboard()->setText(Text());
}

}  // namespace tidewell::window

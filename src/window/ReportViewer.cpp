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
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

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
    layout->addWidget(Problem, 1, Qt::AlignTop);
    layout->addWidget(Contents, 1);
    layout->addWidget(buttons);

    const QFontMetrics metrics(Contents->font());
    resize(metrics.horizontalAdvance(QString(80, QLatin1Char('0'))),
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
        WidenFor(text);
        return;
    }
    Contents->clear();
    const ShownMessage shown = MessageText(read.Problem);
    Problem->setText(shown.Title + QStringLiteral("\n\n") + shown.Prompt);
}

// Grows the window until the longest line shows whole; a report's columns
// line up only when nothing is cut off.
void ReportViewer::WidenFor(const QString& text) {
    const QFontMetrics metrics(Contents->font());
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int around = 2 * Contents->frameWidth() +
                       Contents->verticalScrollBar()->sizeHint().width() +
                       layout()->contentsMargins().left() + layout()->contentsMargins().right() +
                       2 * static_cast<int>(Contents->document()->documentMargin()) + 8;
    if (widest + around > width())
        resize(widest + around, height());
}

QString ReportViewer::Text() const {
    return Contents->toPlainText();
}

void ReportViewer::CopyText() {
    QApplication::clipboard()->setText(Text());
}

}  // namespace tidewell::window

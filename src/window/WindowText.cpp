#include "WindowText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <string>
#include <vector>

#include "QtText.h"

namespace tidewell::window {
namespace {

constexpr char kCaptionContext[] = "Controls";
constexpr char kModelContext[] = "ModelText";

// The model's lines with parts that vary, "%1" .. "%9" standing for each
// part. Where two patterns could match one line, the more particular comes
// first.
constexpr const char* kPatterns[] = {
    // progress and durations
    QT_TRANSLATE_NOOP("ModelText", "計算中です　%1 / %2 ステップ（%3%）"),
    QT_TRANSLATE_NOOP("ModelText", "残り%1"),
    QT_TRANSLATE_NOOP("ModelText", "計算に%1かかる見込みです。"),
    QT_TRANSLATE_NOOP("ModelText", "約%1日%2時間"),
    QT_TRANSLATE_NOOP("ModelText", "約%1日"),
    QT_TRANSLATE_NOOP("ModelText", "約%1時間%2分"),
    QT_TRANSLATE_NOOP("ModelText", "約%1時間"),
    QT_TRANSLATE_NOOP("ModelText", "約%1分%2秒"),
    QT_TRANSLATE_NOOP("ModelText", "約%1分"),
    QT_TRANSLATE_NOOP("ModelText", "約%1秒"),
    // files
    QT_TRANSLATE_NOOP("ModelText", "レポートファイル「%1」を書き込めませんでした。"),
    QT_TRANSLATE_NOOP("ModelText", "ケースファイル「%1」を開けません。"),
    QT_TRANSLATE_NOOP("ModelText", "ケースファイル「%1」を書き込めませんでした。"),
    QT_TRANSLATE_NOOP("ModelText", "「%1」の「%2」を受け付けません（%3: %4）"),
    QT_TRANSLATE_NOOP("ModelText", "「%1」の「%2」は一覧にありません"),
    QT_TRANSLATE_NOOP("ModelText", "「%1」は文字列でなければなりません"),
    QT_TRANSLATE_NOOP("ModelText", "「%1」は文字列か null でなければなりません"),
    QT_TRANSLATE_NOOP("ModelText", "キー「%1」がありません"),
    QT_TRANSLATE_NOOP("ModelText", "キー「%1」が二度あります"),
    QT_TRANSLATE_NOOP("ModelText", "知らないキー「%1」があります"),
    QT_TRANSLATE_NOOP("ModelText", "版 %1 のケースファイルには対応していません"),
    QT_TRANSLATE_NOOP("ModelText", "画像ファイル「%1」を保存できませんでした。"),
    QT_TRANSLATE_NOOP("ModelText", "CSVファイル「%1」を保存できませんでした。"),
    QT_TRANSLATE_NOOP("ModelText", "ファイル「%1」を書き込めませんでした。"),
    QT_TRANSLATE_NOOP("ModelText", "「%1」への変更を保存しますか？"),
    QT_TRANSLATE_NOOP("ModelText", "ケースファイル「%1」が見つかりません。"),
    // the result's tooltips
    QT_TRANSLATE_NOOP("ModelText", "セル%1：%2℃"),
    QT_TRANSLATE_NOOP("ModelText", "セル%1 %2 ℃（定常 %3 ℃）"),
    // the chart
    QT_TRANSLATE_NOOP("ModelText", "計算が不安定になったため、第%1日で停止しました。"),
    QT_TRANSLATE_NOOP("ModelText", "セル%1 定常"),
    QT_TRANSLATE_NOOP("ModelText", "セル%1"),
    QT_TRANSLATE_NOOP("ModelText", "%1　%2日　%3℃"),
};

// A pattern as a regular expression over a whole line, and which part
// each capture holds.
struct Pattern {
    const char* Source;
    QRegularExpression Match;
    std::vector<int> Parts;
};

std::vector<Pattern> CompilePatterns() {
    static const QRegularExpression kPart(QStringLiteral("%([1-9])"));
    std::vector<Pattern> compiled;
    for (const char* source : kPatterns) {
        const QString text = QString::fromUtf8(source);
        Pattern pattern{source, {}, {}};
        QString expression;
        qsizetype from = 0;
        for (const QRegularExpressionMatch& part : kPart.globalMatch(text)) {
            expression += QRegularExpression::escape(text.mid(from, part.capturedStart() - from));
            expression += QStringLiteral("(.+?)");
            pattern.Parts.push_back(part.captured(1).toInt());
            from = part.capturedEnd();
        }
        expression += QRegularExpression::escape(text.mid(from));
        pattern.Match.setPattern(QRegularExpression::anchoredPattern(expression));
        compiled.push_back(std::move(pattern));
    }
    return compiled;
}

// `translated` with each "%N" replaced by `parts[N]`, in one pass, so a
// part that itself holds "%N" is left alone.
QString FillIn(const QString& translated, const QStringList& parts) {
    QString filled;
    for (qsizetype n = 0; n < translated.size(); ++n) {
        const QChar c = translated[n];
        if (c == QLatin1Char('%') && n + 1 < translated.size()) {
            const int part = translated[n + 1].digitValue();
            if (part >= 1 && part < parts.size()) {
                filled += parts[part];
                ++n;
                continue;
            }
        }
        filled += c;
    }
    return filled;
}

QString LineText(const QString& line) {
    if (line.isEmpty())
        return line;
    const QByteArray source = line.toUtf8();
    const QString whole = QCoreApplication::translate(kModelContext, source.constData());
    if (whole != line)
        return whole;
    static const std::vector<Pattern> patterns = CompilePatterns();
    for (const Pattern& pattern : patterns) {
        const QRegularExpressionMatch match = pattern.Match.match(line);
        if (!match.hasMatch())
            continue;
        const QString translated = QCoreApplication::translate(kModelContext, pattern.Source);
        if (translated == QString::fromUtf8(pattern.Source))
            return line;
        QStringList parts(10);
        for (std::size_t n = 0; n < pattern.Parts.size(); ++n)
            parts[pattern.Parts[n]] = LineText(match.captured(static_cast<int>(n) + 1));
        return FillIn(translated, parts);
    }
    return line;
}

}  // namespace

QString CaptionText(std::string_view caption) {
    return QCoreApplication::translate(kCaptionContext, std::string(caption).c_str());
}

QString ModelText(std::string_view text) {
    if (text.empty())
        return ToQString(text);  // empty, not null, as any text would be
    // Messages break lines with CR, tooltips with LF.
    QStringList tipLines = ToQString(text).split(QLatin1Char('\n'));
    for (QString& tipLine : tipLines) {
        QStringList lines = tipLine.split(QLatin1Char('\r'));
        for (QString& line : lines)
            line = LineText(line);
        tipLine = lines.join(QLatin1Char('\r'));
    }
    return tipLines.join(QLatin1Char('\n'));
}

ShownMessage MessageText(const Message& message) {
    return {ModelText(message.Title), ModelText(message.Prompt)};
}

}  // namespace tidewell::window

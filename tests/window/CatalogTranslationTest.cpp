// Every text of the message catalog has a finished English translation in
// translations/tidewell_en.ts: the one written for its id in
// tests/golden/messages_en.tsv, so a translation copied from another entry fails.
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

#include "case/MessageCatalog.h"

namespace tidewell {
namespace {

struct Translation {
    QString Text;
    bool Finished = false;
};

// The messages of one context: source -> translation.
QHash<QString, Translation> ReadContext(const QString& path, const QString& context) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QHash<QString, Translation> found;
    QXmlStreamReader xml(&file);
    QString current, source;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name")
            current = xml.readElementText();
        else if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation" && current == context)
            found[source] = {xml.readElementText(), xml.attributes().value("type").isEmpty()};
    }
    return found;
}

// The hand-written English of each id, in id order: {title, prompt}.
QList<QStringList> ExpectedEnglish() {
    QFile file(QStringLiteral(TIDEWELL_GOLDEN_DIR "/messages_en.tsv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<QStringList> rows;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (!line.isEmpty() && !line.startsWith(u'#'))
            rows << line.split(u'\t').mid(1).replaceInStrings(QStringLiteral("\\n"), "\n");
    }
    return rows;
}

QSet<QString> Placeholders(const QString& text) {
    static const QRegularExpression kPlaceholder(QStringLiteral("%[1-9]"));
    QSet<QString> all;
    for (const QRegularExpressionMatch& match : kPlaceholder.globalMatch(text))
        all << match.captured();
    return all;
}

}  // namespace

class CatalogTranslation : public QObject {
    Q_OBJECT

  private slots:
    void everyCatalogTextHasAFinishedEnglishOne() {
        const auto english = ReadContext(QStringLiteral(TIDEWELL_EN_TS), kMessageContext);
        const QList<QStringList> expected = ExpectedEnglish();
        QVERIFY(!english.isEmpty());
        QCOMPARE(expected.size(), qsizetype(MessageCatalog().size()));
        for (const CatalogEntry& entry : MessageCatalog()) {
            const QStringList& row = expected[static_cast<qsizetype>(entry.Id)];
            QCOMPARE(row.size(), 2);
            for (int part = 0; part < 2; ++part) {
                const char* text = part == 0 ? entry.Title : entry.Prompt;
                if (*text == '\0') {
                    QCOMPARE(row[part], QString());
                    continue;
                }
                const QString source = QString::fromUtf8(text);
                const Translation found = english.value(source);
                QVERIFY2(found.Finished && !found.Text.isEmpty(), text);
                QVERIFY2(Placeholders(found.Text) == Placeholders(source), text);
                QCOMPARE(found.Text, row[part]);
            }
        }
    }
};

}  // namespace tidewell

QTEST_GUILESS_MAIN(tidewell::CatalogTranslation)
#include "CatalogTranslationTest.moc"

// Every text of the message catalog has a finished English translation in
// translations/tidewell_en.ts with the same placeholders.
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
        QVERIFY(!english.isEmpty());
        for (const CatalogEntry& entry : MessageCatalog()) {
            for (const char* text : {entry.Title, entry.Prompt}) {
                if (*text == '\0')
                    continue;
                const QString source = QString::fromUtf8(text);
                const Translation found = english.value(source);
                QVERIFY2(found.Finished && !found.Text.isEmpty(), text);
                QVERIFY2(Placeholders(found.Text) == Placeholders(source), text);
            }
        }
    }
};

}  // namespace tidewell

QTEST_GUILESS_MAIN(tidewell::CatalogTranslation)
#include "CatalogTranslationTest.moc"

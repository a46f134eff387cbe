#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tidewell::window {

Language LanguageOfLocale(const QString& name) {
    return QLocale(name).language() == QLocale::English ? Language::English : Language::Japanese;
}

Language SystemLanguage() {
    return LanguageOfLocale(QLocale::system().uiLanguages().value(0));
}

std::optional<Language> LanguageNamed(const QString& code) {
    if (code == QLatin1String("ja"))
        return Language::Japanese;
    if (code == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

bool UseLanguage(Language language) {
    static QTranslator english;
    static QTranslator qtJapanese;
    QCoreApplication::removeTranslator(&english);
    QCoreApplication::removeTranslator(&qtJapanese);
    if (language == Language::Japanese) {
        // Qt's own words (file dialogs, Yes/No, context menus) come in
        // English unless Qt's Japanese translation is loaded; without it
        // the window still works, partly in English.
        if (qtJapanese.isEmpty())
            (void)qtJapanese.load(QStringLiteral("qt_ja"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (!qtJapanese.isEmpty())
            QCoreApplication::installTranslator(&qtJapanese);
        return true;
    }
    if (english.isEmpty() && !english.load(QStringLiteral(":/i18n/tidewell_en.qm")))
        return false;
    return QCoreApplication::installTranslator(&english);
}

}  // namespace tidewell::window

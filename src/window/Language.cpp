#include "Language.h"

#include <QCoreApplication>
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
    QCoreApplication::removeTranslator(&english);
    if (language == Language::Japanese)
        return true;
    if (english.isEmpty() && !english.load(QStringLiteral(":/i18n/tidewell_en.qm")))
        return false;
    return QCoreApplication::installTranslator(&english);
}

}  // namespace tidewell::window

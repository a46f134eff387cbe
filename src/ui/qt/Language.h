#pragma once

#include <QString>
#include <optional>

class QLocale;

// The window's language. Japanese is the language the program is written
// in; English comes from the translation built into the program.
namespace tidewell::window {

enum class Language { Japanese, English };

// English for an English locale (LANG=en_US.UTF-8), Japanese for any other.
Language LanguageOfLocale(const QLocale& locale);

// The language a --lang value names: "ja" or "en"; nothing for any other.
std::optional<Language> LanguageNamed(const QString& code);

// Makes every text the window shows from now on appear in `language`. The
// application object must exist. Returns false if the translation is missing.
bool UseLanguage(Language language);

}  // namespace tidewell::window

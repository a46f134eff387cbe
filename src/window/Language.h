#pragma once

#include <QString>
#include <optional>

// The window's language. Japanese is the language the program is written
// in; English comes from the translation built into the program.
namespace tidewell::window {

enum class Language { Japanese, English };

// English for an English locale name ("en", "en_US", "en-GB"), Japanese for
// any other.
Language LanguageOfLocale(const QString& name);
// The language of the messages locale the program was started under:
// LANG=en_US.UTF-8 gives English (as LANGUAGE, LC_ALL or LC_MESSAGES would).
Language SystemLanguage();

// The language a --lang value names: "ja" or "en"; nothing for any other.
std::optional<Language> LanguageNamed(const QString& code);

// Makes every text the window shows from now on appear in `language`. The
// application object must exist. Returns false if the translation is missing.
bool UseLanguage(Language language);

}  // namespace tidewell::window

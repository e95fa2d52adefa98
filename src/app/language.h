#pragma once

#include <QProcessEnvironment>
#include <QString>

#include <optional>

namespace coinwell {

enum class Language { English, Japanese };

// The language the locale asks for: that of LC_ALL, else of LC_MESSAGES,
// else of LANG, the first one set; Japanese for ja, ja_JP.UTF-8 and the
// like, English for anything else.
Language localeLanguage(const QProcessEnvironment& environment);

// The language a value of --lang names: "en" or "ja"; none for any other.
std::optional<Language> languageNamed(const QString& name);

// Puts the program's own texts and Qt's (OK, Cancel) into the language;
// English, the language the program is written in, needs nothing. Returns false when the program's texts are missing.
bool installTranslations(Language language);

}  // namespace coinwell

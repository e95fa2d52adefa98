#pragma once

#include <QCommandLineOption>
#include <QProcessEnvironment>
#include <QStringList>

#include <optional>

namespace coinwell {

enum class Language { English, Japanese };

// The option that chooses the language: --lang en or --lang ja.
QCommandLineOption languageOption();

// The language the locale asks for: that of LC_ALL, else of LC_MESSAGES,
// else of LANG, the first one set; Japanese for ja, ja_JP.UTF-8 and the
// like, English for anything else.
Language localeLanguage(const QProcessEnvironment& environment);

// The language a value of --lang names: "en" or "ja"; none for any other.
std::optional<Language> languageNamed(const QString& name);

// The language --lang names among the program's arguments, else the
// locale's. None when --lang names a language the program does not speak.
std::optional<Language> selectLanguage(const QStringList& arguments, const QProcessEnvironment& environment);

// Puts the program's own texts and Qt's (OK, Cancel, the command line's
// help) into the language; English, the language the program is written
// in, needs nothing. Returns false when the program's texts are missing.
bool installTranslations(Language language);

}  // namespace coinwell

#pragma once

#include <QString>

#include <optional>

namespace coinwell {

enum class Language { English, Japanese };

// The language a value of --lang names: "en" or "ja"; none for any other.
std::optional<Language> languageNamed(const QString& name);

// Puts the program's own texts and Qt's (OK, Cancel) into the language;
// English, the language the program is written in, needs nothing. Returns false when the program's texts are missing.
bool installTranslations(Language language);

}  // namespace coinwell

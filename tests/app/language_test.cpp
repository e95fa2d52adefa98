// The language chosen from the command line and the locale. The end-to-end
// test starts the program in Japanese.
#include "app/language.h"

#include <gtest/gtest.h>

namespace coinwell {
namespace {

TEST(selectLanguage, TakesLangThenLcAllThenLcMessagesThenLang)
{
    constexpr auto kEnglish = Language::English;
    constexpr auto kJapanese = Language::Japanese;
    const struct {
        const char* what;
        QStringList arguments;
        std::vector<std::pair<QString, QString>> environment;
        std::optional<Language> language;
    } cases[] = {
        {"nothing set", {}, {}, kEnglish},
        {"a Japanese locale", {}, {{"LANG", "ja_JP.UTF-8"}}, kJapanese},
        {"another language", {}, {{"LANG", "de_DE.UTF-8"}}, kEnglish},
        {"LC_MESSAGES before LANG", {}, {{"LANG", "ja_JP.UTF-8"}, {"LC_MESSAGES", "C"}}, kEnglish},
        {"LC_ALL before both", {}, {{"LC_MESSAGES", "en_GB"}, {"LC_ALL", "ja_JP.eucJP"}}, kJapanese},
        {"an empty variable counts as unset", {}, {{"LC_ALL", ""}, {"LANG", "ja"}}, kJapanese},
        {"--lang en over the locale", {"--lang", "en"}, {{"LANG", "ja_JP.UTF-8"}}, kEnglish},
        {"--lang=ja", {"--lang=ja"}, {{"LANG", "C"}}, kJapanese},
        {"among other options", {"--seed", "3", "--lang", "ja", "-x"}, {}, kJapanese},
        {"a language not spoken", {"--lang", "fr"}, {{"LANG", "ja_JP.UTF-8"}}, std::nullopt},
    };
    for (const auto& c : cases) {
        QProcessEnvironment environment;
        for (const auto& [name, value] : c.environment) {
            environment.insert(name, value);
        }
        EXPECT_EQ(selectLanguage(QStringList{"coinwell"} + c.arguments, environment), c.language) << c.what;
    }
}

}  // namespace
}  // namespace coinwell

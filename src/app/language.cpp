#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace coinwell {

Language localeLanguage(const QProcessEnvironment& environment)
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment.value(QLatin1String(variable));
        if (!value.isEmpty()) {
            return value == u"ja" || value.startsWith(u"ja_") || value.startsWith(u"ja.") ? Language::Japanese
                                                                                         : Language::English;
        }
    }
    return Language::English;
}

std::optional<Language> languageNamed(const QString& name)
{
    if (name == u"en") {
        return Language::English;
    }
    if (name == u"ja") {
        return Language::Japanese;
    }
    return std::nullopt;
}

bool installTranslations(Language language)
{
    if (language == Language::English) {
        auto* plurals = new QTranslator(QCoreApplication::instance());
        return plurals->load(QStringLiteral(":/i18n/coinwell_en.qm")) && QCoreApplication::installTranslator(plurals);
    }
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    }
    auto* program = new QTranslator(QCoreApplication::instance());
    return program->load(QStringLiteral(":/i18n/coinwell_ja.qm")) && QCoreApplication::installTranslator(program);
}

}  // namespace coinwell

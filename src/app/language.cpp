#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace coinwell {

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

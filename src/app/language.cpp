#include "app/language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace coinwell {
namespace {

// Texts of Qt's own that its Japanese translation lacks, translated with the
// program's.
[[maybe_unused]] constexpr const char* kQtTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
};

}  // namespace

QCommandLineOption languageOption()
{
    return QCommandLineOption(
        QStringLiteral("lang"),
        QCoreApplication::translate("coinwell::Language", "Shows the program in <language>: en (English) or ja "
                                                          "(Japanese). Without it, the locale's language."),
        QStringLiteral("language"));
}

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

std::optional<Language> selectLanguage(const QStringList& arguments, const QProcessEnvironment& environment)
{
    // Only --lang is looked at here; the program's other options are
    // parsed once the language is known, so that their help is in it.
    QCommandLineParser parser;
    const QCommandLineOption option = languageOption();
    parser.addOption(option);
    parser.parse(arguments);
    if (!parser.isSet(option)) {
        return localeLanguage(environment);
    }
    return languageNamed(parser.value(option));
}

bool installTranslations(Language language)
{
    if (language == Language::English) {
        return true;
    }
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    }
    auto* program = new QTranslator(QCoreApplication::instance());
    return program->load(QStringLiteral(":/i18n/coinwell_ja.qm")) && QCoreApplication::installTranslator(program);
}

}  // namespace coinwell

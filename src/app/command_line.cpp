#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <limits>

namespace coinwell {
namespace {

// Gives the texts of this file their context for translators.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(coinwell::CommandLine)
};

struct OptionName {
    char16_t shortName;  // u'\0' for none
    const char16_t* longName;
    bool takesValue;
};

constexpr OptionName kOptions[] = {
    {u'g', u"guests", true}, {u'e', u"experiments", true}, {u's', u"seed", true},   {u'\0', u"csv", true},
    {u'\0', u"lang", true},  {u'h', u"help", false},       {u'?', u"help", false},       {u'\0', u"help-all", false},
    {u'v', u"version", false},
};

// Plain decimal digits and nothing else: no sign, blank or exponent, which a
// script would more likely have got wrong than meant.
std::optional<std::uint64_t> wholeNumber(const QString& text)
{
    const bool digitsOnly = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= u'0' && c <= u'9';
    });
    if (!digitsOnly) {
        return std::nullopt;
    }
    const QByteArray digits = text.toLatin1();
    std::uint64_t number = 0;
    const auto [end, error] = std::from_chars(digits.constData(), digits.constData() + digits.size(), number);
    return error == std::errc() ? std::optional(number) : std::nullopt;  // too large otherwise
}

QString allowed(const QString& option)
{
    if (option == u"csv") {
        return Text::tr("a file name, or - for standard output");
    }
    if (option == u"lang") {
        return Text::tr("en (English) or ja (Japanese)");
    }
    const core::CountRange range = option == u"guests" ? core::kGuestRange : core::kBatchExperimentRange;
    const auto number = [](auto value) { return QString::number(value); };
    return Text::tr("--%1 takes a whole number from %2 to %3")
        .arg(option, option == u"seed" ? number(0) : number(range.lowest),
             option == u"seed" ? number(std::numeric_limits<std::uint64_t>::max()) : number(range.highest));
}

QString optionList()
{
    return Text::tr("the options are --guests, --experiments, --seed, --csv, --lang, --help and --version");
}

}  // namespace

Options parseCommandLine(const QStringList& arguments)
{
    Options options;
    // An argument that is not an option the program has, or lacks its value,
    // counts before a value not allowed, which --help and --version pass over.
    std::optional<ArgumentError> badArgument;
    std::optional<ArgumentError> badValue;
    const auto fail = [&](ArgumentError::Kind kind, const QString& option, const QString& given) {
        const bool ofValue = kind == ArgumentError::Kind::BadNumber || kind == ArgumentError::Kind::EmptyCsvName ||
                             kind == ArgumentError::Kind::MissingOption;
        std::optional<ArgumentError>& first = ofValue ? badValue : badArgument;
        if (!first) {
            first = ArgumentError{kind, option, given};
        }
    };
    bool optionsEnded = false;
    bool help = false;
    bool version = false;
    bool batch = false;
    std::optional<std::int32_t> guests;
    std::optional<std::int32_t> experiments;

    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        // -g 10, -g10, --guests 10 and --guests=10 are the same.
        const OptionName* option = nullptr;
        std::optional<QString> inlineValue;
        if (argument == u"--" && !optionsEnded) {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !argument.startsWith(u'-') || argument.size() < 2) {
            fail(ArgumentError::Kind::UnexpectedArgument, {}, argument);
            continue;
        }
        if (argument.startsWith(u"--")) {
            const qsizetype equals = argument.indexOf(u'=');
            const QString name = argument.mid(2, equals < 0 ? -1 : equals - 2);
            if (equals >= 0) {
                inlineValue = argument.mid(equals + 1);
            }
            for (const OptionName& known : kOptions) {
                option = name == known.longName ? &known : option;
            }
        } else {
            for (const OptionName& known : kOptions) {
                option = known.shortName != u'\0' && argument[1] == known.shortName ? &known : option;
            }
            if (argument.size() > 2) {
                inlineValue = argument.mid(2);
            }
        }
        if (option == nullptr || (inlineValue && !option->takesValue)) {
            fail(ArgumentError::Kind::UnknownOption, {}, argument.startsWith(u"--") ? argument.section(u'=', 0, 0) : argument);
            continue;
        }
        const QString name = QString::fromUtf16(option->longName);
        if (!option->takesValue) {
            (name.startsWith(u"help") ? help : version) = true;
            continue;
        }
        if (!inlineValue && i + 1 >= arguments.size()) {
            fail(ArgumentError::Kind::MissingValue, name, argument);
            continue;
        }
        const QString value = inlineValue ? *inlineValue : arguments[++i];
        bool valid = true;
        if (name == u"lang") {
            options.language = languageNamed(value);
            valid = options.language.has_value();
        } else if (name == u"seed") {
            options.seed = wholeNumber(value);
            valid = options.seed.has_value();
        } else if (name == u"csv") {
            batch = true;
            options.csvPath = value;
            valid = !value.isEmpty();
        } else {
            // A count is accepted by the same rule as a setting typed in the window.
            batch = true;
            std::optional<std::int32_t>& count = name == u"guests" ? guests : experiments;
            const std::optional<std::uint64_t> number = wholeNumber(value);
            count = number ? core::acceptCount(static_cast<double>(*number),
                                               name == u"guests" ? core::kGuestRange : core::kBatchExperimentRange)
                           : std::nullopt;
            valid = count.has_value();
        }
        if (!valid) {
            fail(name == u"lang"  ? ArgumentError::Kind::BadLanguage
                 : name == u"csv" ? ArgumentError::Kind::EmptyCsvName
                                  : ArgumentError::Kind::BadNumber,
                 name, value);
        }
    }

    if (help) {
        options.action = Options::Action::ShowHelp;
    } else if (version) {
        options.action = Options::Action::ShowVersion;
    } else if (batch) {
        options.action = Options::Action::RunBatch;
        for (const auto& [count, needed] : {std::pair{guests, u"guests"}, std::pair{experiments, u"experiments"}}) {
            if (!count) {
                fail(ArgumentError::Kind::MissingOption, QString::fromUtf16(needed), {});
            }
        }
        options.settings = {guests.value_or(0), experiments.value_or(0)};
    }
    options.error = badArgument ? badArgument : help || version ? std::nullopt : badValue;
    return options;
}

QString describe(const ArgumentError& error)
{
    using Kind = ArgumentError::Kind;
    switch (error.kind) {
    case Kind::UnknownOption:
        return Text::tr("unknown option '%1': %2").arg(error.given, optionList());
    case Kind::UnexpectedArgument:
        return Text::tr("unexpected argument '%1': %2").arg(error.given, optionList());
    case Kind::MissingValue:
        return Text::tr("%1 is missing its value: %2").arg(error.given, allowed(error.option));
    case Kind::BadNumber:
        return Text::tr("%1, not '%2'").arg(allowed(error.option), error.given);
    case Kind::BadLanguage:
        return Text::tr("--lang takes %1, not '%2'").arg(allowed(error.option), error.given);
    case Kind::EmptyCsvName:
        return Text::tr("--csv takes a file name, or - for standard output, not an empty name");
    case Kind::MissingOption:
        return Text::tr("a run without a window needs --%1: %2").arg(error.option, allowed(error.option));
    }
    return {};
}

// Texts of Qt's own parser that its Japanese translation lacks, translated
// with the program's.
[[maybe_unused]] constexpr const char* kParserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
};

// Qt's own parser writes the help, as it lays options out and wraps them;
// the arguments were read above.
QString helpText()
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Text::tr("How many 500-yen coins should the secretary of a class meeting have ready as change? Coinwell "
                 "simulates the guests' coin tosses and compares the shortages with their exact law.\n\n"
                 "Without --guests and --experiments it opens its window. With them it runs without any "
                 "display, prints a report and exits."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {{"g", "guests"},
         Text::tr("Runs without a window, with G guests (%1 to %2).")
             .arg(core::kGuestRange.lowest)
             .arg(core::kGuestRange.highest),
         "G"},
        {{"e", "experiments"},
         Text::tr("Runs without a window, with E experiments (%1 to %2).")
             .arg(core::kBatchExperimentRange.lowest)
             .arg(core::kBatchExperimentRange.highest),
         "E"},
        {{"s", "seed"},
         Text::tr("Makes every run follow from the seed N (0 to %1) instead of the time of day: the same seed, "
                  "settings and clicks give the same graph.")
             .arg(std::numeric_limits<std::uint64_t>::max()),
         "N"},
        {"csv",
         Text::tr("With --guests and --experiments: writes the table of counts to FILE as CSV, or with - to "
                  "standard output (the report then goes to standard error)."),
         "FILE"},
        {"lang",
         Text::tr("Shows the program in <language>: en (English) or ja (Japanese). Without it, the locale's "
                  "language."),
         "language"},
    });
    // The usage line names the program as it was started; it shows its name.
    return parser.helpText().replace(QCoreApplication::arguments().constFirst(), QCoreApplication::applicationName());
}

}  // namespace coinwell

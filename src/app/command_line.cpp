#include "app/command_line.h"

#include "core/read_number.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <limits>

namespace coinwell {
namespace {

// Gives the texts of this file their context for translators.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(coinwell::CommandLine)
};

// Texts of Qt's own parser that its Japanese translation lacks, translated
// with the program's.
[[maybe_unused]] constexpr const char* kParserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
};

// The options that take a value, as --help lists them.
QList<QCommandLineOption> valueOptions()
{
    return {
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
        {"coin-share",
         Text::tr("With --guests and --experiments: P percent of the guests (%1 to %2) pay with a 500-yen coin, "
                  "instead of half of them.")
             .arg(core::kCoinShareRange.lowest)
             .arg(core::kCoinShareRange.highest),
         "P"},
        {{"s", "seed"},
         Text::tr("Makes every run follow from the seed N (0 to %1) instead of the time of day: the same seed, "
                  "settings and clicks give the same graph.")
             .arg(std::numeric_limits<std::uint64_t>::max()),
         "N"},
        {"csv",
         Text::tr("With --guests and --experiments: writes the table of counts to FILE as CSV, or with - to "
                  "standard output (the report then goes to standard error)."),
         "FILE"},
        {"trace",
         Text::tr("With --guests and --experiments: writes the running average, its standard error and the coins "
                  "to have ready after 1, 2, 5, 10, 20, 50, ... experiments and the whole run to FILE as CSV."),
         "FILE"},
        {"class",
         Text::tr("With --guests and --experiments: reads the meetings a class held with real coins from FILE, one "
                  "shortage or one meeting's tosses (H and T) each, and sets them beside the run and the exact law."),
         "FILE"},
        {"lang",
         Text::tr("Shows the program in <language>: en (English) or ja (Japanese). Without it, the locale's "
                  "language."),
         "language"},
    };
}

// Every option the program has, for reading the arguments and, in the
// language installed by then, for --help.
void addOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        Text::tr("How many 500-yen coins should the secretary of a class meeting have ready as change? Coinwell "
                 "simulates the guests' coin tosses and compares the shortages with their exact law.\n\n"
                 "Without --guests and --experiments it opens its window. With them it runs without any "
                 "display, prints a report and exits."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption questionMark(QStringLiteral("?"));  // help too, as on Windows
    questionMark.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(questionMark);
    parser.addOptions(valueOptions());
}

// The range of a counting option's value.
core::CountRange rangeOf(const QString& option)
{
    return option == u"guests"       ? core::kGuestRange
           : option == u"coin-share" ? core::kCoinShareRange
                                     : core::kBatchExperimentRange;
}

QString allowed(const QString& option)
{
    if (option == u"csv") {
        return Text::tr("a file name, or - for standard output");
    }
    if (option == u"trace" || option == u"class") {
        return Text::tr("a file name");
    }
    if (option == u"lang") {
        return Text::tr("en (English) or ja (Japanese)");
    }
    const core::CountRange range = rangeOf(option);
    const auto number = [](auto value) { return QString::number(value); };
    return Text::tr("--%1 takes a whole number from %2 to %3")
        .arg(option, option == u"seed" ? number(0) : number(range.lowest),
             option == u"seed" ? number(std::numeric_limits<std::uint64_t>::max()) : number(range.highest));
}

QString optionList()
{
    return Text::tr("the options are --guests, --experiments, --coin-share, --seed, --csv, --trace, --class, --lang, --help "
                    "and --version");
}

// An option as typed: Qt's parser gives its name without the dashes.
QString withDashes(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

}  // namespace

Options parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    addOptions(parser);
    const bool parsed = parser.parse(arguments);

    Options options;
    // An argument that is not an option the program has, or lacks its value,
    // counts before a value not allowed, which --help and --version pass over.
    std::optional<ArgumentError> badArgument;
    std::optional<ArgumentError> badValue;
    const auto fail = [&](ArgumentError::Kind kind, const QString& option, const QString& given) {
        const bool ofValue = kind == ArgumentError::Kind::BadNumber || kind == ArgumentError::Kind::EmptyFileName ||
                             kind == ArgumentError::Kind::MissingOption;
        std::optional<ArgumentError>& first = ofValue ? badValue : badArgument;
        if (!first) {
            first = ArgumentError{kind, option, given};
        }
    };
    if (!parser.unknownOptionNames().isEmpty()) {
        fail(ArgumentError::Kind::UnknownOption, {}, withDashes(parser.unknownOptionNames().constFirst()));
    }
    if (!parser.positionalArguments().isEmpty()) {
        fail(ArgumentError::Kind::UnexpectedArgument, {}, parser.positionalArguments().constFirst());
    }
    const bool help = parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
                      parser.isSet(QStringLiteral("?"));
    const bool version = parser.isSet(QStringLiteral("version"));
    bool batch = false;
    std::optional<std::int32_t> guests;
    std::optional<std::int32_t> experiments;
    std::optional<std::int32_t> coinShare = core::kFairPercent;

    // The options in the order given, each with its next value; -g 10, -g10,
    // --guests 10 and --guests=10 are the same.
    const QList<QCommandLineOption> valued = valueOptions();
    QHash<QString, qsizetype> valuesRead;
    for (const QString& given : parser.optionNames()) {
        const auto option = std::find_if(valued.begin(), valued.end(),
                                         [&](const QCommandLineOption& known) { return known.names().contains(given); });
        if (option == valued.end()) {
            continue;  // --help or --version
        }
        const QString name = option->names().constLast();
        const qsizetype index = valuesRead[name]++;
        if (index == parser.values(name).size()) {  // the last argument, with nothing after it
            fail(ArgumentError::Kind::MissingValue, name, withDashes(given));
            continue;
        }
        const QString value = parser.values(name).at(index);
        bool valid = true;
        if (name == u"lang") {
            options.language = languageNamed(value);
            valid = options.language.has_value();
        } else if (name == u"seed") {
            options.seed = core::readWholeNumber(value.toStdString());
            valid = options.seed.has_value();
        } else if (name == u"csv") {
            batch = true;
            options.csvPath = value;
            valid = !value.isEmpty();
        } else if (name == u"trace" || name == u"class") {
            batch = true;
            (name == u"trace" ? options.tracePath : options.classPath) = value;
            valid = !value.isEmpty();
        } else {
            // A count is accepted by the same rule as a setting typed in the window.
            batch = true;
            std::optional<std::int32_t>& count = name == u"guests" ? guests : name == u"coin-share" ? coinShare : experiments;
            const std::optional<std::uint64_t> number = core::readWholeNumber(value.toStdString());
            count = number ? core::acceptCount(static_cast<double>(*number), rangeOf(name)) : std::nullopt;
            valid = count.has_value();
        }
        if (!valid) {
            fail(name == u"lang"  ? ArgumentError::Kind::BadLanguage
                 : name == u"csv" || name == u"trace" || name == u"class" ? ArgumentError::Kind::EmptyFileName
                                  : ArgumentError::Kind::BadNumber,
                 name, value);
        }
    }
    if (!parsed && !badArgument) {
        // What is left is a value given to an option that takes none, as in
        // --help=1, which Qt names in its message.
        fail(ArgumentError::Kind::UnknownOption, {}, parser.errorText().section(u'\'', 1, 1));
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
        options.settings = {guests.value_or(0), experiments.value_or(0), coinShare.value_or(core::kFairPercent)};
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
    case Kind::EmptyFileName:
        return error.option == u"csv" ? Text::tr("--csv takes a file name, or - for standard output, not an empty name")
                                      : Text::tr("--%1 takes a file name, not an empty name").arg(error.option);
    case Kind::MissingOption:
        return Text::tr("a run without a window needs --%1: %2").arg(error.option, allowed(error.option));
    }
    return {};
}

QString helpText()
{
    QCommandLineParser parser;
    addOptions(parser);
    // The usage line names the program as it was started; it shows its name.
    return parser.helpText().replace(QCoreApplication::arguments().constFirst(), QCoreApplication::applicationName());
}

}  // namespace coinwell

#include "app/command_line.h"

#include "app/language.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <limits>

namespace coinwell {
namespace {

// Gives the texts of this file their context for translators.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(coinwell::CommandLine)
};

// An option that takes a whole number, with the range it allows.
struct NumberOption {
    QCommandLineOption option;
    std::uint64_t lowest;
    std::uint64_t highest;

    QString allowed() const
    {
        return Text::tr("--%1 takes a whole number from %2 to %3").arg(option.names().last()).arg(lowest).arg(highest);
    }

    // The value, or an error line.
    std::variant<std::uint64_t, QString> read(const QCommandLineParser& parser) const
    {
        const QString text = parser.value(option);
        bool ok = false;
        const qulonglong number = text.toULongLong(&ok, 10);
        if (!ok || number < lowest || number > highest || text.trimmed().startsWith(u'+')) {
            return Text::tr("%1, not '%2'").arg(allowed(), text);
        }
        return std::uint64_t{number};
    }
};

}  // namespace

std::variant<CommandLine, QString> parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Text::tr("How many 500-yen coins should the secretary of a class meeting have ready as change? Coinwell "
           "simulates the guests' coin tosses and compares the shortages with their exact law.\n\n"
           "Without --guests and --experiments it opens its window. With them it runs without any display, "
           "prints a report and exits."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const NumberOption guests{{{"g", "guests"}, Text::tr("Runs without a window, with G guests (10 to 1000)."), "G"},
                              engine::Settings::kMinGuestCount,
                              engine::Settings::kMaxCount};
    const NumberOption experiments{
        {{"e", "experiments"}, Text::tr("Runs without a window, with E experiments (1 to 10000000)."), "E"},
        engine::Settings::kMinExperimentCount,
        engine::Settings::kMaxBatchExperimentCount};
    const NumberOption seed{{{"s", "seed"},
                             Text::tr("Makes every run follow from the seed N (0 to 18446744073709551615) instead of "
                                "the time of day: the same seed, settings and clicks give the same graph."),
                             "N"},
                            0,
                            std::numeric_limits<std::uint64_t>::max()};
    const QCommandLineOption csv(
        "csv", Text::tr("With --guests and --experiments: writes the table of counts to FILE as CSV, or with - to "
                  "standard output (the report then goes to standard error)."),
        "FILE");
    for (const NumberOption* option : {&guests, &experiments, &seed}) {
        parser.addOption(option->option);
    }
    parser.addOption(csv);
    const QCommandLineOption language = languageOption();  // chosen before this, for the language of what follows
    parser.addOption(language);

    const QString optionList =
        Text::tr("the options are --guests, --experiments, --seed, --csv, --lang, --help and --version");
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty()) {
            const QString name = parser.unknownOptionNames().first();
            return Text::tr("unknown option '%1%2': %3").arg(name.size() == 1 ? "-" : "--", name, optionList);
        }
        // The only other failure: an option that takes a value came last.
        const QString last = arguments.last();
        for (const NumberOption* option : {&guests, &experiments, &seed}) {
            if (option->option.names().contains(QString(last).remove(0, last.startsWith("--") ? 2 : 1))) {
                return Text::tr("%1 is missing its value: %2").arg(last, option->allowed());
            }
        }
        return Text::tr("--csv is missing its value: a file name, or - for standard output");
    }
    if (!parser.positionalArguments().isEmpty()) {
        return Text::tr("unexpected argument '%1': %2").arg(parser.positionalArguments().first(), optionList);
    }

    if (parser.isSet(language) && !languageNamed(parser.value(language))) {
        return Text::tr("--lang takes en (English) or ja (Japanese), not '%1'").arg(parser.value(language));
    }

    CommandLine command;
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        command.action = CommandLine::Action::ShowHelp;
        // The usage line names the program as it was started, or a
        // placeholder before an application object exists; it shows its name.
        const QString started = QCoreApplication::instance() != nullptr ? QCoreApplication::arguments().constFirst()
                                                                         : QStringLiteral("<executable_name>");
        command.text = parser.helpText().replace(started, QCoreApplication::applicationName());
        return command;
    }
    if (parser.isSet(version)) {
        command.action = CommandLine::Action::ShowVersion;
        command.text = QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n';
        return command;
    }
    std::uint64_t numbers[3] = {};
    const NumberOption* options[3] = {&guests, &experiments, &seed};
    for (int i = 0; i < 3; ++i) {
        if (!parser.isSet(options[i]->option)) {
            continue;
        }
        const auto number = options[i]->read(parser);
        if (const QString* error = std::get_if<QString>(&number)) {
            return *error;
        }
        numbers[i] = std::get<std::uint64_t>(number);
    }
    if (parser.isSet(seed.option)) {
        command.seed = numbers[2];
    }
    const bool batch = parser.isSet(guests.option) || parser.isSet(experiments.option) || parser.isSet(csv);
    if (!batch) {
        return command;
    }
    for (const NumberOption* needed : {&guests, &experiments}) {
        if (!parser.isSet(needed->option)) {
            return Text::tr("a run without a window needs --%1: %2")
                .arg(needed->option.names().last(), needed->allowed());
        }
    }
    command.csvPath = parser.value(csv);
    if (parser.isSet(csv) && command.csvPath.isEmpty()) {
        return Text::tr("--csv takes a file name, or - for standard output, not an empty name");
    }
    command.action = CommandLine::Action::RunBatch;
    command.settings.guestCount = static_cast<std::int16_t>(numbers[0]);
    command.settings.experimentCount = static_cast<std::int32_t>(numbers[1]);
    return command;
}

}  // namespace coinwell

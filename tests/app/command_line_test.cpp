// The command line read in one pass. The batch test runs the real program on
// more wrong arguments and in each locale; the end-to-end test starts it in
// Japanese.
#include "app/command_line.h"
#include "app/language.h"

#include <gtest/gtest.h>

namespace coinwell {
namespace {

TEST(parseCommandLine, ReadsEveryArgumentOnceAndKeepsTheFirstError)
{
    using Action = Options::Action;
    using Kind = ArgumentError::Kind;
    const struct {
        QStringList arguments;
        Action action;
        std::optional<Language> language;
        std::optional<Kind> error;
        QString erring;  // the option or argument named by the error
        core::Settings settings;
    } cases[] = {
        {{}, Action::OpenWindow, std::nullopt, std::nullopt, {}, {}},
        {{"--lang=ja", "--seed", "3"}, Action::OpenWindow, Language::Japanese, std::nullopt, {}, {}},
        {{"-g", "10", "--experiments=7"}, Action::RunBatch, std::nullopt, std::nullopt, {}, {10, 7}},
        {{"--guests", "1000", "-e", "10000000"}, Action::RunBatch, std::nullopt, std::nullopt, {}, {1000, 10'000'000}},
        {{"-g100", "-e5"}, Action::RunBatch, std::nullopt, std::nullopt, {}, {100, 5}},
        {{"--help", "-g", "5"}, Action::ShowHelp, std::nullopt, std::nullopt, {}, {}},  // help wins over a value
        {{"--help-all"}, Action::ShowHelp, std::nullopt, std::nullopt, {}, {}},
        {{"-?"}, Action::ShowHelp, std::nullopt, std::nullopt, {}, {}},
        {{"--version", "-g", "x", "-z"}, Action::ShowVersion, std::nullopt, Kind::UnknownOption, "-z", {}},
        {{"-g", "5", "-z"}, Action::RunBatch, std::nullopt, Kind::UnknownOption, "-z", {}},  // before the value
        {{"--", "-g"}, Action::OpenWindow, std::nullopt, Kind::UnexpectedArgument, "-g", {}},
        // --lang counts wherever it stands, for the language of the error.
        {{"-x", "--lang", "ja"}, Action::OpenWindow, Language::Japanese, Kind::UnknownOption, "-x", {}},
        {{"--seed", "3", "--lang", "ja", "-x"}, Action::OpenWindow, Language::Japanese, Kind::UnknownOption, "-x", {}},
        {{"--help=1"}, Action::ShowHelp, std::nullopt, Kind::UnknownOption, "--help", {}},
        {{"-g", "10.5", "-e", "1"}, Action::RunBatch, std::nullopt, Kind::BadNumber, "10.5", {}},
        // A value that looks like an option is still the value.
        {{"--guests", "--experiments", "5"}, Action::RunBatch, std::nullopt, Kind::UnexpectedArgument, "5", {}},
        {{"--experiments", "5", "--guests"}, Action::RunBatch, std::nullopt, Kind::MissingValue, "--guests", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Options options = parseCommandLine(QStringList{"coinwell"} + c.arguments);
        EXPECT_EQ(options.action, c.action);
        EXPECT_EQ(options.language, c.language);
        ASSERT_EQ(options.error.has_value(), c.error.has_value());
        if (c.error) {
            EXPECT_EQ(options.error->kind, *c.error);
            EXPECT_EQ(options.error->given, c.erring);
        } else if (c.action == Action::RunBatch) {
            EXPECT_EQ(std::pair(options.settings.guestCount, options.settings.experimentCount),
                      std::pair(c.settings.guestCount, c.settings.experimentCount));
        }
    }
}

TEST(parseCommandLine, KeepsTheSeedWholeToItsLastBit)
{
    const Options options = parseCommandLine({"coinwell", "--seed", "18446744073709551615"});
    ASSERT_FALSE(options.error);
    EXPECT_EQ(options.seed, std::optional<std::uint64_t>(18446744073709551615ULL));
}

}  // namespace
}  // namespace coinwell

#pragma once

#include "app/language.h"
#include "core/settings.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace coinwell {

// What a command line did not allow, kept apart from its words so that it
// can be told in the language the same command line chose.
struct ArgumentError {
    enum class Kind { UnknownOption, UnexpectedArgument, MissingValue, BadNumber, BadLanguage, EmptyFileName, MissingOption };
    Kind kind;
    QString option;  // the option's long name, without dashes, where one is meant
    QString given;   // the argument or value as typed
};

// Everything the command line asks, read in one pass over the arguments.
struct Options {
    enum class Action { OpenWindow, RunBatch, ShowHelp, ShowVersion };

    Action action = Action::OpenWindow;
    std::optional<Language> language;  // --lang; none for the locale's
    std::optional<std::uint64_t> seed;
    core::Settings settings;  // for a batch run
    QString csvPath;          // for a batch run: empty for none, "-" for standard output
    QString tracePath;        // for a batch run: empty for none
    QString classPath;        // for a batch run: the class's meetings to read, empty for none
    // The argument not allowed, the program then doing nothing else: an
    // unknown option before an unexpected argument, before the first option
    // missing its value or naming no language, before the first value not
    // allowed. --lang is still read from all the arguments, for the language
    // to say it in.
    std::optional<ArgumentError> error;
};

// The arguments as given, the program's name first.
Options parseCommandLine(const QStringList& arguments);

// One line naming the argument and what is allowed instead, in the language
// installed.
QString describe(const ArgumentError& error);

// The text of --help, in the language installed.
QString helpText();

}  // namespace coinwell

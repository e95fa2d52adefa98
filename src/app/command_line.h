#pragma once

#include "engine/settings.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <variant>

namespace coinwell {

// What the program was asked to do on its command line.
struct CommandLine {
    enum class Action { OpenWindow, RunBatch, ShowHelp, ShowVersion };

    Action action = Action::OpenWindow;
    std::optional<std::uint64_t> seed;
    engine::Settings settings;  // for a batch run
    QString csvPath;            // for a batch run: empty for none, "-" for standard output
    QString text;               // the help or version text to print
};

// The arguments as given, the program's name first. An argument that is not
// allowed gives one line naming it and what is allowed instead.
std::variant<CommandLine, QString> parseCommandLine(const QStringList& arguments);

}  // namespace coinwell

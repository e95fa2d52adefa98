// Coinwell: how many 500-yen coins should the secretary have ready as change?
#include "app/batch_run.h"
#include "app/command_line.h"
#include "app/run_source.h"
#include "app/window_switcher.h"
#include "desktop/dialogs.h"
#include "desktop/program_exit.h"
#include "sound/qt_cue_player.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace coinwell;

int openWindow(int argc, char** argv, std::optional<std::uint64_t> seed)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // the window switcher decides

    QtDialogs dialogs;
    QtProgramExit programExit;
    RunSource source(seed);
    QtCuePlayer cues;

    int status = 0;
    {
        WindowSwitcher windows({dialogs, cues, programExit, source.random(), source.clock(), seed});
        windows.showMainWindow();
        status = QApplication::exec();
    }
    // A sound server that stopped answering must not keep the program alive.
    if (!cues.shutDown(std::chrono::milliseconds(500))) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setOrganizationName(QStringLiteral("coinwell"));  // settings in ~/.config/coinwell/
    QCoreApplication::setApplicationName(QStringLiteral("coinwell"));
    QCoreApplication::setApplicationVersion(QStringLiteral(COINWELL_VERSION));

    // The arguments are read before any application object exists: only the
    // window needs a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const auto parsed = parseCommandLine(arguments);
    if (const QString* error = std::get_if<QString>(&parsed)) {
        std::fputs(("coinwell: " + *error + u'\n').toLocal8Bit().constData(), stderr);
        return 2;
    }
    const CommandLine& command = std::get<CommandLine>(parsed);
    switch (command.action) {
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion:
        std::fputs(command.text.toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::RunBatch: {
        const QCoreApplication app(argc, argv);
        return runBatch(command, stdout, stderr);
    }
    case CommandLine::Action::OpenWindow:
        break;
    }
    return openWindow(argc, argv, command.seed);
}

// Coinwell: how many 500-yen coins should the secretary have ready as change?
#include "app/batch_run.h"
#include "app/command_line.h"
#include "app/language.h"
#include "app/run_source.h"
#include "app/window_switcher.h"
#include "desktop/dialogs.h"
#include "desktop/program_exit.h"
#include "desktop/zoom.h"
#include "sound/qt_cue_player.h"

#include <QApplication>
#include <QSettings>

#include <cstdio>

namespace {

using namespace coinwell;

int openWindow(int argc, char** argv, Language language, std::optional<std::uint64_t> seed)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // the window switcher decides
    installTranslations(language);

    QtDialogs dialogs;
    QtProgramExit programExit;
    RunSource source(seed);
    QtCuePlayer cues;
    QSettings settings;
    Zoom zoom(&settings);

    int status = 0;
    {
        WindowSwitcher windows({dialogs, cues, programExit, source.random(), source.clock(), zoom, seed});
        windows.showMainWindow();
        status = QApplication::exec();
    }
    return cues.end(status);  // at once, even if a sound server stopped answering
}

// Help, version, a batch run or a wrong argument: no display is needed, and
// what is printed is in the chosen language.
int runWithoutWindow(int argc, char** argv, const QStringList& arguments, std::optional<Language> language,
                     const QProcessEnvironment& environment)
{
    const QCoreApplication app(argc, argv);
    installTranslations(language.value_or(localeLanguage(environment)));
    const auto parsed = parseCommandLine(arguments);
    if (const QString* error = std::get_if<QString>(&parsed)) {
        std::fputs(("coinwell: " + *error + u'\n').toLocal8Bit().constData(), stderr);
        return 2;
    }
    const CommandLine& command = std::get<CommandLine>(parsed);
    if (command.action == CommandLine::Action::RunBatch) {
        return runBatch(command, stdout, stderr);
    }
    std::fputs(command.text.toLocal8Bit().constData(), stdout);
    return 0;
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
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const std::optional<Language> language = selectLanguage(arguments, environment);
    const auto parsed = parseCommandLine(arguments);
    const CommandLine* command = std::get_if<CommandLine>(&parsed);
    if (command == nullptr || command->action != CommandLine::Action::OpenWindow) {
        return runWithoutWindow(argc, argv, arguments, language, environment);
    }
    return openWindow(argc, argv, *language, command->seed);  // a --lang not spoken is an error above
}

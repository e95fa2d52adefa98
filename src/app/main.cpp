// Coinwell: how many 500-yen coins should the secretary have ready as change?
#include "app/batch_run.h"
#include "app/command_line.h"
#include "app/language.h"
#include "app/run_source.h"
#include "desktop/toolkit/dialogs.h"
#include "desktop/toolkit/program_exit.h"
#include "desktop/toolkit/zoom.h"
#include "desktop/window_switcher.h"
#include "sound/qt_cue_player.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>

#include <csignal>
#include <cstdio>

namespace {

using namespace coinwell;

int openWindow(std::optional<std::uint64_t> seed)
{
    QApplication::setQuitOnLastWindowClosed(false);  // the window switcher decides
    QSettings settings;
    Zoom zoom(&settings);
    QtDialogs dialogs(zoom);
    QtProgramExit programExit;
    RunSource source(seed);
    QtCuePlayer cues;

    int status = 0;
    {
        core::RunHistory runs;
        WindowSwitcher windows({dialogs, cues, programExit, source.random(), source.clock(), zoom, runs, seed});
        windows.showMainWindow();
        status = QApplication::exec();
    }
    return cues.end(status);  // at once, even if a sound server stopped answering
}

// Help, version, a batch run or an argument not allowed: no display is
// needed.
int runWithoutWindow(const Options& options)
{
    if (options.error) {
        std::fputs(("coinwell: " + describe(*options.error) + u'\n').toLocal8Bit().constData(), stderr);
        return 2;
    }
    switch (options.action) {
    case Options::Action::RunBatch:
        // A reader that went away fails the write, which is then reported,
        // instead of ending the program without a word.
        std::signal(SIGPIPE, SIG_IGN);
        return runBatch(options, stdout, stderr);
    case Options::Action::ShowHelp:
        std::fputs(helpText().toLocal8Bit().constData(), stdout);
        return 0;
    default:
        std::fputs(QStringLiteral("coinwell %1\n").arg(QCoreApplication::applicationVersion()).toLocal8Bit().constData(),
                   stdout);
        return 0;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setOrganizationName(QStringLiteral("coinwell"));  // settings in ~/.config/coinwell/
    QCoreApplication::setApplicationName(QStringLiteral("coinwell"));
    QCoreApplication::setApplicationVersion(QStringLiteral(COINWELL_VERSION));

    // Read before any application object exists: only the window needs one
    // with a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const Options options = parseCommandLine(arguments);
    // --lang, else the locale's language: Qt's is that of LC_ALL, LC_MESSAGES
    // or LANG, the first one not empty, unless GNU's LANGUAGE names another
    // and the locale is not C.
    const Language language = options.language.value_or(
        QLocale::system().language() == QLocale::Japanese ? Language::Japanese : Language::English);

    if (options.action == Options::Action::OpenWindow && !options.error) {
        const QApplication app(argc, argv);
        installTranslations(language);
        return openWindow(options.seed);
    }
    const QCoreApplication app(argc, argv);
    installTranslations(language);
    return runWithoutWindow(options);
}

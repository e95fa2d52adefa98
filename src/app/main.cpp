// Coinwell: how many 500-yen coins should the secretary have ready as change?
#include "app/language.h"
#include "app/window_switcher.h"
#include "desktop/dialogs.h"
#include "desktop/program_exit.h"
#include "desktop/zoom.h"
#include "engine/clock.h"
#include "engine/random_generator.h"
#include "sound/qt_cue_player.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    using namespace coinwell;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("coinwell"));
    QApplication::setOrganizationName(QStringLiteral("coinwell"));
    QApplication::setQuitOnLastWindowClosed(false);  // the window switcher decides

    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const std::optional<Language> language = selectLanguage(QCoreApplication::arguments(), environment);
    installTranslations(language.value_or(localeLanguage(environment)));
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "How many 500-yen coins should the secretary of a class meeting have ready as change?"));
    parser.addHelpOption();
    parser.addOption(languageOption());
    parser.process(app);
    if (!language) {
        std::fprintf(stderr, "%s\n",
                     qUtf8Printable(QCoreApplication::translate("main", "coinwell: --lang must be en or ja, not %1.")
                                        .arg(parser.value(languageOption().names().constFirst()))));
        return 2;
    }

    QtDialogs dialogs;
    QtProgramExit programExit;
    engine::SystemClock clock;
    engine::RandomGenerator random(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    QtCuePlayer cues;
    QSettings settings;
    Zoom zoom(&settings);

    int status = 0;
    {
        WindowSwitcher windows({dialogs, cues, programExit, random, clock, zoom});
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

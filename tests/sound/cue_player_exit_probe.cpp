// A program that plays a cue, runs its event loop until its input ends, and
// then ends the way the program's main() does. The stalled-server test runs
// it against a sound server that never answers.
#include "sound/qt_cue_player.h"

#include <QApplication>
#include <QSocketNotifier>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <unistd.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    coinwell::QtCuePlayer player;
    player.play(coinwell::Cue::Falling);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, &QCoreApplication::quit);

    const int status = QApplication::exec();
    if (!player.shutDown(std::chrono::milliseconds(500))) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

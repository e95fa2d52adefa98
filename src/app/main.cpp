// Coinwell: how many 500-yen coins should the secretary have ready as change?
#include "help_window/form2.h"
#include "main_window/form1.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/program.h"
#include "platform/forms/window_registry.h"
#include "platform/runtime/clock.h"
#include "platform/runtime/random_generator.h"
#include "platform/sound/qt_media_control.h"

#include <QApplication>

#include <chrono>

int main(int argc, char** argv)
{
    using namespace coinwell;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("coinwell"));
    QApplication::setQuitOnLastWindowClosed(false);  // the window registry decides

    platform::QtProgram program;
    platform::QtDialogs dialogs;
    platform::QtMediaControl media;
    platform::SystemClock clock;
    platform::RandomGenerator random(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));

    platform::WindowRegistry windows(program);
    const main_window::Form1Services services{dialogs, media, program, windows, random, clock};
    windows.Register("Form1", [&] { return new main_window::Form1(services); });
    windows.Register("Form2", [&] { return new help_window::Form2(windows); });
    windows.Show("Form1");

    return QApplication::exec();
}

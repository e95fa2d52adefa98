#include "desktop/toolkit/program_exit.h"

#include <QApplication>
#include <QWidget>

namespace coinwell {

void QtProgramExit::quit()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    QCoreApplication::exit(0);
}

}  // namespace coinwell

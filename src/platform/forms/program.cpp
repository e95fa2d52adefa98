#include "platform/forms/program.h"

#include <QApplication>
#include <QWidget>

namespace coinwell::platform {

void QtProgram::DoEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtProgram::End()
{
    if (ended_) {
        return;
    }
    ended_ = true;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    QCoreApplication::exit(0);
}

}  // namespace coinwell::platform

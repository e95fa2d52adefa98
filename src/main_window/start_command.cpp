// The Start command: one run of experiments, its average and its graph.
#include "engine/experiment_run.h"
#include "graph/graph_frame.h"
#include "graph/histogram_bars.h"
#include "main_window/form1.h"
#include "platform/forms/picture_box.h"
#include "platform/runtime/number_format.h"

#include <QLabel>
#include <QPushButton>

namespace coinwell::main_window {

void Form1::Command1_Click()
{
    // A second click on Start that waits in the queue must not start a run
    // inside this one's pass over the messages below.
    if (running_) {
        return;
    }
    running_ = true;
    Command(1)->setEnabled(false);

    services_.program.DoEvents();
    if (!Alive()) {
        return;  // Help or Exit was waiting: the window is gone or the program is ending
    }

    SetMousePointer(platform::MousePointer::Hourglass);
    Command(2)->setEnabled(false);
    Command(3)->setEnabled(false);

    const engine::RunResult result =
        engine::RunExperiments(settings_, experiment_, services_.random, services_.clock);
    shortageSum_ = result.ShortageSum;
    Label("Label3")->setText(QString::fromStdString(platform::FormatOneDecimal(result.AverageShortage())));

    graph::DrawFrame(Picture1());
    graph::DrawBars(Picture1(), result.Tally);
    DescribeGraph(result);

    Command(1)->setEnabled(false);
    Command(2)->setEnabled(true);
    Command(3)->setEnabled(true);
    SetMousePointer(platform::MousePointer::Arrow);
    running_ = false;
}

}  // namespace coinwell::main_window

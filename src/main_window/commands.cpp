// Exit, Init and Help, each with its sound cue.
#include "main_window/form1.h"
#include "main_window/play_cue.h"
#include "platform/forms/picture_box.h"

#include <QLabel>
#include <QPushButton>

namespace coinwell::main_window {

void Form1::Command2_Click()
{
    PlayCue(services_.media, "endpinpon.wav");
    ShowExitNoticeAndEnd();
}

void Form1::Command3_Click()
{
    PlayCue(services_.media, "pinpon.wav");
    Command(1)->setEnabled(true);
    Picture1().Cls();
    Picture1().setAccessibleDescription({});
    Label("Label2")->clear();
    Label("Label3")->clear();
    Label("Label82")->clear();
    AskSettings(kInitTitles);
}

void Form1::Command4_Click()
{
    PlayCue(services_.media, "pinpon.wav");
    Unload();
    services_.windows.Show("Form2");
}

}  // namespace coinwell::main_window

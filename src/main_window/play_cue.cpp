#include "main_window/play_cue.h"

namespace coinwell::main_window {

void PlayCue(platform::MediaControl& MMControl1, const std::string& fileName)
{
    MMControl1.SetCommand("Stop");
    MMControl1.SetCommand("Close");
    MMControl1.SetFileName(fileName);
    MMControl1.SetCommand("Open");
    MMControl1.SetCommand("Sound");
}

}  // namespace coinwell::main_window

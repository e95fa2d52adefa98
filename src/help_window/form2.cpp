#include "help_window/form2.h"

#include "help_window/form2_layout.h"
#include "help_window/help_text.h"
#include "platform/forms/picture_box.h"

#include <QPushButton>

namespace coinwell::help_window {

Form2::Form2(platform::Windows& windows) : Form(Form2Layout()), windows_(windows)
{
    connect(this, &Form::Activated, this, &Form2::OnActivated);
    connect(Button("Command1"), &QPushButton::clicked, this, &Form2::OnCloseClicked);
}

void Form2::OnActivated()
{
    PrintHelpText(*Picture("Picture1"));
}

void Form2::OnCloseClicked()
{
    Unload();
    windows_.Show("Form1");
}

}  // namespace coinwell::help_window

#include "main_window/form1.h"

#include "main_window/form1_layout.h"
#include "platform/forms/picture_box.h"

#include <QLabel>
#include <QPushButton>

namespace coinwell::main_window {

Form1::Form1(Form1Services services) : platform::Form(Form1Layout()), services_(services)
{
    Picture1().SetScale(0.0F, 0.0F, kPictureScaleWidth, kPictureScaleHeight);

    connect(this, &platform::Form::Activated, this, &Form1::Form_Activate);
    connect(Command(1), &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command(2), &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command(3), &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command(4), &QPushButton::clicked, this, &Form1::Command4_Click);
}

bool Form1::Alive() const
{
    return !IsUnloaded() && !services_.program.HasEnded();
}

QPushButton* Form1::Command(int number) const
{
    return Button(QStringLiteral("Command%1").arg(number).toUtf8().constData());
}

platform::PictureBox& Form1::Picture1() const
{
    return *Picture("Picture1");
}

void Form1::Form_Activate()
{
    AskSettings(kActivationTitles);
}

}  // namespace coinwell::main_window

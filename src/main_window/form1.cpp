#include "main_window/form1.h"

#include "main_window/form1_layout.h"
#include "platform/forms/picture_box.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace coinwell::main_window {

Form1::Form1(Form1Services services) : platform::Form(Form1Layout()), services_(services)
{
    Picture1().SetScale(0.0F, 0.0F, kPictureScaleWidth, kPictureScaleHeight);
    NameControlsForScreenReaders();

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

void Form1::NameControlsForScreenReaders()
{
    // A value label is named after the caption label beside it.
    const struct {
        const char* label;
        const char* captionLabel;
    } valueLabels[] = {{"Label82", "Label83"}, {"Label2", "Label1"}, {"Label3", "Label4"}};
    for (const auto& [label, captionLabel] : valueLabels) {
        Label(label)->setAccessibleName(Label(captionLabel)->text());
    }
    for (const char* caption : {"Label84", "Label83", "Label1", "Label4"}) {
        Label(caption)->setAccessibleName(Label(caption)->text());
    }
    for (int number = 1; number <= 4; ++number) {
        Command(number)->setAccessibleName(Command(number)->text());
    }
    Picture1().setAccessibleName(QStringLiteral("Frequency-distribution graph"));
}

void Form1::DescribeGraph(const engine::RunResult& result)
{
    const auto& bins = result.Tally.Bins;
    const auto mostFrequent = std::max_element(bins.begin(), bins.end());
    const int bin = static_cast<int>(mostFrequent - bins.begin());
    QString shortage = QString::number(engine::Tally::ShortageOfBin(bin));
    if (bin == 0) {
        shortage = QStringLiteral("below %1").arg(engine::Tally::kLowestSingleShortage);
    }
    Picture1().setAccessibleDescription(
        QStringLiteral("%1 experiments. Average shortage %2. Most frequent shortage %3, in %4 experiments.")
            .arg(result.ExperimentCount)
            .arg(Label("Label3")->text())
            .arg(shortage)
            .arg(*mostFrequent));
}

void Form1::Form_Activate()
{
    AskSettings(kActivationTitles);
}

}  // namespace coinwell::main_window

#include "fakes.h"
#include "main_window/form1.h"
#include "platform/forms/picture_box.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QLabel>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <memory>

namespace coinwell::testing {
namespace {

QString Accessible(QWidget* widget, QAccessible::Text text)
{
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(widget);
    return interface != nullptr ? interface->text(text) : QStringLiteral("<none>");
}

class AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fakes.dialogs.answers = {"10", "40"};
        form = std::make_unique<main_window::Form1>(fakes.Services());
        form->Form_Activate();
    }

    FakeServices fakes;
    std::unique_ptr<main_window::Form1> form;
};

TEST_F(AccessibilityTest, EveryButtonAndLabelHasAName)
{
    const struct {
        const char* control;
        const char* name;
    } cases[] = {
        {"Command1", "Start"},
        {"Command2", "Exit"},
        {"Command3", "Init"},
        {"Command4", "Help"},
        {"Label84", "Coinwell (Part 3)"},
        {"Label83", "Number of guests"},
        {"Label82", "Number of guests"},
        {"Label1", "Number of experiments"},
        {"Label2", "Number of experiments"},
        {"Label4", "Average number of shortage"},
        {"Label3", "Average number of shortage"},
        {"Picture1", "Frequency-distribution graph"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Accessible(form->findChild<QWidget*>(c.control), QAccessible::Name), c.name) << c.control;
    }
}

TEST_F(AccessibilityTest, GraphDescriptionStatesTheResultAfterARunAndGoesWithInit)
{
    QWidget* graph = form->Picture("Picture1");
    EXPECT_TRUE(Accessible(graph, QAccessible::Description).isEmpty());

    form->Command1_Click();

    const QString description = Accessible(graph, QAccessible::Description);
    EXPECT_TRUE(description.startsWith("40 experiments. Average shortage " + form->Label("Label3")->text() + "."))
        << description.toStdString();
    // With 10 guests the shortage lies between -10 and +1, and 40 experiments
    // make some shortage occur at least 4 times.
    const QRegularExpression mostFrequent(R"(Most frequent shortage (-?\d+), in (\d+) experiments\.$)");
    const auto match = mostFrequent.match(description);
    ASSERT_TRUE(match.hasMatch()) << description.toStdString();
    EXPECT_GE(match.captured(1).toInt(), -10);
    EXPECT_LE(match.captured(1).toInt(), 1);
    EXPECT_GE(match.captured(2).toInt(), 4);

    fakes.dialogs.answers = {"10", "40"};
    form->Command3_Click();
    EXPECT_TRUE(Accessible(graph, QAccessible::Description).isEmpty());
}

}  // namespace
}  // namespace coinwell::testing

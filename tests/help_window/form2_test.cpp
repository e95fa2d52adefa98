#include "help_window/form2.h"

#include "platform/forms/picture_box.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace coinwell::help_window {
namespace {

// Records the windows shown by name, and whether the help window under test
// had already been unloaded at that moment.
class RecordingWindows final : public platform::Windows {
public:
    void Show(std::string_view formName) override
    {
        shown.emplace_back(formName);
        helpUnloadedWhenShown.push_back(watched != nullptr && watched->IsUnloaded());
    }

    std::vector<std::string> shown;
    std::vector<bool> helpUnloadedWhenShown;
    QPointer<Form2> watched;
};

class Form2Test : public ::testing::Test {
protected:
    void TearDown() override
    {
        delete form_.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Creates the window, shows it and waits until it has been activated.
    Form2& Open()
    {
        form_ = new Form2(windows_);
        windows_.watched = form_;
        QSignalSpy activated(form_.data(), &platform::Form::Activated);
        form_->show();
        if (activated.count() == 0) {
            EXPECT_TRUE(activated.wait());
        }
        EXPECT_EQ(activated.count(), 1);
        return *form_;
    }

    RecordingWindows windows_;
    QPointer<Form2> form_;
};

TEST_F(Form2Test, ShowsItsLayoutWithTheFocusOnClose)
{
    Form2& form = Open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_EQ(form.logicalDpiX(), 96);  // 15 twips a pixel

    EXPECT_EQ(form.windowTitle(), "Coinwell 3 _ Help (Problem and operation)");
    EXPECT_EQ(form.size(), QSize(617, 561));
    platform::PictureBox* picture = form.Picture("Picture1");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->geometry(), QRect(8, 32, 601, 529));
    QPushButton* close = form.Button("Command1");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), "Close");
    EXPECT_EQ(close->geometry(), QRect(560, 0, 49, 25));
    EXPECT_EQ(QApplication::focusWidget(), close);
}

TEST_F(Form2Test, OpeningAgainDrawsTheSameHelp)
{
    std::vector<QImage> images;
    for (int time = 0; time < 2; ++time) {
        images.push_back(Open().Picture("Picture1")->Image().copy());
        form_->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(form_.isNull());
    }
    QImage blank(images.front().size(), images.front().format());
    blank.fill(Qt::white);
    EXPECT_NE(images.front(), blank) << "nothing was printed";
    EXPECT_EQ(images.back(), images.front());
    EXPECT_TRUE(windows_.shown.empty());
}

struct Leaving {
    const char* how;
    std::function<void(Form2&)> leave;
    std::vector<std::string> shown;
};

void PrintTo(const Leaving& leaving, std::ostream* out)
{
    *out << leaving.how;
}

class Form2LeaveTest : public Form2Test, public ::testing::WithParamInterface<Leaving> {};

TEST_P(Form2LeaveTest, UnloadsAndShowsTheMainWindowOnlyFromClose)
{
    GetParam().leave(Open());

    ASSERT_FALSE(form_.isNull());
    EXPECT_TRUE(form_->IsUnloaded());
    EXPECT_TRUE(form_->isHidden());
    EXPECT_EQ(windows_.shown, GetParam().shown);
    EXPECT_EQ(windows_.helpUnloadedWhenShown, std::vector<bool>(GetParam().shown.size(), true));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form_.isNull());
    EXPECT_EQ(windows_.shown, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Form2LeaveTest,
    ::testing::Values(
        Leaving{"ClickClose", [](Form2& form) { QTest::mouseClick(form.Button("Command1"), Qt::LeftButton); }, {"Form1"}},
        Leaving{"CloseBox", [](Form2& form) { form.close(); }, {}}),
    [](const ::testing::TestParamInfo<Leaving>& info) { return std::string(info.param.how); });

}  // namespace
}  // namespace coinwell::help_window

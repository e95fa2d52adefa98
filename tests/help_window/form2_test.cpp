#include "help_window/form2.h"

#include "help_window/help_text.h"
#include "platform/forms/fonts.h"
#include "platform/forms/line_control.h"
#include "platform/forms/picture_box.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace coinwell::help_window {
namespace {

using platform::PictureBox;

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

    PictureBox& Picture()
    {
        PictureBox* picture = form_->Picture("Picture1");
        EXPECT_NE(picture, nullptr);
        return *picture;
    }

    RecordingWindows windows_;
    QPointer<Form2> form_;
};

// Whether any pixel in the rows [top, bottom) of the drawing, in logical
// pixels, is not white.
bool HasInk(const QImage& image, int top, int bottom)
{
    const qreal ratio = image.devicePixelRatio();
    const int first = std::max(0, static_cast<int>(std::floor(top * ratio)));
    const int last = std::min(image.height(), static_cast<int>(std::ceil(bottom * ratio)));
    for (int y = first; y < last; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != QColor(Qt::white)) {
                return true;
            }
        }
    }
    return false;
}

TEST_F(Form2Test, WindowMatchesItsLayout)
{
    Form2 form(windows_);
    ASSERT_EQ(form.logicalDpiX(), 96);

    EXPECT_EQ(form.objectName(), "Form2");
    EXPECT_EQ(form.windowTitle(), "Coinwell 3 _ Help (Problem and operation)");
    EXPECT_EQ(form.pos(), QPoint(206, 136));
    EXPECT_EQ(form.size(), QSize(617, 561));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.testAttribute(Qt::WA_SetWindowIcon));
    EXPECT_FALSE(form.testAttribute(Qt::WA_SetFont));
    EXPECT_EQ(form.palette().color(QPalette::Window), form.palette().color(QPalette::Button));

    PictureBox* picture = form.Picture("Picture1");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->geometry(), QRect(8, 32, 601, 529));
    EXPECT_EQ(picture->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(picture->palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::ButtonText));
    EXPECT_EQ(picture->font().family(), platform::GothicFamily());
    EXPECT_DOUBLE_EQ(picture->font().pointSizeF(), 11.25);
    EXPECT_FALSE(picture->font().bold());
    EXPECT_EQ(picture->ToPixel(1500.0F, 300.0F), QPoint(100, 20));  // twips

    QPushButton* close = form.Button("Command1");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), "Close");
    EXPECT_EQ(close->geometry(), QRect(560, 0, 49, 25));
    EXPECT_FALSE(close->isDefault());
    EXPECT_FALSE(close->autoDefault());
    EXPECT_FALSE(close->testAttribute(Qt::WA_SetFont));
    EXPECT_EQ(close->font(), form.font());

    platform::LineControl* line = form.Line("Line1");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->From(), QPoint(608, 24));
    EXPECT_EQ(line->To(), QPoint(8, 24));
    EXPECT_EQ(line->palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::WindowText));
    EXPECT_EQ(line->focusPolicy(), Qt::NoFocus);
}

TEST_F(Form2Test, CloseHasTheFocusAndTabGoesToTheHelpTextAndBack)
{
    Form2& form = Open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QPushButton* close = form.Button("Command1");
    PictureBox& picture = Picture();

    EXPECT_EQ(QApplication::focusWidget(), close);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &picture);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), close);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), &picture);
}

TEST_F(Form2Test, HelpTextStartsOnTheSecondLineAndFillsOneLineEach)
{
    Open();
    PictureBox& picture = Picture();
    const QImage& image = picture.Image();
    ASSERT_FALSE(image.isNull());

    const double lineHeight = QFontMetricsF(picture.font()).height();
    auto top = [&](int line) { return static_cast<int>(std::lround(line * lineHeight)); };

    EXPECT_FALSE(HasInk(image, 0, top(1))) << "the first line is left empty";
    for (int line = 1; line <= static_cast<int>(kHelpText.size()); ++line) {
        // Inside each line's band, clear of its neighbours' edges.
        EXPECT_TRUE(HasInk(image, top(line) + 2, top(line + 1) - 2)) << "text line " << line;
    }
}

TEST_F(Form2Test, OpeningAgainDrawsTheSameHelp)
{
    std::vector<QImage> images;
    for (int time = 0; time < 3; ++time) {
        Open();
        images.push_back(Picture().Image().copy());
        form_->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(form_.isNull());
    }
    ASSERT_TRUE(HasInk(images.front(), 0, images.front().height()));
    for (std::size_t i = 1; i < images.size(); ++i) {
        EXPECT_EQ(images[i], images.front()) << "opening " << i + 1;
    }
    EXPECT_TRUE(windows_.shown.empty());
}

TEST_F(Form2Test, RuleRunsAboveTheHelpTextFromEdgeToEdge)
{
    Form2& form = Open();
    const QImage window = form.grab().toImage();
    const QString text = form.palette().color(QPalette::WindowText).name();
    const QString face = form.palette().color(QPalette::Window).name();
    const qreal ratio = window.devicePixelRatio();
    auto at = [&](int x, int y) { return window.pixelColor(QPoint(x, y) * ratio).name(); };

    // From the help text's left edge to where the Close button covers it.
    for (int x = 8; x < 560; ++x) {
        ASSERT_EQ(at(x, 24), text) << "x " << x;
    }
    EXPECT_EQ(at(7, 24), face);
    EXPECT_EQ(at(300, 23), face);
    EXPECT_EQ(at(300, 25), face);
}

struct Leaving {
    const char* how;
    std::function<void(Form2&)> leave;
    bool showsMainWindow;
};

void PrintTo(const Leaving& leaving, std::ostream* out)
{
    *out << leaving.how;
}

class Form2LeaveTest : public Form2Test, public ::testing::WithParamInterface<Leaving> {};

TEST_P(Form2LeaveTest, UnloadsAndShowsTheMainWindowOnlyFromClose)
{
    Form2& form = Open();
    GetParam().leave(form);

    ASSERT_FALSE(form_.isNull());
    EXPECT_TRUE(form_->IsUnloaded());
    EXPECT_TRUE(form_->isHidden());
    if (GetParam().showsMainWindow) {
        EXPECT_EQ(windows_.shown, std::vector<std::string>{"Form1"});
        EXPECT_EQ(windows_.helpUnloadedWhenShown, std::vector<bool>{true});
    } else {
        EXPECT_TRUE(windows_.shown.empty());
    }

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form_.isNull());
    EXPECT_EQ(windows_.shown.size(), GetParam().showsMainWindow ? 1U : 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Form2LeaveTest,
    ::testing::Values(
        Leaving{"ClickClose",
                [](Form2& form) { QTest::mouseClick(form.Button("Command1"), Qt::LeftButton); },
                true},
        Leaving{"SpaceOnClose",
                [](Form2& form) { QTest::keyClick(form.Button("Command1"), Qt::Key_Space); }, true},
        Leaving{"CloseBox", [](Form2& form) { form.close(); }, false}),
    [](const ::testing::TestParamInfo<Leaving>& info) { return std::string(info.param.how); });

}  // namespace
}  // namespace coinwell::help_window

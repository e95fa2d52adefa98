// Asking for the number of guests and the number of experiments.
#include "main_window/count_rule.h"
#include "main_window/form1.h"
#include "platform/runtime/read_number.h"

#include <QLabel>

namespace coinwell::main_window {
namespace {

const QString kDefaultEntry = QStringLiteral("100");
const QString kGuestsPrompt = QStringLiteral("Please enter an integer between 10 and 1000 ...");
const QString kExperimentsPrompt = QStringLiteral("Please enter an integer between 1 and 1000 ...");
const QString kExitNotice = QStringLiteral("This software will exit.");
const QString kExitTitle = QStringLiteral("Coinwell");
constexpr int kNoticeStyle = 0;  // OK only, no icon, first button default

}  // namespace

void Form1::AskSettings(const SettingTitles& titles)
{
    const auto guests = AskSetting(kGuestsPrompt, QString::fromUtf8(titles.guests),
                                   engine::Settings::kMinGuestCount, guestText_);
    if (!guests) {
        return;
    }
    settings_.GuestCount = *guests;
    Label("Label82")->setText(QString::number(settings_.GuestCount));

    const auto experiments = AskSetting(kExperimentsPrompt, QString::fromUtf8(titles.experiments),
                                        engine::Settings::kMinExperimentCount, experimentText_);
    if (!experiments) {
        return;
    }
    settings_.ExperimentCount = *experiments;
    Label("Label2")->setText(QString::number(settings_.ExperimentCount));
}

std::optional<std::int16_t> Form1::AskSetting(const QString& prompt, const QString& title,
                                              int lowerBound, QString& textField)
{
    for (;;) {
        textField = services_.dialogs.InputBox(prompt, title, kDefaultEntry);
        if (!Alive()) {
            return std::nullopt;
        }
        if (textField.isEmpty()) {
            ShowExitNoticeAndEnd();
            return std::nullopt;
        }
        const double number = platform::ReadNumber(
            std::u16string_view(reinterpret_cast<const char16_t*>(textField.utf16()),
                                static_cast<std::size_t>(textField.size())));
        if (const auto count = AcceptCount(number, lowerBound)) {
            return count;
        }
    }
}

void Form1::ShowExitNoticeAndEnd()
{
    msgAnswer_ = static_cast<std::int16_t>(services_.dialogs.MsgBox(kExitNotice, kNoticeStyle, kExitTitle));
    // The notice offers OK alone: whatever closed it, the program ends.
    services_.program.End();
}

}  // namespace coinwell::main_window

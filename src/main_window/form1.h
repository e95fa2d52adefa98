#pragma once

#include "engine/experiment.h"
#include "engine/experiment_run.h"
#include "engine/settings.h"
#include "main_window/form1_services.h"
#include "platform/forms/form.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace coinwell::platform {
class PictureBox;
}

namespace coinwell::main_window {

// The titles of the two settings dialogs.
struct SettingTitles {
    const char* guests;
    const char* experiments;
};

inline constexpr SettingTitles kActivationTitles{" Setting the number of guests",
                                                 " Setting the number of experiments"};
inline constexpr SettingTitles kInitTitles{"Setting the number of guests",
                                           "Setting the number of experiments"};

// The main window: the settings, the four commands and the graph area.
class Form1 final : public platform::Form {
    Q_OBJECT

public:
    explicit Form1(Form1Services services);

    const engine::Settings& CurrentSettings() const { return settings_; }
    const QString& GuestText() const { return guestText_; }
    const QString& ExperimentText() const { return experimentText_; }
    std::int16_t MsgAnswer() const { return msgAnswer_; }
    std::int32_t ShortageSum() const { return shortageSum_; }

    void Form_Activate();
    void Command1_Click();  // Start
    void Command2_Click();  // Exit
    void Command3_Click();  // Init
    void Command4_Click();  // Help

private:
    // False once the window is unloaded or the program is ending: a handler
    // that gave control away (a dialog, a pass over the messages) stops then.
    bool Alive() const;

    void AskSettings(const SettingTitles& titles);
    std::optional<std::int16_t> AskSetting(const QString& prompt, const QString& title,
                                           int lowerBound, QString& textField);
    void ShowExitNoticeAndEnd();
    void NameControlsForScreenReaders();
    // States the run's result in words for screen readers; nothing visible.
    void DescribeGraph(const engine::RunResult& result);

    QPushButton* Command(int number) const;
    platform::PictureBox& Picture1() const;

    Form1Services services_;
    engine::Settings settings_;
    QString guestText_;
    QString experimentText_;
    std::int16_t msgAnswer_ = 0;
    std::int32_t shortageSum_ = 0;
    engine::Experiment experiment_;
    bool running_ = false;
};

}  // namespace coinwell::main_window

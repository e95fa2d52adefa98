#pragma once

// Stand-ins for what the main window reaches outside itself.

#include "main_window/form1_services.h"
#include "platform/runtime/random_generator.h"

#include <QCoreApplication>
#include <QString>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace coinwell::testing {

struct InputCall {
    QString prompt;
    QString title;
    QString defaultText;
};

struct MsgBoxCall {
    QString text;
    int style;
    QString title;
};

// Answers input dialogs from a script; an exhausted script answers "" like
// Cancel. onInput runs while a dialog is "open", before it answers.
class ScriptedDialogs final : public platform::Dialogs {
public:
    std::deque<QString> answers;
    std::vector<InputCall> inputs;
    std::vector<MsgBoxCall> notices;
    std::function<void(const InputCall&)> onInput;

    QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        inputs.push_back({prompt, title, defaultText});
        if (onInput) {
            onInput(inputs.back());
        }
        if (answers.empty()) {
            return {};
        }
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }

    int MsgBox(const QString& text, int style, const QString& title) override
    {
        notices.push_back({text, style, title});
        return platform::kAnswerOk;
    }
};

class RecordingMedia final : public platform::MediaControl {
public:
    std::vector<std::string> steps;

    void SetFileName(const std::string& fileName) override { steps.push_back("FileName=" + fileName); }
    void SetCommand(const std::string& command) override { steps.push_back("Command=" + command); }
};

// Runs the real pass over waiting messages unless a test replaces it.
class FakeProgram final : public platform::Program {
public:
    int ends = 0;
    std::function<void()> onDoEvents;

    void DoEvents() override
    {
        if (onDoEvents) {
            onDoEvents();
        } else {
            QCoreApplication::processEvents();
        }
    }
    void End() override { ++ends; }
    bool HasEnded() const override { return ends > 0; }
};

class RecordingWindows final : public platform::Windows {
public:
    std::vector<std::string> shown;
    void Show(std::string_view formName) override { shown.emplace_back(formName); }
};

// A clock frozen at one value; onRead runs on every reading, which the run
// makes once per experiment.
class FrozenClock final : public platform::Clock {
public:
    float seconds = 45296.25F;
    int reads = 0;
    std::function<void()> onRead;

    float SecondsSinceMidnight() override
    {
        ++reads;
        if (onRead) {
            onRead();
        }
        return seconds;
    }
};

struct FakeServices {
    ScriptedDialogs dialogs;
    RecordingMedia media;
    FakeProgram program;
    RecordingWindows windows;
    platform::RandomGenerator random{12345};
    FrozenClock clock;

    main_window::Form1Services Services()
    {
        return {dialogs, media, program, windows, random, clock};
    }
};

// The one notice that comes before the program ends, answered with OK.
inline void ExpectExitNoticeAndEnd(const FakeServices& fakes, int msgAnswer)
{
    ASSERT_EQ(fakes.dialogs.notices.size(), 1U);
    EXPECT_EQ(fakes.dialogs.notices[0].text, "This software will exit.");
    EXPECT_EQ(fakes.dialogs.notices[0].style, 0);
    EXPECT_EQ(fakes.dialogs.notices[0].title, "Coinwell");
    EXPECT_EQ(msgAnswer, 1);
    EXPECT_EQ(fakes.program.ends, 1);
}

}  // namespace coinwell::testing

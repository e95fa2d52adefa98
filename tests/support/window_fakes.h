#pragma once

// Stand-ins for what the main window reaches outside itself.

#include "engine/random_generator.h"
#include "main_window/main_window_services.h"
#include "support/engine_fakes.h"

#include <deque>

namespace coinwell::testing {

// Answers the settings questions from a script, and records each as
// "title|prompt|default"; an exhausted script answers "" as Cancel does.
// onQuestion runs while a dialog is "open".
class ScriptedDialogs final : public Dialogs {
public:
    std::deque<QString> answers;
    std::vector<QString> questions;
    std::vector<QString> notices;  // "title: text"
    std::function<void()> onQuestion;

    QString askText(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        questions.push_back(title + "|" + prompt + "|" + defaultText);
        if (onQuestion) {
            onQuestion();
        }
        QString answer = answers.empty() ? QString() : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return answer;
    }

    void showNotice(const QString& text, const QString& title) override { notices.push_back(title + ": " + text); }
};

class RecordingCues final : public CuePlayer {
public:
    std::vector<Cue> played;
    void play(Cue cue) override { played.push_back(cue); }
};

class CountingExit final : public ProgramExit {
public:
    int quits = 0;
    void quit() override { ++quits; }
};

struct FakeServices {
    ScriptedDialogs dialogs;
    RecordingCues cues;
    CountingExit programExit;
    engine::RandomGenerator random{12345};
    FakeClock clock;
    Zoom zoom;

    MainWindowServices services() { return {dialogs, cues, programExit, random, clock, zoom}; }
};

}  // namespace coinwell::testing

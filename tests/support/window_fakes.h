#pragma once

// Stand-ins for what the main window reaches outside itself.

#include "engine/random_generator.h"
#include "support/engine_fakes.h"
#include "main_window/main_window_services.h"

#include <QString>

#include <deque>
#include <functional>
#include <vector>

namespace coinwell::testing {

struct Question {
    QString prompt;
    QString title;
    QString defaultText;
};

// Answers the settings questions from a script; an exhausted script answers
// "" as Cancel does. onQuestion runs while a dialog is "open".
class ScriptedDialogs final : public Dialogs {
public:
    std::deque<QString> answers;
    std::vector<Question> questions;
    std::vector<QString> notices;  // "title: text"
    std::function<void(const Question&)> onQuestion;

    QString askText(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        questions.push_back({prompt, title, defaultText});
        if (onQuestion) {
            onQuestion(questions.back());
        }
        if (answers.empty()) {
            return {};
        }
        QString answer = answers.front();
        answers.pop_front();
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

    MainWindowServices services() { return {dialogs, cues, programExit, random, clock}; }
};

}  // namespace coinwell::testing

#pragma once

// Stand-ins for what the main window reaches outside itself.

#include "core/random_generator.h"
#include "desktop/main_window/main_window_services.h"
#include "support/engine_fakes.h"

#include <QPrinter>

#include <deque>
#include <optional>

namespace coinwell::testing {

// The next of a script's answers, or none when it is exhausted.
template <typename T>
std::optional<T> takeNext(std::deque<T>& script)
{
    if (script.empty()) {
        return std::nullopt;
    }
    T next = std::move(script.front());
    script.pop_front();
    return next;
}

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
        return takeNext(answers).value_or(QString());
    }

    void showNotice(const QString& text, const QString& title) override { notices.push_back(title + ": " + text); }

    // Saving and printing: each file dialog takes the next path (with the
    // filter index to report), each size question the next width; a PDF
    // printer prints to pdfPath.
    std::deque<std::pair<QString, int>> savePaths;
    std::deque<int> widths;
    std::vector<QString> integerPrompts;
    std::deque<QString> lines;
    std::vector<QString> shownLines;
    std::vector<QString> errors;  // "title: text"
    QString pdfPath;
    QString proposedPath;  // the last one a save dialog began with

    void showError(const QString& text, const QString& title) override { errors.push_back(title + ": " + text); }

    QString askSaveFileName(const QString&, const QString& proposed, const QStringList&, int& chosenFilter) override
    {
        proposedPath = proposed;
        const auto next = takeNext(savePaths);
        chosenFilter = next ? next->second : chosenFilter;
        return next ? next->first : QString();
    }

    std::optional<int> askInteger(const QString& prompt, const QString&, int, int, int) override
    {
        integerPrompts.push_back(prompt);
        return takeNext(widths);
    }
    // Each text asked for is the next of `lines`, none (Cancel) when they
    // are used up; the text each question began with is kept.
    std::optional<QString> askLines(const QString&, const QString&, const QString& text) override
    {
        shownLines.push_back(text);
        return takeNext(lines);
    }

    void previewPrint(const std::function<void(QPrinter&)>& paintPages, const QString&) override
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        paintPages(printer);
    }
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
    core::RandomGenerator random{12345};
    FakeClock clock;
    Zoom zoom;
    core::RunHistory runs;

    MainWindowServices services() { return {dialogs, cues, programExit, random, clock, zoom, runs}; }
};

}  // namespace coinwell::testing

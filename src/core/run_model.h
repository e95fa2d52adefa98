#pragma once

#include "core/clock.h"
#include "core/commands.h"
#include "core/drawing.h"
#include "core/histogram.h"
#include "core/meeting_replay.h"
#include "core/random_source.h"
#include "core/run_record.h"
#include "core/running_average.h"
#include "core/settings.h"
#include "core/square_root_law.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace coinwell::core {

enum class GraphView { Histogram, Replay, SquareRootLaw, RunningAverage };

// What one main window knows and shows, whichever front end shows it: the
// settings given so far (0 for one not yet given), the last run's record,
// and its graph area: the options, which view shows, and the meeting being
// replayed. Runs and meetings come from one random source and clock, so that
// with a seed the same clicks give the same pictures; every run is also
// kept in `runs`, which outlives the window, for the square-root law.
class RunModel {
public:
    RunModel(RandomSource& random, Clock& clock, std::optional<std::uint64_t> seed, RunHistory& runs);

    const Settings& settings() const { return settings_; }
    const std::optional<RunRecord>& record() const { return record_; }
    void setGuestCount(int count) { settings_.guestCount = count; }
    void setExperimentCount(int count) { settings_.experimentCount = count; }
    // One run with the settings; the graph area shows its histogram.
    void run();
    // The settings and the record forgotten, as before the first question.
    void clear();

    GraphView view() const { return view_; }
    const Replay* replay() const { return replay_ ? &*replay_ : nullptr; }
    const RunningAverage* runningAverage() const { return running_ ? &*running_ : nullptr; }
    // Moves the replay or the running average on by the time gone, if one plays.
    void advance(double seconds);
    bool playing() const { return (replay_ && replay_->playing()) || (running_ && running_->playing()); }
    void showHistogram();

    int option(Option option) const { return options_[static_cast<std::size_t>(option)]; }
    // A stored value; one out of range leaves the default.
    void restoreOption(Option option, int value);
    bool enabled(Command command) const;
    bool checked(Command command) const;
    // Does what an enabled command does to the graph area. False for one
    // that is not enabled, and for what the front end does itself: copying,
    // saving and printing.
    bool trigger(Command command);

    // What a command asks before it does what it does: a number, as the
    // share of guests paying with a coin, with the number now and what it
    // may be; or lines of text, as the class's meetings, with the text as
    // last given. Its words and title too; none for the other commands.
    struct Question {
        Message prompt;
        Message title;
        int value = 0;
        CountRange range{0, 0};
        bool lines = false;
        std::string text;
    };
    std::optional<Question> question(Command command) const;
    // Sets the option a question asks for; false for a number out of its range.
    bool answer(Command command, int value);
    // Takes the class's meetings from the text: none when all of it reads,
    // else the first wrong entry's message, what was taken before staying.
    std::optional<Message> answer(Command command, const std::string& text);
    // The class's meetings given since the last Init, for the guests given.
    const std::vector<int>& classShortages() const { return classShortages_; }
    // The run's table for a spreadsheet, with the class's meetings.
    std::string table() const;

    // Whether the graph area shows anything to copy, save or print.
    bool hasPicture() const;
    Drawing picture(const Rect& area, const TextSetter& setter) const;
    // The picture as it is copied or saved: with the caption line under it
    // while that option is on, its area grown to hold it.
    Drawing savedPicture(const Rect& area, const TextSetter& setter) const;
    // What the picture shows, in words for screen readers; empty before a run.
    Message description() const;
    // The name proposed for the file a saving command writes.
    std::string fileName(Command command) const;
    // The line under a printed or saved picture: the run's settings,
    // average, exact mean, the coins to have ready for the share chosen and
    // the seed, or the other views' description.
    Message caption() const;

private:
    HistogramOptions histogramOptions() const;

    RandomSource& random_;
    Clock& clock_;
    std::optional<std::uint64_t> seed_;
    RunHistory& runs_;
    Settings settings_;
    std::optional<RunRecord> record_;
    std::array<int, kOptions.size()> options_{};
    GraphView view_ = GraphView::Histogram;
    std::optional<Replay> replay_;
    std::optional<RunningAverage> running_;
    std::vector<int> classShortages_;
    std::string classText_;
    // The square-root law's exact curves for the share of meetings and of
    // guests paying with a coin they were made for, and the fair coin's.
    mutable std::vector<ExactForGuests> exact_;
    mutable std::vector<ExactForGuests> fair_;
    mutable std::pair<int, int> exactMadeFor_{0, 0};
};

}  // namespace coinwell::core

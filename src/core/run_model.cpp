#include "core/run_model.h"

#include "core/caption_line.h"
#include "core/class_meetings.h"
#include "core/coins_ready.h"
#include "core/experiment.h"
#include "core/histogram.h"
#include "core/one_decimal.h"
#include "core/result_table.h"
#include "core/run.h"
#include "core/window_layout.h"

#include <algorithm>
#include <utility>

namespace coinwell::core {
namespace {

std::string runName(const Settings& settings)
{
    return "coinwell-" + std::to_string(settings.guestCount) + "x" + std::to_string(settings.experimentCount);
}

}  // namespace

RunModel::RunModel(RandomSource& random, Clock& clock, std::optional<std::uint64_t> seed, RunHistory& runs)
    : random_(random), clock_(clock), seed_(seed), runs_(runs)
{
    for (std::size_t i = 0; i < kOptions.size(); ++i) {
        options_[i] = kOptions[i].defaultValue;
    }
}

void RunModel::run()
{
    settings_.coinPercent = option(Option::CoinShare);
    record_ = recordRun(runExperiments(settings_, random_, clock_), seed_);
    runs_.add(record_->result);
    showHistogram();
}

void RunModel::clear()
{
    settings_ = {};
    record_.reset();
    classShortages_.clear();
    classText_.clear();
    showHistogram();
}

void RunModel::advance(double seconds)
{
    if (replay_) {
        replay_->advance(seconds);
    }
    if (running_) {
        running_->advance(seconds);
    }
}

void RunModel::showHistogram()
{
    view_ = GraphView::Histogram;
    replay_.reset();
    running_.reset();
}

void RunModel::restoreOption(Option option, int value)
{
    const bool allowed =
        option == Option::ReadyPercent ? readyPercentIndex(value).has_value()
        : option == Option::CoinShare  ? value >= kCoinShareRange.lowest && value <= kCoinShareRange.highest
                                       : value == 0 || value == 1;
    if (allowed) {
        options_[static_cast<std::size_t>(option)] = value;
    }
}

bool RunModel::enabled(Command command) const
{
    switch (commandInfo(command).enabled) {
    case EnabledWhen::Always:
        return true;
    case EnabledWhen::HasPicture:
        return hasPicture();
    case EnabledWhen::HasResult:
        return record_.has_value();
    case EnabledWhen::GuestsGiven:
        return settings_.guestCount > 0;
    case EnabledWhen::Playing:
        return replay_.has_value() || running_.has_value();
    case EnabledWhen::Replaying:
        return replay_.has_value();
    case EnabledWhen::Mirrored:
        return replay_ && replay_->mirrorLevel().has_value();
    case EnabledWhen::AwayFromHistogram:
        return view_ != GraphView::Histogram;
    }
    return false;
}

namespace {

// The option a switch of the histogram turns on and off.
std::optional<Option> switchOf(Command command)
{
    switch (command) {
    case Command::ExactLaw:
        return Option::ExactLaw;
    case Command::CoinsReady:
        return Option::CoinsReady;
    case Command::CoverageCurve:
        return Option::CoverageCurve;
    case Command::FitAxes:
        return Option::FitAxes;
    case Command::PrecisionTable:
        return Option::PrecisionTable;
    default:
        return std::nullopt;
    }
}

constexpr std::pair<Command, void (Replay::*)()> kReplayControls[] = {
    {Command::Pause, &Replay::togglePause}, {Command::NextGuest, &Replay::step},
    {Command::Faster, &Replay::faster},     {Command::Slower, &Replay::slower},
    {Command::WholeMeeting, &Replay::finish}, {Command::Mirror, &Replay::toggleMirror},
    {Command::MirrorRaise, &Replay::raiseMirror}, {Command::MirrorLower, &Replay::lowerMirror},
};

}  // namespace

bool RunModel::checked(Command command) const
{
    if (const std::optional<Option> shown = switchOf(command)) {
        return option(*shown) != 0;
    }
    switch (command) {
    case Command::SquareRootLaw:
        return view_ == GraphView::SquareRootLaw;
    case Command::Replay:
        return view_ == GraphView::Replay;
    case Command::RunningAverage:
        return view_ == GraphView::RunningAverage;
    case Command::Mirror:
        return replay_ && replay_->mirrored();
    case Command::CaptionOnImage:
        return option(Option::CaptionOnImage) != 0;
    default:
        return sharePercent(command) > 0 && sharePercent(command) == option(Option::ReadyPercent);
    }
}

bool RunModel::trigger(Command command)
{
    if (!enabled(command)) {
        return false;
    }
    // What is saved changes, not what is shown.
    if (command == Command::CaptionOnImage) {
        options_[static_cast<std::size_t>(Option::CaptionOnImage)] = option(Option::CaptionOnImage) != 0 ? 0 : 1;
        return true;
    }
    if (const std::optional<Option> shown = switchOf(command)) {
        options_[static_cast<std::size_t>(*shown)] = option(*shown) != 0 ? 0 : 1;
        showHistogram();
        return true;
    }
    // A share keeps the view, whose curves it moves.
    if (const int percent = sharePercent(command); percent > 0) {
        options_[static_cast<std::size_t>(Option::ReadyPercent)] = percent;
        return true;
    }
    if (running_ && (command == Command::Pause || command == Command::WholeMeeting)) {
        command == Command::Pause ? running_->togglePause() : running_->finish();
        return true;
    }
    for (const auto& [control, act] : kReplayControls) {
        if (control == command) {
            ((*replay_).*act)();
            return true;
        }
    }
    const GraphView was = view_;
    switch (command) {
    case Command::SquareRootLaw:
        showHistogram();
        view_ = was == GraphView::SquareRootLaw ? GraphView::Histogram : GraphView::SquareRootLaw;
        return true;
    case Command::Replay:
        showHistogram();
        if (was != GraphView::Replay) {
            replay_.emplace(meetingBalances(settings_.guestCount, random_, clock_, option(Option::CoinShare)));
            view_ = GraphView::Replay;
        }
        return true;
    case Command::RunningAverage:
        showHistogram();
        if (was != GraphView::RunningAverage) {
            running_.emplace(runningShortages(settings_.guestCount, kRunningExperiments, random_, clock_, option(Option::CoinShare)),
                             settings_.guestCount, option(Option::CoinShare));
            view_ = GraphView::RunningAverage;
        }
        return true;
    case Command::BackToHistogram:
        showHistogram();
        return true;
    default:
        return false;  // the front end's
    }
}

std::optional<RunModel::Question> RunModel::question(Command command) const
{
    if (command == Command::ClassMeetings) {
        return Question{say(kClassMeetingsPrompt, {number(guestsArriving(settings_.guestCount))}), say(kClassMeetingsTitle), 0,
                        {0, 0}, true, classText_};
    }
    if (command != Command::CoinShare) {
        return std::nullopt;
    }
    return Question{say(kCoinSharePrompt, {number(kCoinShareRange.lowest), number(kCoinShareRange.highest)}),
                    commandLabel(command), option(Option::CoinShare), kCoinShareRange, false, {}};
}

std::optional<Message> RunModel::answer(Command command, const std::string& text)
{
    if (command != Command::ClassMeetings || !enabled(command)) {
        return std::nullopt;
    }
    ClassEntry entry = readClassMeetings(text, guestsArriving(settings_.guestCount));
    if (entry.error) {
        return entry.error;
    }
    classShortages_ = std::move(entry.shortages);
    classText_ = std::move(entry.text);
    showHistogram();
    return std::nullopt;
}

std::string RunModel::table() const { return record_ ? resultTable(*record_, classShortages_) : std::string(); }

bool RunModel::answer(Command command, int value)
{
    if (!question(command) || value < kCoinShareRange.lowest || value > kCoinShareRange.highest) {
        return false;
    }
    options_[static_cast<std::size_t>(Option::CoinShare)] = value;
    // What the other views show follows the share; the run shown keeps its own.
    if (view_ != GraphView::Histogram) {
        showHistogram();
    }
    return true;
}

HistogramOptions RunModel::histogramOptions() const
{
    const int percent = option(Option::ReadyPercent);
    return {option(Option::ExactLaw) != 0, option(Option::CoinsReady) != 0 ? percent : 0,
            option(Option::CoverageCurve) != 0, option(Option::FitAxes) != 0, percent,
            option(Option::PrecisionTable) != 0, &classShortages_};
}

bool RunModel::hasPicture() const { return record_.has_value() || view_ != GraphView::Histogram; }

Drawing RunModel::picture(const Rect& area, const TextSetter& setter) const
{
    const int percent = option(Option::ReadyPercent);
    switch (view_) {
    case GraphView::Replay:
        return replayPicture(area, *replay_, setter);
    case GraphView::RunningAverage:
        return runningAveragePicture(area, *running_, percent, setter);
    case GraphView::SquareRootLaw: {
        const int share = option(Option::CoinShare);
        if (exactMadeFor_ != std::pair{percent, share}) {
            exact_ = exactForAllGuests(percent, share);
            fair_ = share == kFairPercent ? std::vector<ExactForGuests>{} : exactForAllGuests(percent);
            exactMadeFor_ = {percent, share};
        }
        return squareRootPicture(area, exact_, runs_.points(percent, share), percent, setter, share, fair_);
    }
    case GraphView::Histogram:
        break;
    }
    return histogram(area, record_ ? &*record_ : nullptr, histogramOptions(), setter);
}

Drawing RunModel::savedPicture(const Rect& area, const TextSetter& setter) const
{
    Drawing drawing = picture(area, setter);
    return option(Option::CaptionOnImage) != 0 ? withCaption(std::move(drawing), caption(), setter) : drawing;
}

Message RunModel::description() const
{
    switch (view_) {
    case GraphView::Replay: {
        const ReplayFacts facts = replayFacts(replay_->balances(), replay_->shownGuests());
        std::vector<Message> parts{replayProgress(facts), replayState(*replay_, facts)};
        if (replay_->mirrored()) {
            const std::vector<Message> mirror = mirrorWords(replay_->mirrorLevel(), replay_->finished());
            parts.insert(parts.end(), mirror.begin(), mirror.end());
        }
        return sentences(std::move(parts));
    }
    case GraphView::SquareRootLaw: {
        const int percent = option(Option::ReadyPercent);
        const int share = option(Option::CoinShare);
        return squareRootDescription(percent, runs_.points(percent, share).size(), share);
    }
    case GraphView::RunningAverage:
        return runningAverageDescription(*running_, option(Option::ReadyPercent));
    case GraphView::Histogram:
        break;
    }
    if (!record_) {
        return verbatim({});
    }
    return histogramDescription(*record_, histogramOptions());
}

std::string RunModel::fileName(Command command) const
{
    if (command == Command::SaveCsv) {
        return runName(record_ ? record_->result.settings : settings_) + ".csv";
    }
    const std::string name = view_ == GraphView::Replay          ? "coinwell-replay-" + std::to_string(replay_->guests())
                             : view_ == GraphView::SquareRootLaw ? std::string("coinwell-square-root")
                             : view_ == GraphView::RunningAverage
                                 ? "coinwell-experiments-" + std::to_string(running_->law().guests())
                                                                 : runName(record_ ? record_->result.settings : settings_);
    return name + (command == Command::SaveSvg ? ".svg" : ".png");
}

Message RunModel::caption() const
{
    if (view_ != GraphView::Histogram || !record_) {
        return description();
    }
    const RunResult& result = record_->result;
    Message line = say(phrase("coinwell::report", "%1 guests, %2 experiments, average shortage %3, exact mean %4"),
                       {number(result.settings.guestCount), number(result.settings.experimentCount),
                        verbatim(formatOneDecimal(result.averageShortage())),
                        verbatim(fixedDecimals(record_->law.mean(), 2))});
    if (const std::optional<Message> share = coinShareWords(result.settings.coinPercent)) {
        line = {{}, "%1%2", {line, *share}, {}};
    }
    const int percent = option(Option::ReadyPercent);
    line = {{}, "%1%2", {line, say(phrase("coinwell::report", ", coins to have ready for %1% of meetings: %2"),
                                   {number(percent), number(coinsToHaveReady(result.counts, percent))})}, {}};
    if (!record_->seed) {
        return line;
    }
    return {{}, "%1%2", {line, say(phrase("coinwell::report", ", seed %1"), {verbatim(std::to_string(*record_->seed))})}, {}};
}

}  // namespace coinwell::core

#include "desktop/graph/replay_player.h"

#include <utility>

namespace coinwell::graph {
namespace {

constexpr int kFrameMilliseconds = 16;  // about a display's frame

}  // namespace

ReplayPlayer::ReplayPlayer(std::vector<int> balances, QObject* parent)
    : QObject(parent), balances_(std::move(balances)), progress_(static_cast<int>(balances_.size()))
{
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kFrameMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &ReplayPlayer::frame);
    runTimerIfPlaying();
}

void ReplayPlayer::togglePause() { control(&core::ReplayProgress::togglePause); }
void ReplayPlayer::step() { control(&core::ReplayProgress::step); }
void ReplayPlayer::faster() { control(&core::ReplayProgress::faster); }
void ReplayPlayer::slower() { control(&core::ReplayProgress::slower); }
void ReplayPlayer::finish() { control(&core::ReplayProgress::finish); }

void ReplayPlayer::toggleMirror()
{
    mirrored_ = !mirrored_;
    emit moved();
    emit stateChanged();
}

void ReplayPlayer::control(void (core::ReplayProgress::*change)())
{
    (progress_.*change)();
    runTimerIfPlaying();
    emit moved();
    emit stateChanged();
}

void ReplayPlayer::frame()
{
    progress_.advance(static_cast<double>(sinceFrame_.restart()) / 1000.0);
    emit moved();
    if (progress_.finished()) {
        timer_.stop();
        emit stateChanged();
    }
}

void ReplayPlayer::runTimerIfPlaying()
{
    if (progress_.paused() || progress_.finished()) {
        timer_.stop();
    } else if (!timer_.isActive()) {
        sinceFrame_.start();
        timer_.start();
    }
}

}  // namespace coinwell::graph

#pragma once

#include "core/meeting_replay.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <vector>

namespace coinwell::graph {

// One meeting played back: it moves on at its progress's pace with the
// time that has passed, once a display frame while it plays, and rests
// while it is paused or at its end.
class ReplayPlayer final : public QObject {
    Q_OBJECT

public:
    explicit ReplayPlayer(std::vector<int> balances, QObject* parent = nullptr);

    const std::vector<int>& balances() const { return balances_; }
    const core::ReplayProgress& progress() const { return progress_; }
    bool mirrored() const { return mirrored_; }

    // At the end, plays again from the start.
    void togglePause();
    void step();
    void faster();
    void slower();
    void finish();
    void toggleMirror();

signals:
    // Every frame the path grows.
    void moved();
    // What the replay's state text says has changed: paused, played on,
    // stepped, at another pace, at the end, or mirrored.
    void stateChanged();

private:
    void control(void (core::ReplayProgress::*change)());
    void frame();
    void runTimerIfPlaying();

    std::vector<int> balances_;
    core::ReplayProgress progress_;
    bool mirrored_ = false;
    QTimer timer_;
    QElapsedTimer sinceFrame_;
};

}  // namespace coinwell::graph

#pragma once

#include "core/meeting_replay.h"

#include <emscripten/val.h>

#include <vector>

namespace coinwell::web {

// One meeting's balances and how far their playback has got.
class Replay {
public:
    explicit Replay(std::vector<int> balances);

    int guests() const { return progress_.guests(); }
    emscripten::val balances() const;
    // The exact coins that cover `percent` percent of meetings of this many guests.
    int exactCoins(int percent) const;

    void advance(double seconds) { progress_.advance(seconds); }
    void togglePause() { progress_.togglePause(); }
    void step() { progress_.step(); }
    void faster() { progress_.faster(); }
    void slower() { progress_.slower(); }
    void finish() { progress_.finish(); }
    bool paused() const { return progress_.paused(); }
    bool finished() const { return progress_.finished(); }
    int pace() const { return progress_.pace(); }

    // { shown, guests, balance, lowest (null before the first guest), lowestGuest }
    emscripten::val facts() const;
    // The picture so far in `width` x `height`; texts: { verticalCaption,
    // horizontalCaption, lineHeight, digitWidth, progress, state, mirror };
    // mirrored at -mirrorCoins unless that is below 0.
    emscripten::val scene(double width, double height, const emscripten::val& texts, int mirrorCoins) const;

private:
    std::vector<int> balances_;
    core::ReplayProgress progress_;
};

}  // namespace coinwell::web

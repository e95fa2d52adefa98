#include "replay.h"

#include "core/coins_ready.h"
#include "core/shortage_law.h"
#include "drawing_object.h"

#include <emscripten/bind.h>

#include <optional>
#include <string>
#include <utility>

namespace coinwell::web {

using emscripten::val;

Replay::Replay(std::vector<int> balances)
    : balances_(std::move(balances)), progress_(static_cast<int>(balances_.size()))
{
}

val Replay::balances() const { return numberArray<int>(balances_); }

int Replay::exactCoins(int percent) const { return core::coinsToHaveReady(core::ShortageLaw(guests()), percent); }

val Replay::facts() const
{
    const core::ReplayFacts facts = core::replayFacts(balances_, progress_.shownGuests());
    val out = val::object();
    out.set("shown", facts.shown);
    out.set("guests", facts.guests);
    out.set("balance", facts.balance);
    out.set("lowest", facts.lowest ? val(*facts.lowest) : val::null());
    out.set("lowestGuest", facts.lowestGuest);
    return out;
}

val Replay::scene(double width, double height, const val& texts, int mirrorCoins) const
{
    const core::ReplayTexts words{chartTexts(texts), texts["progress"].as<std::string>(),
                                  texts["state"].as<std::string>(), texts["mirror"].as<std::string>()};
    return drawingObject(core::replayScene({0, 0, width, height}, balances_, progress_.shownGuests(), words,
                                           mirrorCoins >= 0 ? std::optional(mirrorCoins) : std::nullopt));
}

EMSCRIPTEN_BINDINGS(coinwell_replay)
{
    emscripten::class_<Replay>("Replay")
        .function("guests", &Replay::guests)
        .function("balances", &Replay::balances)
        .function("exactCoins", &Replay::exactCoins)
        .function("advance", &Replay::advance)
        .function("togglePause", &Replay::togglePause)
        .function("step", &Replay::step)
        .function("faster", &Replay::faster)
        .function("slower", &Replay::slower)
        .function("finish", &Replay::finish)
        .function("paused", &Replay::paused)
        .function("finished", &Replay::finished)
        .function("pace", &Replay::pace)
        .function("facts", &Replay::facts)
        .function("scene", &Replay::scene);
}

}  // namespace coinwell::web

#pragma once
#include <functional>
#include <string_view>

#include "rules/app/settings.h"
#include "rules/match/matchhost.h"
#include "rules/match/rng.h"

namespace vantorelle {

// The referee's calls and the sounds of the darts landing. Nothing is heard
// with the sound off. A call waits through the host's pause, and goes no
// further once stillOn says the match that asked for it is gone; it answers
// whether that match is still on.
class Referee {
public:
    using StillOn = std::function<bool()>;
    Referee(const Settings& settings, MatchHost& host, Rng& rng) : m_settings(settings), m_host(host), m_rng(rng) {}

    // "Game", "Leg", "Set", "Match" (each waited for) and "Bullseye".
    bool Say(std::string_view word, const StillOn& stillOn = {});
    // The score of a turn, 0..180, waited for.
    bool SayScore(int score, const StillOn& stillOn = {});
    // A dart landing: a bounce, or one of five clean or clashing thuds.
    void landingSound(bool bounceOut, bool clean);

private:
    const Settings& m_settings;
    MatchHost& m_host;
    Rng& m_rng;
};

} // namespace vantorelle

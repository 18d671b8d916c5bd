#pragma once
#include <string_view>

#include "rules/app/settings.h"
#include "rules/match/matchhost.h"
#include "rules/match/rng.h"

namespace vantorelle {

// The referee's calls and the sounds of the darts landing. Nothing is heard
// with the sound off. The calls wait through the host's pause, so the match
// that asked for one must look, afterwards, whether it is still being played.
class Referee {
public:
    Referee(const Settings& settings, MatchHost& host, Rng& rng) : m_settings(settings), m_host(host), m_rng(rng) {}

    // "Game", "Leg", "Set", "Match" (each waited for) and "Bullseye".
    void Say(std::string_view word);
    // The score of a turn, 0..180, waited for.
    void SayScore(int score);
    // A dart landing: a bounce, or one of five clean or clashing thuds.
    void landingSound(bool bounceOut, bool clean);

private:
    const Settings& m_settings;
    MatchHost& m_host;
    Rng& m_rng;
};

} // namespace vantorelle

#include "rules/match/referee.h"

#include <string>

namespace vantorelle {

namespace {
bool on(const Referee::StillOn& stillOn)
{
    return !stillOn || stillOn();
}
} // namespace

bool Referee::Say(std::string_view word, const StillOn& stillOn)
{
    if (!m_settings.soundOn)
        return on(stillOn);
    struct Call {
        const char* word;
        bool leadIn;
        const char* clip;
        bool wait;
    };
    static constexpr Call kCalls[] = {
        {"Game", false, "Sounds/Referee/General/Game.wav", true},
        {"Leg", true, "Sounds/Referee/General/Leg.wav", true},
        {"Set", true, "Sounds/Referee/General/Set.wav", true},
        {"Match", true, "Sounds/Referee/General/Match.wav", true},
        {"Bullseye", false, "Sounds/Referee/General/Bullseye.wav", false},
    };
    for (const auto& call : kCalls) {
        if (word != call.word)
            continue;
        if (call.leadIn) {
            m_host.pause(0.5);
            if (!on(stillOn))
                return false;
        }
        m_host.play(call.clip, call.wait);
        if (!on(stillOn))
            return false;
        break;
    }
    m_host.pause(1);
    return on(stillOn);
}

bool Referee::SayScore(int score, const StillOn& stillOn)
{
    if (!m_settings.soundOn)
        return on(stillOn);
    m_host.pause(0.5);
    if (!on(stillOn))
        return false;
    m_host.play("Sounds/Referee/Score/" + std::to_string(score) + ".wav", true);
    return on(stillOn);
}

void Referee::landingSound(bool bounceOut, bool clean)
{
    if (!m_settings.soundOn)
        return;
    if (bounceOut) {
        m_host.play("Sounds/Dart/Bounce.wav", false);
        return;
    }
    const int k = m_rng.pick(5, 1);
    m_host.play(std::string(clean ? "Sounds/Dart/Clean" : "Sounds/Dart/Clash") + std::to_string(k) + ".wav", false);
}

} // namespace vantorelle

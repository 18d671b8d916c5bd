#include "rules/match/referee.h"

#include <string>

namespace vantorelle {

void Referee::Say(std::string_view word)
{
    if (!m_settings.soundOn)
        return;
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
        if (call.leadIn)
            m_host.pause(0.5);
        m_host.play(call.clip, call.wait);
        break;
    }
    m_host.pause(1);
}

void Referee::SayScore(int score)
{
    if (!m_settings.soundOn)
        return;
    m_host.pause(0.5);
    m_host.play("Sounds/Referee/Score/" + std::to_string(score) + ".wav", true);
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

// The commentary line, the statistics of the match and the checkout hint.
// Keeps: the line is always shown upper-cased; the statistics and the hint
// put back the line they found, unless the match went away meanwhile.
#include "rules/app/utf8.h"
#include "rules/match/matchengine.h"
#include "rules/opponent/checkout.h"
#include "rules/setup/stats.h"

namespace vantorelle {

void MatchEngine::comment(std::string_view text)
{
    m_view.comments = upperCase(text);
    m_host.comment(m_view.comments);
}

bool MatchEngine::showStats()
{
    const unsigned serial = m_life.serial();
    const std::string remembered = m_view.comments;
    if (auto first = averagesMessage(m_match))
        comment(*first);
    if (!m_life.pauseFor(serial, 3))
        return false;
    comment(highTurnsMessage(m_match));
    if (!m_life.pauseFor(serial, 3))
        return false;
    comment(remembered);
    return true;
}

void MatchEngine::DoStats()
{
    if (m_practice) {
        // A practice game's own figures, while it is played.
        if (m_practice->playing())
            showPracticeStats();
        return;
    }
    showStats();
}

void MatchEngine::DoHint()
{
    const unsigned serial = m_life.serial();
    const std::string remembered = m_view.comments;
    if (m_practice) {
        // The target, or in 121 the way out with the darts left.
        const std::string hint = m_practice->hint(m_rng);
        if (hint.empty())
            return;
        comment(hint);
        // Darts fly during the pause: a line said meanwhile stays.
        const std::string shown = m_view.comments;
        if (m_life.pauseFor(serial, 2) && m_view.comments == shown)
            comment(remembered);
        return;
    }
    const int remaining = m_match.player(m_match.currentPlayer).score - m_match.bytTurnScore;
    comment(hintText(remaining, Suggestion(remaining, 3 - m_match.bytDart, m_computer.OpponentScore(), m_rng)));
    if (m_life.pauseFor(serial, 2))
        comment(remembered);
}

} // namespace vantorelle

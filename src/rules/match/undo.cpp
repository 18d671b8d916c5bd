// Corrections of a player at a real board. Keeps: a step is taken back by
// putting back the state as it was before it (the match, the scoreboard's
// view, the record), never by working it out again; the flows that were
// under way for it (its flight, its call, the leg's announcement, the next
// player's thinking) give up as an abandoned match's do, through the match's
// own serial; only his own clicked darts and typed turns can be taken back,
// and only while nothing else has been thrown since.
#include "rules/match/matchengine.h"

namespace vantorelle {

namespace {

// How a bed is said in the commentary: "T20", "D5", "5", "the bull".
std::string shownBed(const std::string& code)
{
    if (code == "S50")
        return "the bull";
    if (code == "S25")
        return "the outer bull";
    if (code.size() != 3 || code == "000")
        return "a miss";
    const std::string number = code[1] == '0' ? code.substr(2) : code.substr(1);
    return code[0] == 'S' ? number : code.substr(0, 1) + number;
}

} // namespace

void MatchEngine::keepUndoPoint(const std::string& what)
{
    UndoPoint u;
    u.match = m_match;
    u.yellowPlayer = m_view.yellowPlayer;
    u.dartInHand = m_view.dartInHand;
    u.scoreboardVisible = m_view.scoreboardVisible;
    u.comments = m_view.comments;
    if (m_recorder)
        u.record = m_recorder->mark();
    u.practice = m_practice;
    u.what = what;
    m_undo.push_back(std::move(u));
    // A whole leg is more than anyone takes back.
    constexpr std::size_t kKept = 30;
    if (m_undo.size() > kKept)
        m_undo.erase(m_undo.begin());
}

bool MatchEngine::canUndo() const
{
    if (m_undo.empty() || m_match.blnStopped || m_match.networkGame || m_match.blnBullUp)
        return false;
    const UndoPoint& u = m_undo.back();
    const int p = m_match.currentPlayer;
    // His own turn, still going: whatever he clicked of it.
    if (u.match.currentPlayer == p && m_match.bytDart > 0 && m_view.yellowPlayer == p)
        return true;
    // A dart that won a leg or a set, before the next dart.
    for (int q : {1, 2})
        if (u.match.player(q).legs != m_match.player(q).legs || u.match.player(q).sets != m_match.player(q).sets)
            return true;
    // The turn before, while the one now on throw is a human here who has
    // not thrown yet.
    return m_match.seatOf(p) == Seat::Human && m_match.bytDart == 0;
}

std::string MatchEngine::undo()
{
    if (!canUndo())
        return {};
    UndoPoint u = std::move(m_undo.back());
    m_undo.pop_back();
    m_life.rewind();
    m_host.stopSounds();
    stopAiming();
    m_match = u.match;
    m_view.yellowPlayer = u.yellowPlayer;
    m_view.dartInHand = u.dartInHand;
    m_view.scoreboardVisible = u.scoreboardVisible;
    if (m_recorder)
        m_recorder->rewind(u.record);
    m_practice = std::move(u.practice);
    showPracticeTarget();
    m_host.redrawTurn();
    const std::string what = u.what.rfind("a typed ", 0) == 0 ? u.what : shownBed(u.what);
    const int p = m_match.currentPlayer;
    comment(what + " taken back. " + m_match.player(p).name +
            (m_match.cricket || m_practice ? " click score." : " click or type score."));
    m_host.refresh();
    return what;
}

} // namespace vantorelle

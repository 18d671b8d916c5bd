// Legs, sets and the end of the match. Keeps: a won leg resets both players'
// remaining scores and leg darts; the starters of legs and sets follow the
// bull-up winner as the table below says; a decided match takes no more
// darts, and its end is reported once (MatchLife::finish) after the board
// is cleared; every call and pause may see the match abandoned, and then
// nothing more of it is booked or shown.
#include "rules/match/matchengine.h"
#include "rules/setup/stats.h"

namespace vantorelle {

namespace {

// The first legs of the sets alternate between the bull-up winner F and the
// other player O, and so do the legs within a set; past four sets or legs the
// loser of the last leg starts. The throw is handed over by the ChangePlayer
// that follows, so the one who must not start is made current here.
void chooseNextStarter(MatchState& match, int winner, bool setWon)
{
    const int F = match.intBullWinner;
    const int O = otherPlayer(F);
    const int loser = otherPlayer(winner);
    const int S = match.player(1).sets + match.player(2).sets;
    int starter;
    if (setWon) {
        starter = (S >= 1 && S <= 4) ? (S % 2 == 0 ? F : O) : loser;
    } else {
        const int L = match.player(1).legs + match.player(2).legs;
        starter = (S <= 4 && L >= 1 && L <= 4) ? ((S + L) % 2 == 0 ? F : O) : loser;
    }
    match.currentPlayer = otherPlayer(starter);
}

} // namespace

bool MatchEngine::LegWinner(int p)
{
    const unsigned serial = m_life.serial();
    auto& me = m_match.player(p);
    me.legs += 1;
    m_match.stat(p, kStatDoublesHit) += 1;
    m_host.legWon(p, me.legs == m_match.bytLegsToWin && me.sets + 1 == m_match.bytSetstoWin);

    if (m_match.intStartScore == 501 && me.legDarts >= 9 && me.legDarts <= 12) {
        comment(std::to_string(me.legDarts) + " - DART FINISH !!!");
        if (!m_life.pauseFor(serial, 1.5))
            return false;
    }
    for (int q : {1, 2}) {
        m_match.player(q).legDarts = 0;
        m_match.player(q).score = m_match.intStartScore;
    }
    m_host.refresh();

    // Every call and pause below may see the match abandoned.
    auto call = [&](const char* word, double after) {
        m_host.processEvents();
        if (!m_life.stillOn(serial))
            return false;
        return m_referee.Say(word, m_life.on(serial)) && m_life.pauseFor(serial, after);
    };

    const std::string name = me.name;
    if (me.legs == m_match.bytLegsToWin) {
        me.sets += 1;
        m_match.player(1).legs = 0;
        m_match.player(2).legs = 0;
        m_host.refresh();
        if (me.sets == m_match.bytSetstoWin) {
            comment("Game, shot and the match, " + name);
            m_life.decided();
            // The record ends with the decision, whatever happens in the calls after it.
            if (m_recorder)
                m_recorder->finish(p, {m_match.player(1).sets, m_match.player(2).sets});
            if (!call("Match", 3) || !showStats())
                return false;
            m_view.scoreboardVisible = false;
            m_host.refresh();
            return true;
        }
        comment("Game, shot and the set, " + name);
        if (!call("Set", 1))
            return false;
        chooseNextStarter(m_match, p, true);
        return false;
    }
    comment("Game, shot and the leg, " + name);
    if (!call("Leg", 1))
        return false;
    chooseNextStarter(m_match, p, false);
    return false;
}

void MatchEngine::x01MatchWon(unsigned serial, int p)
{
    m_host.clearBoard();
    m_view.dartInHand = {true, true, true, false, false, false};
    stopAiming();
    m_host.refresh();
    const std::string name = m_match.player(p).name;
    m_undo.clear();
    m_life.finish(serial, {p, name, "The winner is " + name});
}

void MatchEngine::cricketWon(unsigned serial, int p, const std::string& text)
{
    m_life.decided();
    if (m_recorder)
        m_recorder->finish(p, {p == 1 ? 1 : 0, p == 2 ? 1 : 0}); // Cricket is one game
    m_host.legWon(p, true);
    comment("That's the winner!");
    if (!m_life.pauseFor(serial, 3))
        return;
    m_host.clearBoard();
    m_view.scoreboardVisible = false;
    stopAiming();
    m_host.refresh();
    m_undo.clear();
    m_life.finish(serial, {p, m_match.player(p).name, text});
}

} // namespace vantorelle

// The start of a match and its abandonment. Keeps: a match begins with a new
// serial, its own seats and its end handler (MatchLife); a start that finds
// its match gone after the pairing is shown, or a bull-up given up, leaves no
// match half started; abandoning leaves nothing of the match on the board.
#include "rules/match/matchengine.h"

#include <utility>

namespace vantorelle {

namespace {

void clearMarks(MatchState& match)
{
    for (auto& player : match.cricketMarks)
        player.fill("");
}

} // namespace

MatchEngine::MatchEngine(MatchState& match, BoardView& view, const Settings& settings, const RunFlags& flags,
                         const RosterFile& roster, const CareerState& career, const std::string& appFolder,
                         MatchHost& host, Rng& rng)
    : m_match(match), m_view(view), m_settings(settings), m_flags(flags), m_career(career), m_host(host), m_rng(rng),
      m_referee(settings, host, rng), m_computer(match, roster, career, appFolder, rng), m_life(match, host)
{
}

MatchEngine::MatchEngine(GameState& st, MatchHost& host, Rng& rng)
    : MatchEngine(st.match, st.view, st.settings, st.flags, st.roster, st.career, st.appFolder, host, rng)
{
}

void MatchEngine::StartGame(MatchOverHandler onOver)
{
    startMatch(false, std::move(onOver));
}

void MatchEngine::StartCricket(MatchOverHandler onOver)
{
    startMatch(true, std::move(onOver));
}

void MatchEngine::startMatch(bool cricket, MatchOverHandler onOver)
{
    const unsigned serial = m_life.begin(std::move(onOver));
    m_undo.clear();
    m_practice.reset();
    m_view.targetBeds.clear();
    m_match.cricket = cricket;
    // A career match shows each player's nationality and rank beside his name.
    auto named = [this](int p) {
        const std::string& tag = m_match.tag[static_cast<std::size_t>(p)];
        return m_match.player(p).name + (m_match.bytGameType == 2 ? ", " + tag : std::string());
    };
    const std::string pairing = named(1) + " v " + named(2);
    if (cricket) {
        m_view.cricketBoardShown = true;
        m_host.refresh();
        m_host.showInfo(pairing);
        if (!m_life.stillOn(serial))
            return;
        clearMarks(m_match);
        m_match.blnStopped = false;
        resetScoreboard(0);
    } else {
        m_match.blnStopped = false;
        m_host.showInfo(pairing);
        if (!m_life.stillOn(serial))
            return;
        resetScoreboard(m_match.intStartScore);
    }

    if (!m_referee.Say("Bullseye", m_life.on(serial)))
        return;
    const int w = ThrowForStart();
    if (!m_life.stillOn(serial))
        return;
    if (w == 0) {
        // The bull-up gave up (quitting, the board closed): no match is left half started.
        abandon();
        return;
    }
    handOverAfterBullUp(w);
}

void MatchEngine::resetScoreboard(int startScore)
{
    m_match.currentPlayer = 1;
    for (int q : {1, 2}) {
        auto& pl = m_match.player(q);
        pl.score = startScore;
        pl.legs = 0;
        pl.sets = 0;
        pl.legDarts = 0; // a match abandoned mid-leg leaves nothing behind
    }
    m_view.scoreboardVisible = true;
    m_host.refresh();
}

void MatchEngine::abandon()
{
    if (m_recorder)
        m_recorder->abandon({m_match.player(1).sets, m_match.player(2).sets});
    m_undo.clear();
    m_practice.reset();
    m_view.targetBeds.clear();
    m_life.drop();
    m_host.stopSounds();
    stopAiming();
    m_host.clearBoard();
    m_view.dartInHand = {};
    m_host.refresh();
}

} // namespace vantorelle

// A practice game, played alone. Keeps: the player throws as in a match
// (the aim circle on the screen, a click and its confirmation at a real
// board) and every dart comes through the one door of the match's darts;
// the game's own rules decide each dart and the end; a turn ends with its
// third dart, or earlier in 121 with a checkout or a bust; the session is
// recorded as a match is, its result with its end, and an abandoned one as
// abandoned, never with a result.
#include "rules/match/matchengine.h"

namespace vantorelle {

void MatchEngine::StartPractice(const PracticeChoice& choice, std::optional<int> best, MatchOverHandler onOver,
                                bool bestKnown)
{
    const unsigned serial = m_life.begin(std::move(onOver));
    m_undo.clear();
    m_practice.emplace(choice);
    m_practiceBest = best;
    m_practiceBestKnown = bestKnown;
    m_match.cricket = false;
    m_match.blnBullUp = false;
    m_view.cricketBoardShown = false;
    m_view.yellowPlayer = 0;
    m_view.dartInHand = {};
    m_view.targetBeds.clear();
    m_host.clearBoard();
    m_match.blnStopped = false;
    resetScoreboard(0);
    m_host.showInfo(practiceName(choice));
    if (!m_life.stillOn(serial))
        return;
    m_life.guards().open = true;
    m_match.resetMatchStats();
    beginPracticeRecord();
    {
        // Nobody throws until the game is called on.
        MatchLife::Raise starting(m_life, &TurnGuards::turnEnding);
        comment(m_practice->openingText(best));
        showPracticeTarget();
        m_view.yellowPlayer = 1;
        m_host.refresh();
        if (!callGameOn(serial))
            return;
    }
    newPracticeTurn();
}

void MatchEngine::beginPracticeRecord()
{
    if (!m_recorder)
        return;
    records::MatchRecord r;
    r.kind = records::MatchKind::Practice;
    r.game = practiceCode(m_practice->choice());
    r.players[0].name = m_match.player(1).name;
    r.players[0].kind = m_match.player(1).realBoard ? records::PlayerKind::RealBoard : records::PlayerKind::Screen;
    m_recorder->begin(std::move(r));
}

void MatchEngine::newPracticeTurn()
{
    m_match.bytDart = 0;
    m_match.bytTurnScore = 0;
    m_match.strDartPose = {"a", "a", "a", "a"};
    stopAiming();
    m_host.clearBoard();
    m_view.yellowPlayer = 1;
    m_view.dartInHand = {true, true, true, false, false, false};
    showPracticeTarget();
    m_host.refresh();
}

void MatchEngine::showPracticeTarget()
{
    m_view.targetBeds = m_practice ? m_practice->targetBeds() : std::vector<std::string>{};
}

void MatchEngine::bookPracticeDart(unsigned serial, int n, const std::string& bed)
{
    const PracticeDart d = m_practice->dart(bed);
    if (!d.accepted)
        return;
    m_match.bytDart = n;
    m_match.bytTurnScore = d.bust ? 0 : m_match.bytTurnScore + d.points;
    // A 121 turn that checked out or bust before its third dart is over.
    if (m_recorder && d.turnEnded && n < 3)
        m_recorder->endVisit();
    showPracticeTarget();
    comment(d.comment);
    m_host.refresh();
    if (d.gameOver) {
        practiceOver(serial);
        return;
    }
    if (!d.turnEnded)
        return;
    {
        // No dart may be thrown while the turn ends.
        MatchLife::Raise ending(m_life, &TurnGuards::turnEnding);
        // In 121 the turn's score is called as in a match.
        if (m_practice->choice().game == PracticeGame::Checkout121 && !d.checkout &&
            !m_referee.SayScore(m_match.bytTurnScore, m_life.on(serial)))
            return;
        if (!m_life.pauseFor(serial, 1.5))
            return;
    }
    newPracticeTurn();
}

void MatchEngine::practiceOver(unsigned serial)
{
    m_life.decided();
    m_undo.clear();
    const std::optional<int> result = m_practice->result();
    if (m_recorder && result)
        m_recorder->finishPractice(*result);
    const std::string closing = m_practice->closingText(m_practiceBest, m_practiceBestKnown);
    // The scoreboard's best and the figures key show the new best from now on.
    if (result && m_practiceBestKnown && isNewBest(m_practice->choice(), *result, m_practiceBest))
        m_practiceBest = result;
    comment(closing);
    m_view.targetBeds.clear();
    m_host.refresh();
    if (!m_life.pauseFor(serial, 3))
        return;
    m_host.clearBoard();
    m_view.scoreboardVisible = false;
    m_view.dartInHand = {};
    m_view.yellowPlayer = 0;
    stopAiming();
    m_host.refresh();
    m_life.finish(serial, {1, m_match.player(1).name, closing});
}

bool MatchEngine::showPracticeStats()
{
    const unsigned serial = m_life.serial();
    const std::string remembered = m_view.comments;
    for (const std::string& line : m_practice->statsLines(m_practiceBest)) {
        comment(line);
        const std::string shown = m_view.comments;
        if (!m_life.pauseFor(serial, 3))
            return false;
        // A dart thrown during the pause has said its own line: it stays.
        if (m_view.comments != shown)
            return true;
    }
    comment(remembered);
    return true;
}

} // namespace vantorelle

// A landed dart booked by the rules of the game in play. Keeps: the dart is
// booked to the player and the dart number it landed with; the x01
// statistics are counted before the bust test and kept when the turn busts;
// a bust leaves the remaining score as it was at the start of the turn; no
// dart may be thrown while a bust or a won leg is announced; after the third
// dart, a bust or a checkout the throw passes on.
#include "rules/cricket/cricket.h"
#include "rules/match/bed.h"
#include "rules/match/matchengine.h"

namespace vantorelle {

void MatchEngine::countDart(int p, int n, int dartScore)
{
    m_match.bytDart = n;
    m_match.bytTurnScore += dartScore;
    m_match.player(p).legDarts += 1;
    if (n == 3)
        countHighTurn(p, m_match.bytTurnScore);
}

void MatchEngine::countHighTurn(int p, int turn)
{
    if (turn >= 100 && turn <= 139)
        m_match.stat(p, kStat100) += 1;
    else if (turn >= 140 && turn <= 179)
        m_match.stat(p, kStat140) += 1;
    else if (turn == 180)
        m_match.stat(p, kStat180) += 1;
}

void MatchEngine::bookX01Dart(unsigned serial, int p, int n, const std::string& bed)
{
    const int dartScore = bedValue(bed);
    // Statistics, counted before the bust test and kept when the turn busts.
    m_match.stat(p, kStatDarts) += 1;
    m_match.stat(p, kStatPoints) += dartScore;
    const int left = m_match.player(p).score - m_match.bytTurnScore;
    if (left == 50 || (left % 2 == 0 && left >= 2 && left <= 40))
        m_match.stat(p, kStatDartsAtDouble) += 1;
    countDart(p, n, dartScore);

    const int R = m_match.player(p).score;
    const int T = m_match.bytTurnScore;
    const std::string name = m_match.player(p).name;

    if (T > R || T == R - 1) {
        bust("No score! " + name + " has bust!");
        return;
    }
    if (T == R) {
        if (!isFinishingBed(bed)) {
            bust(name + " has bust! You must finish on a double!");
            return;
        }
        {
            MatchLife::Raise ending(m_life, &TurnGuards::turnEnding);
            const bool won = LegWinner(p);
            if (!m_life.stillOn(serial))
                return;
            if (won) {
                x01MatchWon(serial, p);
                return;
            }
            m_match.bytDart = 0;
            m_match.bytTurnScore = 0;
            if (!m_life.pauseFor(serial, 1.5))
                return;
        }
        ChangePlayer(false);
        return;
    }

    std::string text = "Dart " + std::to_string(n) + " hits ";
    if (dartScore == 50)
        text += "the bullseye!";
    else if (dartScore == 25)
        text += "the outer bullseye!";
    else
        text += std::to_string(dartScore);

    if (n == 3) {
        if (dartScore != 50 && dartScore != 25)
            text += ".";
        text += " " + name + " scores " + std::to_string(T) + ".";
        comment(text);
        if (!m_referee.SayScore(T, m_life.on(serial)) || !m_life.pauseFor(serial, 2))
            return;
        m_match.player(p).score = R - T;
        m_match.bytTurnScore = 0;
        m_match.bytDart = 0;
        m_host.refresh();
        ChangePlayer(false);
        return;
    }
    comment(text);
}

void MatchEngine::bust(std::string_view message)
{
    const unsigned serial = m_life.serial();
    {
        // No dart may be thrown while the bust is announced.
        MatchLife::Raise ending(m_life, &TurnGuards::turnEnding);
        comment(message);
        const bool called = m_referee.SayScore(0, m_life.on(serial));
        if (!called)
            return;
        m_match.bytDart = 0;
        m_match.bytTurnScore = 0;
        if (!m_life.pauseFor(serial, 1.5))
            return;
    }
    ChangePlayer(false);
}

void MatchEngine::bookCricketDart(unsigned serial, int p, int n, const std::string& bed)
{
    const int dartScore = bedValue(bed);
    if (CricketScore(m_match, p, bed))
        m_host.refresh();
    if (const std::string text = CheckForWinner(m_match); !text.empty()) {
        cricketWon(serial, p, text);
        return;
    }
    countDart(p, n, dartScore);

    std::string text = "Dart " + std::to_string(n) + " hits ";
    if (dartScore == 50)
        text += "the double bullseye!";
    else if (dartScore == 25)
        text += "the single bullseye!";
    else
        text += bed;
    comment(text);
    m_host.refresh();
    if (n == 3) {
        m_match.bytTurnScore = 0;
        m_match.bytDart = 0;
        ChangePlayer(true);
    }
}

} // namespace vantorelle

// The match's record as it is played. Keeps: a match is recorded from the
// end of its bull-up (a match left before it has nothing to record); each
// dart of a visit goes in where it landed, with where it was aimed (on the
// screen: the aim point and its bed; the computer: the bed it went for; a
// real-board click or the other machine's dart: nothing); the record never
// decides anything of the match.
#include "rules/career/calendar.h"
#include "rules/match/matchengine.h"

namespace vantorelle {

void MatchEngine::beginRecord()
{
    if (!m_recorder)
        return;
    records::MatchRecord r;
    r.kind = m_match.networkGame           ? records::MatchKind::Network
             : m_match.bytGameType == 2 ? records::MatchKind::Career
                                        : records::MatchKind::Exhibition;
    r.game = m_match.cricket ? "CRICKET" : std::to_string(m_match.intStartScore);
    r.setsToWin = m_match.bytSetstoWin;
    r.legsToWin = m_match.bytLegsToWin;
    for (int p : {1, 2}) {
        records::RecordPlayer& player = r.players[static_cast<std::size_t>(p - 1)];
        player.name = m_match.player(p).name;
        switch (m_match.seatOf(p)) {
        case Seat::Computer:
            player.kind = records::PlayerKind::Computer;
            player.computerClass = m_match.difficulty;
            break;
        case Seat::Remote:
            player.kind = records::PlayerKind::Remote;
            break;
        case Seat::Human:
            player.kind = m_match.player(p).realBoard ? records::PlayerKind::RealBoard : records::PlayerKind::Screen;
            break;
        }
    }
    if (r.kind == records::MatchKind::Career)
        r.career = records::CareerRound{m_career.careerName, m_career.tournamentNo, tournamentName(m_career.tournamentNo),
                                        m_match.careerStage};
    m_recorder->begin(std::move(r));
}

void MatchEngine::recordLanding(int p, int x, int y, const Landing& landing,
                                const std::optional<records::ThrownDart>& aim)
{
    if (!m_recorder || !m_recorder->recording())
        return;
    records::ThrownDart d = aim.value_or(records::ThrownDart{});
    d.x = x;
    d.y = y;
    d.bed = landing.bed;
    d.bounceOut = landing.bounceOut;
    if (m_match.cricket || m_practice)
        m_recorder->plainDart(p, d);
    else
        m_recorder->x01Dart(p, m_match.player(p).score, d);
}

} // namespace vantorelle

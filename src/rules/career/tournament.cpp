#include "rules/career/tournament.h"

#include "rules/career/calendar.h"
#include "rules/career/draws.h"
#include "rules/career/points.h"
#include "rules/career/rankings.h"
#include "rules/career/rosterrecord.h"
#include "rules/career/simulate.h"

namespace vantorelle {

namespace {

constexpr int kQualifyingList = 1;
constexpr int kEliminatorList = 2;
constexpr int kFinalList = 3;

CareerMatch careerMatch(const CareerState& state, std::string_view a, std::string_view b, const char* stage)
{
    const bool careerInA = sameName(trimSpaces(a), trimSpaces(state.careerName));
    const std::string me(trimSpaces(careerInA ? a : b));
    const std::string opponent(trimSpaces(careerInA ? b : a));
    CareerMatch m;
    m.player1 = upperCase(me);
    m.player2 = upperCase(opponent);
    m.flag1 = GetFlag(state.roster, me);
    m.flag2 = GetFlag(state.roster, opponent);
    m.tag1 = GetRankLabel(state.roster, me);
    m.tag2 = GetRankLabel(state.roster, opponent);
    m.stage = stage;
    m.length = SetLength(state.tournamentNo, stage, state.matchLength);
    return m;
}

// One round of a list: the winner of slots (from, from + 1) goes to slot
// next, and so on up to slot to. The career player's match is left open.
struct Round {
    CareerState& state;
    RostersState& rosters;
    const RankTable& ranks;
    Rng& rng;
    std::optional<CareerMatch>& match;

    template <std::size_t N>
    void play(DrawList<N>& list, int listId, int from, int to, int next, const char* stage)
    {
        for (int a = from; a < to; a += 2, ++next) {
            SimResult result = SimulateMatch(list, a, a + 1, state.careerName, ranks, rng);
            if (!result.careerMatch) {
                list.set(next, std::move(result.winner));
                continue;
            }
            if (rosters.intHumanSlot != 0) // he cannot play twice in a round; a damaged draw stays open
                continue;
            rosters.intHumanSlot = next;
            rosters.bytHumanDraw = listId;
            rosters.humanSlotA = a;
            rosters.humanSlotB = a + 1;
            match = careerMatch(state, list[a], list[a + 1], stage);
        }
    }
};

TournamentEnd endTournament(CareerState& state, const RostersState& rosters, bool cricketUnlocked)
{
    TournamentEnd end;
    end.champion = state.FinalDraw[63];
    end.message = rosters.strTournament + " CHAMPION - " + upperCase(trimSpaces(end.champion));
    end.cricketUnlocked = state.tournamentNo == 12 && !cricketUnlocked && !isBlank(state.careerName) &&
                          sameName(trimSpaces(end.champion), trimSpaces(state.careerName));
    end.rankingPoints = DisplayPoints(state);
    return end;
}

// Once the final has a winner the points are paid and the career is saved at
// once, so the career player's final counts in this tournament's totals.
void finish(DrawStep& step, CareerState& state, const RostersState& rosters, bool cricketUnlocked)
{
    step.end = endTournament(state, rosters, cricketUnlocked);
    step.show = DrawView::Final32;
    step.saveCareer = true;
    step.continueEnabled = false;
}

} // namespace

RostersState OpenRosters(const CareerState& state)
{
    RostersState r;
    r.strTournament = tournamentName(state.tournamentNo);
    return r;
}

DrawStep ContinueDraw(CareerState& state, RostersState& rosters, bool cricketUnlocked, Rng& rng)
{
    DrawStep out;
    if (rosters.intHumanSlot != 0) { // his match is still being played
        out.waiting = true;
        return out;
    }
    rosters.strWinner.clear();

    auto& q = state.QualifyingDraw;
    auto& e = state.EliminatorDraw;
    auto& f = state.FinalDraw;
    const Format format = tournamentFormat(state.tournamentNo);
    const RankTable ranks(state.roster);
    std::optional<CareerMatch> match;
    Round round{state, rosters, ranks, rng, match};
    auto blank = [](const std::string& s) { return isBlank(s); };

    if (blank(q[129])) {
        out.step = 1;
        round.play(q, kQualifyingList, 1, 128, 129, "Q1");
    } else if (blank(q[193])) {
        out.step = 2;
        round.play(q, kQualifyingList, 129, 192, 193, "Q2");
    } else if (format == Format::Masters && blank(q[225]) && blank(f[1])) {
        out.step = 3;
        for (int i = 0; i < 32; ++i)
            f.set(1 + i, q[193 + i]);
        out.show = DrawView::Final32;
    } else if (format != Format::Masters && blank(q[225])) {
        out.step = 4;
        round.play(q, kQualifyingList, 193, 224, 225, "Q3");
    } else if (format == Format::Championship && blank(q[241])) {
        out.step = 5;
        round.play(q, kQualifyingList, 225, 240, 241, "Q3");
    } else if (format == Format::Standard && blank(e[2])) {
        out.step = 6;
        for (int i = 0; i < 16; ++i)
            e.set(2 + 2 * i, q[225 + i]);
        out.show = DrawView::Eliminator;
    } else if (format == Format::Standard && blank(e[33])) {
        out.step = 7;
        round.play(e, kEliminatorList, 1, 32, 33, "EL");
        out.show = DrawView::Eliminator;
    } else if (format != Format::Masters && blank(f[2])) {
        out.step = 8;
        if (format == Format::Standard)
            for (int i = 0; i < 16; ++i)
                f.set(2 + 2 * i, e[33 + i]);
        else
            for (std::size_t i = 0; i < kChampionshipQualifierSlots.size(); ++i)
                f.set(kChampionshipQualifierSlots[i], q[241 + static_cast<int>(i)]);
        out.show = DrawView::Final32;
    } else if (blank(f[33])) {
        out.step = 9;
        round.play(f, kFinalList, 1, 32, 33, "F1");
        out.show = DrawView::Final32;
    } else if (blank(f[49])) {
        out.step = 9;
        round.play(f, kFinalList, 33, 48, 49, "F2");
        out.show = DrawView::Final32;
    } else if (blank(f[57])) {
        out.step = 9;
        round.play(f, kFinalList, 49, 56, 57, "F3");
        out.show = DrawView::Final32;
    } else if (blank(f[61])) {
        out.step = 9;
        round.play(f, kFinalList, 57, 60, 61, "F4");
        out.show = DrawView::Final32;
    } else if (blank(f[63])) {
        out.step = 10;
        round.play(f, kFinalList, 61, 62, 63, "F5");
        out.show = DrawView::Final32;
        if (!match && !blank(f[63])) {
            finish(out, state, rosters, cricketUnlocked);
            return out;
        }
    } else {
        return out; // the tournament is over: nothing is left to play
    }

    if (match) {
        out.careerMatch = std::move(match);
        out.waiting = true;
        return out;
    }
    out.continueEnabled = true;
    out.saveCareer = true;
    return out;
}

DrawStep HumanMatchTick(CareerState& state, RostersState& rosters, bool cricketUnlocked)
{
    DrawStep out;
    if (rosters.intHumanSlot == 0) { // nothing awaited: let the player go on
        out.continueEnabled = isBlank(state.FinalDraw[63]);
        return out;
    }
    const std::string winner(trimSpaces(rosters.strWinner));
    if (winner.empty()) {
        out.waiting = true;
        return out;
    }
    auto playedIn = [&](const auto& list) {
        return sameName(winner, trimSpaces(list[rosters.humanSlotA])) ||
               sameName(winner, trimSpaces(list[rosters.humanSlotB]));
    };
    const int slot = rosters.intHumanSlot;
    bool played = false;
    switch (rosters.bytHumanDraw) {
    case kQualifyingList:
        played = playedIn(state.QualifyingDraw);
        if (played)
            state.QualifyingDraw.set(slot, winner);
        out.show = DrawView::Group;
        break;
    case kEliminatorList:
        played = playedIn(state.EliminatorDraw);
        if (played)
            state.EliminatorDraw.set(slot, winner);
        out.show = DrawView::Eliminator;
        break;
    default:
        played = playedIn(state.FinalDraw);
        if (played)
            state.FinalDraw.set(slot, winner);
        out.show = DrawView::Final32;
        break;
    }
    rosters.strWinner.clear();
    if (!played) {
        out.waiting = true;
        return out;
    }
    rosters.intHumanSlot = 0;
    if (rosters.bytHumanDraw == kFinalList && slot == 63) {
        finish(out, state, rosters, cricketUnlocked);
        return out;
    }
    out.continueEnabled = true;
    out.saveCareer = true;
    return out;
}

} // namespace vantorelle

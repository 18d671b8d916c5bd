#include "rules/career/draws.h"

#include "rules/career/calendar.h"
#include "rules/career/rosterrecord.h"

namespace vantorelle {

namespace {

// "First Second" of the player of that rank: the career roster is kept in
// ranking order, entry k holding rank k.
std::string nameOfRank(const CareerState& state, int rank)
{
    if (rank < 1 || rank > static_cast<int>(state.roster.size()))
        return {};
    return lineName(state.roster[static_cast<std::size_t>(rank - 1)]);
}

void seedFinal(CareerState& state)
{
    for (std::size_t k = 0; k < kSeedOrder.size(); ++k)
        state.FinalDraw.set(static_cast<int>(2 * k + 1), nameOfRank(state, kSeedOrder[k]));
}

// Ranks first..first+127 into qualifying slots 1..128.
void fillQualifying(CareerState& state, int firstRank)
{
    for (int slot = 1; slot <= 128; ++slot)
        state.QualifyingDraw.set(slot, nameOfRank(state, firstRank + slot - 1));
}

template <std::size_t N>
bool holds(const DrawList<N>& list, int from, int to, std::string_view name)
{
    for (int slot = from; slot <= to; ++slot)
        if (sameName(trimSpaces(list[slot]), name))
            return true;
    return false;
}

// The career player always plays the masters and championship formats.
void enterCareerPlayer(CareerState& state)
{
    if (state.careerName.empty())
        return;
    if (holds(state.QualifyingDraw, 1, 128, state.careerName) || holds(state.FinalDraw, 1, 32, state.careerName))
        return;
    state.QualifyingDraw.set(128, state.careerName);
}

void shuffleQualifying(CareerState& state, Rng& rng)
{
    for (int i = 0; i < kDrawSwaps; ++i) {
        const int a = rng.pick(128, 1);
        const int b = rng.pick(128, 1);
        state.QualifyingDraw.swap(a, b);
    }
}

} // namespace

void BuildNewNorm(CareerState& state, Rng& rng)
{
    for (std::size_t k = 0; k < kSeedOrder.size(); ++k)
        state.EliminatorDraw.set(static_cast<int>(2 * k + 1), nameOfRank(state, 16 + kSeedOrder[k]));
    seedFinal(state);
    fillQualifying(state, 33);
    shuffleQualifying(state, rng);
}

void BuildNewWorldMasters(CareerState& state, Rng& rng)
{
    fillQualifying(state, 1);
    enterCareerPlayer(state);
    shuffleQualifying(state, rng);
}

void BuildNewWorldChamp(CareerState& state, Rng& rng)
{
    seedFinal(state);
    for (std::size_t i = 0; i < kChampionshipRank17Slots.size(); ++i)
        state.FinalDraw.set(kChampionshipRank17Slots[i], nameOfRank(state, 17 + static_cast<int>(i)));
    fillQualifying(state, 25);
    enterCareerPlayer(state);
    shuffleQualifying(state, rng);
}

void BuildDraw(CareerState& state, Rng& rng)
{
    switch (tournamentFormat(state.tournamentNo)) {
    case Format::Standard:
        BuildNewNorm(state, rng);
        break;
    case Format::Masters:
        BuildNewWorldMasters(state, rng);
        break;
    case Format::Championship:
        BuildNewWorldChamp(state, rng);
        break;
    }
}

int CountName(const DrawList<63>& finalDraw, std::string_view name)
{
    name = trimSpaces(name);
    if (name.empty())
        return 0;
    int n = 0;
    for (int slot = 1; slot <= DrawList<63>::kSize; ++slot)
        n += sameName(trimSpaces(finalDraw[slot]), name);
    return n;
}

} // namespace vantorelle

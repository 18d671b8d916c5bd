#include "rules/career/ladder.h"

#include "rules/career/calendar.h"
#include "rules/career/roster.h"
#include "rules/career/rosterrecord.h"

namespace vantorelle {

namespace {

// One run of labels: where it starts, how many, which round of the draw it
// shows, and the first slot it shows in a group (plus a stride per group
// letter) and in the eliminator or final 32.
struct LadderRow {
    int firstLabel;
    int labels;
    int round;
    int groupSlot;
    int groupStride;
    int knockoutSlot;
};
constexpr std::array<LadderRow, 10> kLadder{{
    { 1, 16, 1,   1, 32,  1},
    {32, 16, 1,  17, 32, 17},
    {17,  8, 2, 129, 16, 33},
    {48,  8, 2, 137, 16, 41},
    {25,  4, 3, 193,  8, 49},
    {56,  4, 3, 197,  8, 53},
    {29,  2, 4, 225,  4, 57},
    {60,  2, 4, 227,  4, 59},
    {31,  1, 5, 241,  2, 61},
    {62,  1, 5, 242,  2, 62},
}};

// The rounds of a group the window shows: up to the qualifiers of the format.
int groupRounds(Format format)
{
    switch (format) {
    case Format::Standard:
        return 4;
    case Format::Masters:
        return 3;
    case Format::Championship:
        return 5;
    }
    return 4;
}

template <std::size_t N>
Ladder build(const DrawList<N>& list, int lastRound, int group)
{
    Ladder l;
    for (const auto& row : kLadder) {
        if (row.round > lastRound)
            continue;
        const int first = group < 0 ? row.knockoutSlot : row.groupSlot + row.groupStride * group;
        for (int i = 0; i < row.labels; ++i) {
            const auto at = static_cast<std::size_t>(row.firstLabel + i);
            l.visible[at] = true;
            l.label[at] = upperCase(trimSpaces(list[first + i]));
        }
    }
    return l;
}

} // namespace

Ladder DisplayGroup(const CareerState& state, std::string_view strTournament, char group)
{
    const int g = group >= 'A' && group <= 'D' ? group - 'A' : 0;
    const Format format = tournamentFormat(state.tournamentNo);
    Ladder l = build(state.QualifyingDraw, groupRounds(format), g);
    l.title = std::string(strTournament) + (format == Format::Masters ? " - POOL " : " - QUALIFYING GROUP ") +
              static_cast<char>('A' + g);
    return l;
}

Ladder DisplayEliminator(const CareerState& state, std::string_view strTournament)
{
    Ladder l = build(state.EliminatorDraw, 2, -1);
    l.title = std::string(strTournament) + " - ELIMINATOR";
    return l;
}

Ladder DisplayFinal32(const CareerState& state, std::string_view strTournament)
{
    Ladder l = build(state.FinalDraw, 5, -1);
    l.title = std::string(strTournament) + " - FINAL 32";
    return l;
}

Ladder Display(const CareerState& state, std::string_view strTournament, DrawView view)
{
    switch (view) {
    case DrawView::Eliminator:
        return DisplayEliminator(state, strTournament);
    case DrawView::Final32:
        return DisplayFinal32(state, strTournament);
    case DrawView::Group:
        break;
    }
    return DisplayGroup(state, strTournament, 'A');
}

bool eliminatorEnabled(int tournamentNo)
{
    return tournamentFormat(tournamentNo) == Format::Standard;
}

} // namespace vantorelle

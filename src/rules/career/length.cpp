#include "rules/career/length.h"

#include <algorithm>
#include <array>

#include "rules/career/calendar.h"

namespace vantorelle {

namespace {

struct LegsSets {
    int legs;
    int sets;
};

struct LengthRow {
    LengthScale scale;
    std::array<const char*, 4> stages; // unused places are nullptr
    std::array<LegsSets, 3> byLength;  // SHORT, MEDIUM, LONG
};

using L = LengthScale;
constexpr std::array<LengthRow, 19> kLengthTable{{
    {L::Standard,          {"Q1", "Q2", "Q3", "EL"}, {{{2, 1}, {2, 1},  {3, 1}}}},
    {L::Standard,          {"F1", "F2"},             {{{3, 1}, {3, 1},  {3, 2}}}},
    {L::Standard,          {"F3", "F4"},             {{{3, 1}, {3, 2},  {3, 3}}}},
    {L::Standard,          {"F5"},                   {{{3, 2}, {3, 3},  {3, 4}}}},
    {L::Masters,           {"Q1", "Q2", "Q3", "EL"}, {{{2, 1}, {2, 1},  {3, 1}}}},
    {L::Masters,           {"F1"},                   {{{3, 1}, {4, 1},  {6, 1}}}},
    {L::Masters,           {"F2"},                   {{{3, 1}, {6, 1},  {9, 1}}}},
    {L::Masters,           {"F3"},                   {{{4, 1}, {8, 1},  {12, 1}}}},
    {L::Masters,           {"F4"},                   {{{5, 1}, {10, 1}, {15, 1}}}},
    {L::Masters,           {"F5"},                   {{{6, 1}, {12, 1}, {18, 1}}}},
    {L::WorldMasters,      {"Q1", "Q2", "Q3", "EL"}, {{{2, 1}, {3, 1},  {3, 2}}}},
    {L::WorldMasters,      {"F1", "F2"},             {{{3, 1}, {3, 2},  {3, 3}}}},
    {L::WorldMasters,      {"F3", "F4"},             {{{3, 2}, {3, 3},  {3, 4}}}},
    {L::WorldMasters,      {"F5"},                   {{{3, 3}, {3, 4},  {3, 5}}}},
    {L::WorldChampionship, {"Q1", "Q2", "Q3", "EL"}, {{{3, 1}, {3, 1},  {3, 2}}}},
    {L::WorldChampionship, {"F1", "F2"},             {{{3, 1}, {3, 2},  {3, 3}}}},
    {L::WorldChampionship, {"F3"},                   {{{3, 2}, {3, 3},  {3, 4}}}},
    {L::WorldChampionship, {"F4"},                   {{{3, 3}, {3, 4},  {3, 5}}}},
    {L::WorldChampionship, {"F5"},                   {{{3, 2}, {3, 4},  {3, 6}}}},
}};

} // namespace

LengthScale lengthScale(int tournamentNo)
{
    if (tournamentNo == 6)
        return LengthScale::WorldMasters;
    if (tournamentNo == 12)
        return LengthScale::WorldChampionship;
    return tournamentFormat(tournamentNo) == Format::Masters ? LengthScale::Masters : LengthScale::Standard;
}

MatchLengthSetting SetLength(int tournamentNo, std::string_view stage, int matchLength)
{
    const LengthScale scale = lengthScale(tournamentNo);
    const auto length = static_cast<std::size_t>(std::clamp(matchLength, 1, 3) - 1);
    const LengthRow* found = nullptr;
    for (const auto& row : kLengthTable) {
        if (row.scale != scale)
            continue;
        if (!found) // the first row of a scale is its first round
            found = &row;
        if (std::any_of(row.stages.begin(), row.stages.end(), [&](const char* s) { return s && stage == s; })) {
            found = &row;
            break;
        }
    }
    const LegsSets ls = found->byLength[length];
    return {ls.legs, ls.sets,
            "First to " + std::to_string(ls.legs) + " legs wins the set, first to " + std::to_string(ls.sets) +
                " set(s) wins the match."};
}

} // namespace vantorelle

#include "rules/opponent/computer.h"

#include <cmath>

#include "rules/career/roster.h"
#include "rules/match/bed.h"

namespace vantorelle {

namespace {

Target single(int n)
{
    return {makeBed('S', n), {}};
}
Target treble(int n)
{
    return {makeBed('T', n), {}};
}
Target either(const char* a, const char* b)
{
    return {a, b};
}

// Targets that depend on nothing but the score.
struct Row {
    int score;
    const char* bed;
    const char* alt;
};

constexpr Row kFixed[] = {
    {3, "S01", nullptr},   {5, "S01", nullptr},   {9, "S01", nullptr},   {17, "S01", nullptr},  {33, "S01", nullptr},
    {7, "S03", nullptr},   {11, "S03", nullptr},  {19, "S03", nullptr},  {35, "S03", nullptr},  {13, "S05", nullptr},
    {21, "S05", nullptr},  {37, "S05", nullptr},  {15, "S07", nullptr},  {23, "S07", nullptr},  {39, "S07", nullptr},
    {25, "S09", nullptr},  {27, "S11", nullptr},  {29, "S13", nullptr},  {31, "S15", nullptr},  {63, "T13", nullptr},
    {67, "T17", nullptr},  {68, "T20", nullptr},  {69, "T19", nullptr},  {71, "T17", "T13"},    {79, "T17", "T13"},
    {72, "T20", "T12"},    {74, "T18", "T14"},    {75, "T13", "T17"},    {77, "T19", "T15"},    {81, "T19", "T15"},
    {78, "T18", "T20"},    {80, "T20", "T16"},    {84, "T20", "T16"},    {82, "T14", nullptr},  {83, "T17", nullptr},
    {87, "T17", nullptr},  {91, "T17", nullptr},  {85, "T15", nullptr},  {64, "T16", nullptr},  {88, "T16", nullptr},
    {86, "T18", nullptr},  {90, "T18", nullptr},  {94, "T18", nullptr},  {122, "T18", nullptr}, {76, "T20", nullptr},
    {92, "T20", nullptr},  {96, "T20", nullptr},  {98, "T20", nullptr},  {121, "S25", nullptr}, {73, "T19", nullptr},
    {89, "T19", nullptr},  {93, "T19", nullptr},  {95, "T19", nullptr},  {97, "T19", nullptr},  {99, "T19", nullptr},
    {103, "T19", nullptr}, {108, "T19", nullptr}, {115, "T19", nullptr}, {119, "T19", nullptr}, {126, "T19", nullptr},
    {129, "T19", nullptr}, {157, "T19", nullptr}, {164, "T19", nullptr},
};

// On the second dart, with the opponent below 160: go for the finish setup;
// otherwise play safe.
struct SecondDartRow {
    int score;
    const char* ifClose;
    const char* otherwise;
};

constexpr SecondDartRow kSecondDart[] = {
    {61, "T11", "S25"}, {62, "T12", "T10"},  {65, "T15", "S25"},  {66, "T16", "T10"},
    {70, "T20", "T18"}, {101, "T17", "T20"}, {104, "T18", "T20"}, {107, "T19", "T20"},
};

} // namespace

Target x01Target(int remaining, int dartIndex, int opponentScore, int turnScore, char secondPose, Rng& rng)
{
    const int r = remaining;
    if (r == 6)
        return (dartIndex <= 1 && opponentScore > 200) ? single(2) : Target{"D03", {}};
    if (r >= 2 && r <= 40 && r % 2 == 0)
        return {makeBed('D', r / 2), {}};
    if (r >= 41 && r <= 49)
        return {makeBed('S', r - 40), makeBed('S', r - 32)};
    if (r == 50)
        return (dartIndex == 2 && opponentScore < 160) ? Target{"S50", {}} : either("S10", "S18");
    if (r >= 51 && r <= 60)
        return single(r - 40);
    for (const auto& row : kSecondDart)
        if (row.score == r)
            return {(dartIndex == 1 && opponentScore < 160) ? row.ifClose : row.otherwise, {}};
    for (const auto& row : kFixed)
        if (row.score == r)
            return {row.bed, row.alt ? row.alt : ""};

    // Scoring: treble 20, unless the second dart blocks it on the third.
    if (dartIndex == 2 && (turnScore == 40 || turnScore == 80 || turnScore == 120) &&
        (secondPose == 'b' || secondPose == 'd'))
        return rng.pick(4, 1) == 1 ? treble(18) : treble(19);
    return treble(20);
}

std::string GetOpponent(const std::vector<std::string>& lines, int intClass, bool blnChampionship, Rng& rng)
{
    const int n = static_cast<int>(lines.size());
    if (n == 0)
        return {};
    const int q1 = static_cast<int>(std::nearbyint(n / 4.0));
    const int q2 = static_cast<int>(std::nearbyint(n / 2.0));
    const int q3 = static_cast<int>(std::nearbyint(3 * n / 4.0));
    const double r = rng.uniform();
    double pos;
    switch (intClass) {
    case 1:
        pos = q3 + r * (n - q3 + 1);
        break;
    case 2:
        pos = blnChampionship ? q2 + r * (n - q2 + 1) : q2 + r * (q3 - q2);
        break;
    case 3:
        pos = blnChampionship ? q1 + r * (n - q1 + 1) : q1 + r * (q2 - q1);
        break;
    default:
        pos = blnChampionship ? 1 + r * n : 1 + r * (q1 - 1);
        break;
    }
    int p = static_cast<int>(pos);
    if (p < 1)
        p = 1;
    if (p > n)
        p = n;
    return rosterName(lines[static_cast<std::size_t>(p - 1)]);
}

} // namespace vantorelle

#include "rules/opponent/checkout.h"

#include <cstddef>

namespace vantorelle {

namespace {

// One score of a checkout table. `route` is the suggestion; with `alt` set the
// hint suggests route or alt with even chance; with `ifTheyCanFinish` set the
// route is for an opponent who cannot finish next visit, and ifTheyCanFinish
// for one who can (then the player goes for the bull to finish now).
struct Row {
    int score;
    const char* route;
    const char* alt;
    const char* ifTheyCanFinish;
};

// clang-format off
// One dart left, 61 to 97.
constexpr Row kOneDart[] = {
    // score, route, alt, ifTheyCanFinish
    {61, "T15", nullptr, nullptr},
    {62, "T10", nullptr, nullptr},
    {63, "T13", nullptr, nullptr},
    {64, "T16", nullptr, nullptr},
    {65, "S25", nullptr, nullptr},
    {66, "T10", nullptr, nullptr},
    {67, "T17", nullptr, nullptr},
    {68, "T20", nullptr, nullptr},
    {69, "T19", nullptr, nullptr},
    {70, "T18", nullptr, nullptr},
    {71, "T13", "T17",   nullptr},
    {72, "T12", nullptr, nullptr},
    {73, "T19", nullptr, nullptr},
    {74, "T14", "T18",   nullptr},
    {75, "T13", nullptr, nullptr},
    {76, "T20", nullptr, nullptr},
    {77, "T15", nullptr, nullptr},
    {78, "T18", nullptr, nullptr},
    {79, "T13", nullptr, nullptr},
    {80, "T16", "T20",   nullptr},
    {81, "T15", "T19",   nullptr},
    {82, "T14", "S50",   nullptr},
    {83, "T17", nullptr, nullptr},
    {84, "T20", "T16",   nullptr},
    {85, "T15", nullptr, nullptr},
    {86, "T18", nullptr, nullptr},
    {87, "T17", nullptr, nullptr},
    {88, "T16", nullptr, nullptr},
    {89, "T19", nullptr, nullptr},
    {90, "T18", nullptr, nullptr},
    {91, "T17", nullptr, nullptr},
    {92, "T20", nullptr, nullptr},
    {93, "T19", nullptr, nullptr},
    {94, "T18", nullptr, nullptr},
    {95, "T19", nullptr, nullptr},
    {96, "T20", nullptr, nullptr},
    {97, "T19", nullptr, nullptr},
};

// Two darts left, 61 to 157.
constexpr Row kTwoDarts[] = {
    // score, route, alt, ifTheyCanFinish
    {61,  "T15, D8",   nullptr,    "S11, S50"},
    {62,  "T10, D16",  nullptr,    "S12, S50"},
    {63,  "T13, D12",  nullptr,    "S13, S50"},
    {64,  "T16, D8",   nullptr,    "S14, S50"},
    {65,  "S25, D20",  nullptr,    "S15, S50"},
    {66,  "T10, D18",  nullptr,    "S16, S50"},
    {67,  "T17, D8",   nullptr,    "S17, S50"},
    {68,  "T20, D4",   nullptr,    "S18, S50"},
    {69,  "T19, D6",   nullptr,    "S19, S50"},
    {70,  "T18, D8",   nullptr,    "S20, S50"},
    {71,  "T13, D16",  "T17, D10", nullptr},
    {72,  "T12, D16",  nullptr,    nullptr},
    {73,  "T19, D8",   nullptr,    nullptr},
    {74,  "T14, D16",  "T18, D10", nullptr},
    {75,  "T13, D18",  nullptr,    nullptr},
    {76,  "T20, D8",   nullptr,    nullptr},
    {77,  "T15, D16",  nullptr,    nullptr},
    {78,  "T18, D12",  nullptr,    nullptr},
    {79,  "T13, D20",  nullptr,    nullptr},
    {80,  "T16, D16",  "T20, D10", nullptr},
    {81,  "T15, D18",  "T19, D12", nullptr},
    {82,  "T14, D20",  "S50, D16", nullptr},
    {83,  "T17, D16",  nullptr,    nullptr},
    {84,  "T20, D12",  "T16, D18", nullptr},
    {85,  "T15, D20",  nullptr,    nullptr},
    {86,  "T18, D16",  nullptr,    nullptr},
    {87,  "T17, D18",  nullptr,    nullptr},
    {88,  "T16, D20",  nullptr,    nullptr},
    {89,  "T19, D16",  nullptr,    nullptr},
    {90,  "T18, D18",  nullptr,    nullptr},
    {91,  "T17, D20",  nullptr,    nullptr},
    {92,  "T20, D16",  nullptr,    nullptr},
    {93,  "T19, D18",  nullptr,    nullptr},
    {94,  "T18, D20",  nullptr,    nullptr},
    {95,  "T19, D19",  nullptr,    nullptr},
    {96,  "T20, D18",  nullptr,    nullptr},
    {97,  "T19, D20",  nullptr,    nullptr},
    {98,  "T20, D19",  nullptr,    nullptr},
    {99,  "T19, S10",  nullptr,    nullptr}, // T20, T20 would bust from 99; this leaves 32
    {100, "T20, D20",  nullptr,    nullptr},
    {101, "T17, S10",  nullptr,    "T17, S50"},
    {102, "T20, S10",  nullptr,    nullptr},
    {103, "T19, S10",  nullptr,    nullptr},
    {104, "T20, S12",  nullptr,    "T18, S50"},
    {105, "T20, S13",  nullptr,    nullptr},
    {106, "T20, S10",  nullptr,    nullptr},
    {107, "T19, S10",  nullptr,    "T19, S50"},
    {108, "T19, S19",  nullptr,    nullptr},
    {109, "T20, S17",  nullptr,    nullptr},
    {110, "T20, S10",  nullptr,    "T20, S50"},
    {111, "T20, S19",  nullptr,    nullptr},
    {112, "T20, S12",  nullptr,    nullptr},
    {113, "T20, S13",  nullptr,    nullptr},
    {114, "T20, S14",  nullptr,    nullptr},
    {115, "T20, S19",  nullptr,    nullptr},
    {116, "T20, S16",  nullptr,    nullptr},
    {117, "T20, S17",  nullptr,    nullptr},
    {118, "T20, S18",  nullptr,    nullptr},
    {119, "T20, S19",  nullptr,    nullptr},
    {120, "T20, S20",  nullptr,    nullptr},
    {121, "T20, T15",  nullptr,    nullptr},
    {122, "T20, T10",  nullptr,    nullptr},
    {123, "T20, T13",  nullptr,    nullptr},
    {124, "T20, T16",  nullptr,    nullptr},
    {125, "T20, S25",  nullptr,    nullptr},
    {126, "T20, T10",  nullptr,    nullptr},
    {127, "T20, T17",  nullptr,    nullptr},
    {128, "T20, T20",  nullptr,    nullptr},
    {129, "T19, T16",  nullptr,    nullptr},
    {130, "T20, T18",  nullptr,    nullptr},
    {131, "T20, T13",  nullptr,    nullptr},
    {132, "T20, T16",  nullptr,    nullptr},
    {133, "T20, T19",  nullptr,    nullptr},
    {134, "T20, T14",  nullptr,    nullptr},
    {135, "T20 , T13", nullptr,    nullptr}, // the blank before the comma is as the hint has always shown it
    {136, "T20, T20",  nullptr,    nullptr},
    {137, "T20, T15",  nullptr,    nullptr},
    {138, "T20, T14",  nullptr,    nullptr},
    {139, "T20, T13",  nullptr,    nullptr},
    {140, "T20, T16",  nullptr,    nullptr},
    {141, "T20, T15",  nullptr,    nullptr},
    {142, "T20, T14",  nullptr,    nullptr},
    {143, "T20, T17",  nullptr,    nullptr},
    {144, "T20, T20",  nullptr,    nullptr},
    {145, "T20, T15",  nullptr,    nullptr},
    {146, "T20, T18",  nullptr,    nullptr},
    {147, "T20, T17",  nullptr,    nullptr},
    {148, "T20, T20",  nullptr,    nullptr},
    {149, "T20, T19",  nullptr,    nullptr},
    {150, "T20, T18",  nullptr,    nullptr},
    {151, "T20, T17",  nullptr,    nullptr},
    {152, "T20, T20",  nullptr,    nullptr},
    {153, "T20, T19",  nullptr,    nullptr},
    {154, "T20, T18",  nullptr,    nullptr},
    {155, "T20, T19",  nullptr,    nullptr},
    {156, "T20, T20",  nullptr,    nullptr},
    {157, "T20, T19",  nullptr,    nullptr},
};

// Three darts left, 99 to 217. Below 99 three darts take the two-dart route.
constexpr Row kThreeDarts[] = {
    // score, route, alt, ifTheyCanFinish
    {99,  "T19, S10, D16",  nullptr, nullptr}, // T20, T20, T20 would bust from 99
    {100, "T20, D20",       nullptr, nullptr},
    {101, "T17, S10, D20",  nullptr, nullptr},
    {102, "T20, S10, D16",  nullptr, nullptr},
    {103, "T19, S10, D18",  nullptr, nullptr},
    {104, "T20, S12, D16",  nullptr, nullptr},
    {105, "T20, S13, D16",  nullptr, nullptr},
    {106, "T20, S10, D18",  nullptr, nullptr},
    {107, "T19, S10, D20",  nullptr, nullptr},
    {108, "T19, S19, D16",  nullptr, nullptr},
    {109, "T20, S17, D16",  nullptr, nullptr},
    {110, "T20, S10, D20",  nullptr, nullptr},
    {111, "T20, S19, D16",  nullptr, nullptr},
    {112, "T20, S12, D20",  nullptr, nullptr},
    {113, "T20, S13, D20",  nullptr, nullptr},
    {114, "T20, S14, D20",  nullptr, nullptr},
    {115, "T20, S15, D20",  nullptr, nullptr},
    {116, "T20, S16, D20",  nullptr, nullptr},
    {117, "T20, S17, D20",  nullptr, nullptr},
    {118, "T20, S18, D20",  nullptr, nullptr},
    {119, "T20, S19, D20",  nullptr, nullptr},
    {120, "T20, S20, D20",  nullptr, nullptr},
    {121, "T20, T15, D8",   nullptr, nullptr},
    {122, "T20, T10, D16",  nullptr, nullptr},
    {123, "T20, T13, D12",  nullptr, nullptr},
    {124, "T20, T16, D8",   nullptr, nullptr},
    {125, "S25, T20, D20",  nullptr, nullptr},
    {126, "T20, T10, D18",  nullptr, nullptr},
    {127, "T20, T17, D8",   nullptr, nullptr},
    {128, "T20, T20, D4",   nullptr, nullptr},
    {129, "T19, T16, D12",  nullptr, nullptr},
    {130, "T20, T18, D8",   nullptr, nullptr},
    {131, "T20, T13, D16",  nullptr, nullptr},
    {132, "T20, T16, D12",  nullptr, nullptr},
    {133, "T20, T19, D8",   nullptr, nullptr},
    {134, "T20, T14, D16",  nullptr, nullptr},
    {135, "T20 , T13, D18", nullptr, nullptr}, // the blank before the comma is as the hint has always shown it
    {136, "T20, T20, D8",   nullptr, nullptr},
    {137, "T20, T15, D16",  nullptr, nullptr},
    {138, "T20, T14, D18",  nullptr, nullptr},
    {139, "T20, T13, D20",  nullptr, nullptr},
    {140, "T20, T16, D16",  nullptr, nullptr},
    {141, "T20, T17, D12",  nullptr, nullptr},
    {142, "T20, T14, D20",  nullptr, nullptr},
    {143, "T20, T17, D16",  nullptr, nullptr},
    {144, "T20, T20, D12",  nullptr, nullptr},
    {145, "T20, T15, D20",  nullptr, nullptr},
    {146, "T20, T18, D16",  nullptr, nullptr},
    {147, "T20, T17, D18",  nullptr, nullptr},
    {148, "T20, T20, D14",  nullptr, nullptr},
    {149, "T20, T19, D16",  nullptr, nullptr},
    {150, "T20, T18, D18",  nullptr, nullptr},
    {151, "T20, T17, D20",  nullptr, nullptr},
    {152, "T20, T20, D16",  nullptr, nullptr},
    {153, "T20, T19, D18",  nullptr, nullptr},
    {154, "T20, T18, D20",  nullptr, nullptr},
    {155, "T20, T19, D19",  nullptr, nullptr},
    {156, "T20, T20, D18",  nullptr, nullptr},
    {157, "T20, T19, D20",  nullptr, nullptr},
    {158, "T20, T20, D19",  nullptr, nullptr},
    {159, "T20, T20, S7",   nullptr, nullptr},
    {160, "T20, T20, D20",  nullptr, nullptr},
    {161, "T20, T20, S1",   nullptr, "T20, T17, S50"},
    {162, "T20, T20, S10",  nullptr, nullptr},
    {163, "T20, T20, S3",   nullptr, nullptr},
    {164, "T20, T20, S4",   nullptr, "T20, T18, S50"},
    {165, "T20, T20, S5",   nullptr, nullptr},
    {166, "T20, T20, S6",   nullptr, nullptr},
    {167, "T20, T20, S7",   nullptr, "T20, T19, S50"},
    {168, "T20, T20, S16",  nullptr, nullptr},
    {169, "T20, T20, S9",   nullptr, nullptr},
    {170, "T20, T20, S10",  nullptr, "T20, T20, S50"},
    {171, "T20, T20, S11",  nullptr, nullptr},
    {172, "T20, T20, S20",  nullptr, nullptr},
    {173, "T20, T20, S13",  nullptr, nullptr},
    {174, "T20, T20, S14",  nullptr, nullptr},
    {175, "T20, T20, S15",  nullptr, nullptr},
    {176, "T20, T20, S20",  nullptr, nullptr},
    {177, "T20, T19, S20",  nullptr, nullptr},
    {178, "T20, T20, S18",  nullptr, nullptr},
    {179, "T20, T20, S19",  nullptr, nullptr},
    {180, "T20, T20, S20",  nullptr, nullptr},
    {181, "T20, T20, T15",  nullptr, nullptr},
    {182, "T20, T20, T10",  nullptr, nullptr},
    {183, "T20, T19, T10",  nullptr, nullptr},
    {184, "T20, T20, T16",  nullptr, nullptr},
    {185, "T20, T20, S25",  nullptr, nullptr},
    {186, "T20, T20, T10",  nullptr, nullptr},
    {187, "T20, T20, T20",  nullptr, nullptr},
    {188, "T20, T20, T20",  nullptr, nullptr},
    {189, "T20, T20, T19",  nullptr, nullptr},
    {190, "T20, T20, T18",  nullptr, nullptr},
    {191, "T20, T20, T17",  nullptr, nullptr},
    {192, "T20, T20, T20",  nullptr, nullptr},
    {193, "T20, T20, T19",  nullptr, nullptr},
    {194, "T20, T20, T18",  nullptr, nullptr},
    {195, "T20, T20, T13",  nullptr, nullptr},
    {196, "T20, T20, T20",  nullptr, nullptr},
    {197, "T20, T20, T19",  nullptr, nullptr},
    {198, "T20, T20, T18",  nullptr, nullptr},
    {199, "T20, T20, T13",  nullptr, nullptr},
    {200, "T20, T20, T20",  nullptr, nullptr},
    {201, "T20, T20, T15",  nullptr, nullptr},
    {202, "T20, T20, T14",  nullptr, nullptr},
    {203, "T20, T20, T17",  nullptr, nullptr},
    {204, "T20, T20, T20",  nullptr, nullptr},
    {205, "T20, T20, T15",  nullptr, nullptr},
    {206, "T20, T20, T18",  nullptr, nullptr},
    {207, "T20, T19, T18",  nullptr, nullptr},
    {208, "T20, T20, T16",  nullptr, nullptr},
    {209, "T20, T20, T19",  nullptr, nullptr},
    {210, "T20, T20, T18",  nullptr, nullptr},
    {211, "T20, T20, T17",  nullptr, nullptr},
    {212, "T20, T20, T20",  nullptr, nullptr},
    {213, "T20, T20, T19",  nullptr, nullptr},
    {214, "T20, T20, T18",  nullptr, nullptr},
    {215, "T20, T20, T19",  nullptr, nullptr},
    {216, "T20, T20, T20",  nullptr, nullptr},
    {217, "T20, T20, T19",  nullptr, nullptr},
};
// clang-format on

// Each table holds every score from its first row on, so a score indexes it directly.
template <std::size_t N> constexpr bool consecutive(const Row (&table)[N], int first, int last)
{
    for (std::size_t i = 0; i < N; ++i)
        if (table[i].score != first + static_cast<int>(i))
            return false;
    return table[N - 1].score == last;
}
static_assert(consecutive(kOneDart, 61, 97));
static_assert(consecutive(kTwoDarts, 61, 157));
static_assert(consecutive(kThreeDarts, 99, 217));

// The highest score each table covers, by darts left, and what it suggests above it (or below 2).
constexpr int kLast[] = {97, 157, 217};
constexpr const char* kDefault[] = {"T20", "T20, T20", "T20, T20, T20"};

// "D" and 16 make "D16": no leading zero in the hint.
std::string bed(char ring, int number)
{
    return ring + std::to_string(number);
}

// The first route or the second with even chance, from one draw.
std::string evenChance(const std::string& first, const std::string& second, Rng& rng)
{
    return rng.pick(2, 1) == 1 ? first : second;
}

// A single leaving the double `leave`, then that double when another dart follows.
std::string setUp(int remaining, int leave, int dartsLeft)
{
    const std::string single = bed('S', remaining - leave);
    return dartsLeft == 1 ? single : single + ", " + bed('D', leave / 2);
}

// 2 to 60: the same in every table.
std::string lowRoute(int n, int dartsLeft, int opponentScore, Rng& rng)
{
    if (n <= 40 && n % 2 == 0)
        return bed('D', n / 2);
    if (n < 40) {
        // Odd: a single down to the largest of 2, 4, 8, 16, 32 below the score.
        int leave = 2;
        while (leave * 2 < n)
            leave *= 2;
        return setUp(n, leave, dartsLeft);
    }
    // The last dart goes for the bull unless the opponent cannot finish anyway.
    if (n == 50 && dartsLeft == 1 && !CantFinish(opponentScore))
        return "S50";
    // 41 to 52 leave 40 or 32, 53 to 60 leave 40.
    if (n <= 52)
        return evenChance(setUp(n, 40, dartsLeft), setUp(n, 32, dartsLeft), rng);
    return setUp(n, 40, dartsLeft);
}

std::string fromRow(const Row& row, bool theyCanFinish, Rng& rng)
{
    if (row.ifTheyCanFinish && theyCanFinish)
        return row.ifTheyCanFinish;
    if (row.alt)
        return evenChance(row.route, row.alt, rng);
    return row.route;
}

} // namespace

bool CantFinish(int opponentScore)
{
    switch (opponentScore) {
    case 159:
    case 162:
    case 163:
    case 165:
    case 166:
    case 168:
    case 169:
        return true;
    default:
        return opponentScore > 170;
    }
}

std::string Suggestion(int remaining, int dartsLeft, int opponentScore, Rng& rng)
{
    if (dartsLeft < 1 || dartsLeft > 3)
        return {};
    const int n = remaining;
    if (n < 2 || n > kLast[dartsLeft - 1])
        return kDefault[dartsLeft - 1];
    if (n <= 60)
        return lowRoute(n, dartsLeft, opponentScore, rng);
    const bool theyCanFinish = !CantFinish(opponentScore);
    switch (dartsLeft) {
    case 1:
        return fromRow(kOneDart[n - 61], theyCanFinish, rng);
    case 2:
        return fromRow(kTwoDarts[n - 61], theyCanFinish, rng);
    default:
        // With three darts there is time to set up a double whatever the opponent has.
        if (n < 99)
            return fromRow(kTwoDarts[n - 61], false, rng);
        return fromRow(kThreeDarts[n - 99], theyCanFinish, rng);
    }
}

std::string hintText(int remaining, const std::string& route)
{
    return std::to_string(remaining) + " remaining. Suggest:  " + route + ".";
}

} // namespace vantorelle

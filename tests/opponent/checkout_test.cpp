#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "rules/match/rng.h"
#include "rules/opponent/checkout.h"

using namespace vantorelle;

namespace {

// For rows with one route: the seed does not matter.
std::string route(int remaining, int dartsLeft, int opponent = 501)
{
    Rng rng(7);
    return Suggestion(remaining, dartsLeft, opponent, rng);
}

// Every route a row gives over many calls.
std::set<std::string> routes(int remaining, int dartsLeft, int opponent = 501)
{
    Rng rng(static_cast<std::uint64_t>(remaining * 10 + dartsLeft));
    std::set<std::string> seen;
    for (int i = 0; i < 64; ++i)
        seen.insert(Suggestion(remaining, dartsLeft, opponent, rng));
    return seen;
}

// One bed as the hint writes it: "S", "D" or "T" and the segment without a
// leading zero, "S25" the outer bull, "S50" the bull.
struct Dart {
    char ring;
    int number;
    int points() const { return ring == 'T' ? 3 * number : ring == 'D' ? 2 * number : number; }
    bool finishes() const { return ring == 'D' || (ring == 'S' && number == 50); }
};

std::optional<Dart> parseBed(std::string_view text)
{
    if (text.size() < 2 || text.size() > 3 || (text[0] != 'S' && text[0] != 'D' && text[0] != 'T') || text[1] == '0')
        return std::nullopt;
    int number = 0;
    for (char c : text.substr(1)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + (c - '0');
    }
    const bool segment = number >= 1 && number <= 20;
    const bool bull = text[0] == 'S' && (number == 25 || number == 50);
    if (!segment && !bull)
        return std::nullopt;
    return Dart{text[0], number};
}

// The darts of a route, or nothing when a bed does not parse. Blanks either
// side of a comma are allowed ("T20 , T13").
std::optional<std::vector<Dart>> parseRoute(const std::string& route)
{
    std::vector<Dart> darts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = route.find(',', start);
        std::string_view piece(route.data() + start, (comma == std::string::npos ? route.size() : comma) - start);
        while (!piece.empty() && piece.front() == ' ')
            piece.remove_prefix(1);
        while (!piece.empty() && piece.back() == ' ')
            piece.remove_suffix(1);
        const auto dart = parseBed(piece);
        if (!dart)
            return std::nullopt;
        darts.push_back(*dart);
        if (comma == std::string::npos)
            return darts;
        start = comma + 1;
    }
}

} // namespace

TEST(CantFinish, KnownScores)
{
    for (int s : {159, 162, 163, 165, 166, 168, 169, 171, 172, 180, 501})
        EXPECT_TRUE(CantFinish(s)) << s;
    for (int s : {2, 40, 100, 158, 160, 161, 164, 167, 170})
        EXPECT_FALSE(CantFinish(s)) << s;
}

TEST(Checkout, HintText)
{
    Rng rng(1);
    EXPECT_EQ(hintText(40, Suggestion(40, 3, 501, rng)), "40 remaining. Suggest:  D20.");
    EXPECT_EQ(hintText(135, "T20 , T13, D18"), "135 remaining. Suggest:  T20 , T13, D18.");
}

TEST(Checkout, DoublesAndSetUpsUpToSixty)
{
    for (int darts = 1; darts <= 3; ++darts) {
        EXPECT_EQ(route(2, darts), "D1") << darts;
        EXPECT_EQ(route(32, darts), "D16") << darts;
        EXPECT_EQ(route(40, darts), "D20") << darts;
    }
    EXPECT_EQ(route(27, 1), "S11");
    EXPECT_EQ(route(35, 1), "S3");
    EXPECT_EQ(route(3, 1), "S1");
    EXPECT_EQ(route(53, 1), "S13");
    EXPECT_EQ(route(60, 1), "S20");
    for (int darts = 2; darts <= 3; ++darts) {
        EXPECT_EQ(route(3, darts), "S1, D1") << darts;
        EXPECT_EQ(route(5, darts), "S1, D2") << darts;
        EXPECT_EQ(route(27, darts), "S11, D8") << darts;
        EXPECT_EQ(route(33, darts), "S1, D16") << darts;
        EXPECT_EQ(route(35, darts), "S3, D16") << darts;
        EXPECT_EQ(route(39, darts), "S7, D16") << darts;
        EXPECT_EQ(route(53, darts), "S13, D20") << darts;
        EXPECT_EQ(route(60, darts), "S20, D20") << darts;
    }
}

TEST(Checkout, TwoRouteRowsGiveBoth)
{
    EXPECT_EQ(routes(41, 1), (std::set<std::string>{"S1", "S9"}));
    EXPECT_EQ(routes(52, 1), (std::set<std::string>{"S12", "S20"}));
    EXPECT_EQ(routes(41, 2), (std::set<std::string>{"S1, D20", "S9, D16"}));
    EXPECT_EQ(routes(49, 3), (std::set<std::string>{"S9, D20", "S17, D16"}));
    EXPECT_EQ(routes(71, 1), (std::set<std::string>{"T13", "T17"}));
    EXPECT_EQ(routes(82, 1), (std::set<std::string>{"T14", "S50"}));
    EXPECT_EQ(routes(82, 2), (std::set<std::string>{"T14, D20", "S50, D16"}));
    EXPECT_EQ(routes(84, 3), (std::set<std::string>{"T20, D12", "T16, D18"}));
}

TEST(Checkout, FiftyGoesForTheBullUnlessTheOpponentCannotFinish)
{
    for (int opponent : {40, 160, 170})
        EXPECT_EQ(routes(50, 1, opponent), (std::set<std::string>{"S50"})) << opponent;
    for (int opponent : {159, 169, 171, 501})
        EXPECT_EQ(routes(50, 1, opponent), (std::set<std::string>{"S10", "S18"})) << opponent;
    // With a dart to spare the bull is never suggested.
    for (int opponent : {40, 501})
        EXPECT_EQ(routes(50, 2, opponent), (std::set<std::string>{"S10, D20", "S18, D16"})) << opponent;
}

TEST(Checkout, BullFinishesWhenTheOpponentCanFinish)
{
    EXPECT_EQ(route(61, 2, 170), "S11, S50");
    EXPECT_EQ(route(61, 2, 171), "T15, D8");
    EXPECT_EQ(route(61, 2, 169), "T15, D8");
    EXPECT_EQ(route(70, 2, 40), "S20, S50");
    EXPECT_EQ(route(70, 2, 501), "T18, D8");
    EXPECT_EQ(route(101, 2, 40), "T17, S50");
    EXPECT_EQ(route(101, 2, 501), "T17, S10");
    EXPECT_EQ(route(104, 2, 170), "T18, S50");
    EXPECT_EQ(route(104, 2, 171), "T20, S12");
    EXPECT_EQ(route(110, 2, 160), "T20, S50");
    EXPECT_EQ(route(110, 2, 162), "T20, S10");
    EXPECT_EQ(route(161, 3, 40), "T20, T17, S50");
    EXPECT_EQ(route(161, 3, 501), "T20, T20, S1");
    EXPECT_EQ(route(170, 3, 170), "T20, T20, S50");
    EXPECT_EQ(route(170, 3, 159), "T20, T20, S10");
    EXPECT_EQ(route(170, 3, 171), "T20, T20, S10");
}

TEST(Checkout, ThreeDartsBelowNinetyNineTakeTheTwoDartRoute)
{
    for (int opponent : {40, 170, 171}) {
        EXPECT_EQ(route(61, 3, opponent), "T15, D8") << opponent;
        EXPECT_EQ(route(65, 3, opponent), "S25, D20") << opponent;
        EXPECT_EQ(route(70, 3, opponent), "T18, D8") << opponent;
    }
    EXPECT_EQ(route(95, 3), "T19, D19");
    EXPECT_EQ(route(98, 3), "T20, D19");
    EXPECT_EQ(route(100, 3), "T20, D20");
    EXPECT_EQ(route(101, 3), "T17, S10, D20");
    EXPECT_EQ(route(125, 3), "S25, T20, D20");
}

TEST(Checkout, NinetyNineLeavesADouble)
{
    EXPECT_EQ(route(99, 2), "T19, S10");
    EXPECT_EQ(route(99, 3), "T19, S10, D16");
}

TEST(Checkout, RowsKeepTheirText)
{
    EXPECT_EQ(route(65, 1), "S25");
    EXPECT_EQ(route(97, 1), "T19");
    EXPECT_EQ(route(135, 2), "T20 , T13");
    EXPECT_EQ(route(135, 3), "T20 , T13, D18");
    EXPECT_EQ(route(157, 2), "T20, T19");
    EXPECT_EQ(route(159, 3), "T20, T20, S7");
    EXPECT_EQ(route(183, 3), "T20, T19, T10");
    EXPECT_EQ(route(207, 3), "T20, T19, T18");
    EXPECT_EQ(route(217, 3), "T20, T20, T19");
}

TEST(Checkout, DefaultsOutsideTheTables)
{
    for (int remaining : {0, 1, 98, 501})
        EXPECT_EQ(route(remaining, 1), "T20") << remaining;
    for (int remaining : {0, 1, 158, 501})
        EXPECT_EQ(route(remaining, 2), "T20, T20") << remaining;
    for (int remaining : {0, 1, 218, 501})
        EXPECT_EQ(route(remaining, 3), "T20, T20, T20") << remaining;
    for (int darts : {0, 4, -1})
        EXPECT_EQ(route(40, darts), "") << darts;
}

// No suggestion busts the player, leaves 1, or finishes on anything but a double or the bull.
TEST(Checkout, EveryRouteIsPlayable)
{
    const int last[] = {97, 157, 217};
    for (int darts = 1; darts <= 3; ++darts) {
        for (int remaining = 2; remaining <= last[darts - 1]; ++remaining) {
            for (int opponent : {40, 159, 170, 501}) {
                Rng rng(static_cast<std::uint64_t>(remaining * 1000 + darts * 10 + opponent % 7));
                std::set<std::string> seen;
                for (int i = 0; i < 32; ++i)
                    seen.insert(Suggestion(remaining, darts, opponent, rng));
                for (const std::string& r : seen) {
                    SCOPED_TRACE(std::to_string(remaining) + " with " + std::to_string(darts) + " darts: " + r);
                    const auto beds = parseRoute(r);
                    if (!beds) {
                        ADD_FAILURE() << "a bed the board does not have";
                        continue;
                    }
                    EXPECT_LE(beds->size(), static_cast<std::size_t>(darts));
                    int total = 0;
                    for (const Dart& d : *beds)
                        total += d.points();
                    EXPECT_LE(total, remaining);
                    EXPECT_NE(remaining - total, 1);
                    if (total == remaining) {
                        EXPECT_TRUE(beds->back().finishes());
                    }
                }
            }
        }
    }
}

TEST(Checkout, OnlyTwoRouteRowsDraw)
{
    struct Case {
        int remaining, darts, opponent;
    };
    // One route: the generator is left as it was.
    for (const Case c :
         {Case{40, 1, 501}, Case{27, 2, 501}, Case{50, 1, 170}, Case{53, 2, 501}, Case{61, 2, 170}, Case{61, 2, 171},
          Case{99, 3, 501}, Case{170, 3, 170}, Case{98, 1, 501}, Case{1, 3, 501}, Case{40, 0, 501}, Case{41, 4, 501}}) {
        Rng rng(3);
        Rng before = rng;
        Suggestion(c.remaining, c.darts, c.opponent, rng);
        EXPECT_EQ(rng.uniform(), before.uniform()) << c.remaining << " " << c.darts;
    }
    // Two routes: one draw, the first route when it is below one half.
    struct TwoRoutes {
        int remaining, darts, opponent;
        const char* first;
        const char* second;
    };
    for (const TwoRoutes c :
         {TwoRoutes{41, 1, 501, "S1", "S9"}, TwoRoutes{50, 1, 171, "S10", "S18"},
          TwoRoutes{50, 3, 40, "S10, D20", "S18, D16"}, TwoRoutes{71, 2, 501, "T13, D16", "T17, D10"},
          TwoRoutes{82, 1, 501, "T14", "S50"}, TwoRoutes{84, 3, 501, "T20, D12", "T16, D18"}}) {
        int firsts = 0;
        for (std::uint64_t seed = 1; seed <= 16; ++seed) {
            Rng rng(seed);
            Rng before = rng;
            const std::string r = Suggestion(c.remaining, c.darts, c.opponent, rng);
            const bool first = before.uniform() < 0.5;
            firsts += first;
            EXPECT_EQ(r, first ? c.first : c.second) << c.remaining << " " << c.darts << " seed " << seed;
            EXPECT_EQ(rng.uniform(), before.uniform()) << c.remaining << " " << c.darts;
        }
        // Both sides of the draw came up among the seeds.
        EXPECT_GT(firsts, 0);
        EXPECT_LT(firsts, 16);
    }
}

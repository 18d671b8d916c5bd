#pragma once
#include <gtest/gtest.h>

#include "rules/match/board.h"
#include "rules/setup/setupmenu.h"
#include "support/fakehost.h"

namespace vantorelle::testing {

// Board points that score a given bed for sure (aim points lie off the wires).
inline Point at(const std::string& bed)
{
    const auto p = GetCoords(bed);
    EXPECT_TRUE(p) << "no bed " << bed; // "S05", not "S5"
    return p.value_or(Point{});
}

// A match between two humans on a recording host with a seeded generator.
struct MatchRig {
    GameState st;
    FakeHost host;
    Rng rng{12345};
    MatchEngine engine{st, host, rng};

    MatchRig() { setUpPlayers(st); }

    // What follows the end of a match, as the exhibition has it.
    MatchOverHandler exhibition()
    {
        return [this](const MatchResult& r) { ExhibitionOver(r, st.view, host); };
    }

    // Bull-up darts for both players, so that `winner` starts.
    void queueBullUp(int winner)
    {
        const Point near{board::kBullUpX, board::kBullUpY};
        const Point far{board::kBullUpX + 300, board::kBullUpY};
        const Point p1 = winner == 1 ? near : far;
        const Point p2 = winner == 1 ? far : near;
        host.onWait.push_back([this, p1] { engine.ThrowDart(p1.x, p1.y); });
        host.onWait.push_back([this, p2] { engine.ThrowDart(p2.x, p2.y); });
    }

    // Starts a match of the given shape; `winner` wins the bull-up.
    void start(int winner = 1, int startScore = 501, int legs = 1, int sets = 1)
    {
        st.match.intStartScore = startScore;
        st.match.bytLegsToWin = legs;
        st.match.bytSetstoWin = sets;
        queueBullUp(winner);
        engine.StartGame(exhibition());
    }

    void dart(const std::string& bed)
    {
        const Point p = at(bed);
        engine.ThrowDart(p.x, p.y);
    }

    void turn(const std::string& a, const std::string& b, const std::string& c)
    {
        dart(a);
        dart(b);
        dart(c);
    }

    // Sets a player's remaining score at the start of the turn.
    void leave(int p, int score) { st.match.player(p).score = score; }

    const std::string& lastComment() const { return st.view.comments; }
};

class MatchFixture : public ::testing::Test, public MatchRig {
public:
    void SetUp() override {}
};

} // namespace vantorelle::testing

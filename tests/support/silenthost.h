#pragma once
#include <string>
#include <vector>

#include "rules/match/matchengine.h"
#include "rules/match/matchhost.h"

namespace vantorelle::testing {

// Runs a match with no waiting and nothing shown. In the bull-up player 1's
// dart lands far from the bull.
class SilentHost : public MatchHost {
public:
    MatchEngine* engine = nullptr;
    GameState* st = nullptr;
    void pause(double) override {}
    void processEvents() override {}
    void waitForEvents() override
    {
        if (st->match.blnBullUp && st->match.currentPlayer == 1)
            engine->ThrowDart(2600, 4000);
    }
    void play(std::string_view, bool) override {}
    void comment(std::string_view) override {}
    void showInfo(std::string_view) override {}
    void refresh() override {}
    void send(std::string_view) override {}
    void animate(int, int, char, bool) override {}
    void clearBoard() override {}
    void setAimTimer(bool) override {}
    bool boardVisible() const override { return true; }
    bool confirm(std::string_view) override { return true; }
    void showSetupMenu() override {}
    void stopSounds() override {}
};

// What the computer did in matches of first to three sets of three legs
// against a player whose every dart misses.
struct ComputerRecord {
    long darts = 0, points = 0, atDouble = 0, doublesHit = 0;
    double average() const { return darts ? 3.0 * static_cast<double>(points) / static_cast<double>(darts) : 0; }
    double checkoutPercent() const
    {
        return atDouble ? 100.0 * static_cast<double>(doublesHit) / static_cast<double>(atDouble) : 0;
    }
    double dartsPerLeg() const { return doublesHit ? static_cast<double>(darts) / static_cast<double>(doublesHit) : 0; }
};

// Plays one such match for the named computer player and adds it to the record.
inline void playComputerMatch(const std::vector<std::string>& roster, const std::string& computer, int difficulty,
                              Rng& rng, ComputerRecord& rec)
{
    GameState st;
    SilentHost host;
    MatchEngine engine(st, host, rng);
    host.engine = &engine;
    host.st = &st;
    st.roster.lines = roster;
    st.settings.soundOn = false;
    st.match.numberOfPlayers = 1;
    st.match.difficulty = difficulty;
    st.match.intStartScore = 501;
    st.match.bytLegsToWin = 3;
    st.match.bytSetstoWin = 3;
    st.match.player(1).name = "Nobody Home";
    st.match.player(2).name = computer;
    engine.StartGame();
    while (!st.match.blnStopped)
        engine.ThrowDart(100, 100); // player 1 misses
    rec.darts += st.match.stat(2, kStatDarts);
    rec.points += st.match.stat(2, kStatPoints);
    rec.atDouble += st.match.stat(2, kStatDartsAtDouble);
    rec.doublesHit += st.match.stat(2, kStatDoublesHit);
}

} // namespace vantorelle::testing

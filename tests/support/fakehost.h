#pragma once
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "rules/app/gamestate.h"
#include "rules/match/matchengine.h"
#include "rules/match/matchhost.h"
#include "rules/match/rng.h"

namespace vantorelle::testing {

// A host that records what the player would have seen and heard, and lets a
// test feed events (darts, menu commands) into the pauses and waits.
class FakeHost : public MatchHost {
public:
    std::vector<std::string> log;       // every request, in order
    std::vector<std::string> comments;  // commentary texts
    std::vector<std::string> clips;     // clips played ("path" or "path (wait)")
    std::vector<std::string> infos;     // overlays shown
    std::vector<double> pauses;         // pauses asked for
    std::vector<std::string> sent;      // network messages
    std::vector<std::string> questions; // Yes/No questions asked
    bool answerYes = true;
    bool visible = true;
    int setupShown = 0;

    // Events that arrive while the rules wait for one (the bull-up), one per wait.
    std::deque<std::function<void()>> onWait;
    // Events that arrive during pauses, one per pause (an empty function lets a pause pass).
    std::deque<std::function<void()>> onPause;

    static void runNext(std::deque<std::function<void()>>& q)
    {
        if (q.empty())
            return;
        auto f = std::move(q.front());
        q.pop_front();
        if (f)
            f();
    }

    void pause(double s) override
    {
        pauses.push_back(s);
        log.push_back("pause " + std::to_string(s));
        runNext(onPause);
        if (onAnyPause)
            onAnyPause(pauses.size());
    }
    // Runs inside every pause, with its number from 1.
    std::function<void(std::size_t)> onAnyPause;
    void processEvents() override { log.push_back("events"); }
    void waitForEvents() override
    {
        log.push_back("wait");
        if (onWait.empty())
            visible = false; // nothing more will come: give up as when the board is closed
        runNext(onWait);
    }
    void play(std::string_view path, bool wait) override
    {
        clips.push_back(std::string(path) + (wait ? " (wait)" : ""));
        log.push_back("play " + clips.back());
    }
    void comment(std::string_view text) override
    {
        comments.emplace_back(text);
        log.push_back("comment " + comments.back());
    }
    // Runs while an overlay is up, as a message from the other machine would.
    std::function<void()> onInfo;
    void showInfo(std::string_view text) override
    {
        infos.emplace_back(text);
        log.push_back("info " + infos.back());
        if (onInfo)
            std::exchange(onInfo, nullptr)();
    }
    void refresh() override {}
    void send(std::string_view m) override
    {
        sent.emplace_back(m);
        log.push_back("send " + sent.back());
    }
    // Every flight asked for: x, y, pose, bounced out.
    struct Flight {
        int x, y;
        char pose;
        bool bounceOut;
    };
    std::vector<Flight> flights;
    // Runs inside every flight, with its number from 1, as a click or a
    // menu command arriving between the frames would.
    std::function<void(std::size_t)> onFlight;
    void animate(int x, int y, char pose, bool bounceOut) override
    {
        flights.push_back({x, y, pose, bounceOut});
        log.push_back("animate " + std::to_string(x) + "," + std::to_string(y));
        if (onFlight)
            onFlight(flights.size());
    }
    void clearBoard() override { log.push_back("clear"); }
    void setAimTimer(bool) override {}
    bool boardVisible() const override { return visible; }
    bool confirm(std::string_view q) override
    {
        questions.emplace_back(q);
        return answerYes;
    }
    void showSetupMenu() override { ++setupShown; }
    void stopSounds() override { log.push_back("stop sounds"); }

    bool saidComment(const std::string& text) const
    {
        for (const auto& c : comments)
            if (c == text)
                return true;
        return false;
    }
};

// Two named players, sound off, no match running yet.
inline void setUpPlayers(GameState& st, const std::string& p1 = "Ann Arbour", const std::string& p2 = "Bob Brisk")
{
    st.match.player(1).name = p1;
    st.match.player(2).name = p2;
    st.settings.soundOn = false;
    st.match.numberOfPlayers = 2;
}

} // namespace vantorelle::testing

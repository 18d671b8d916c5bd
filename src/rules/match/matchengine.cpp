#include "rules/match/matchengine.h"

#include <algorithm>
#include <cstdlib>

#include "rules/cricket/cricket.h"
#include "rules/match/bed.h"
#include "rules/match/board.h"
#include "rules/match/throwmodel.h"
#include "rules/network/protocol.h"
#include "rules/opponent/checkout.h"
#include "rules/setup/stats.h"

namespace vantorelle {

// Sets a flag of the engine for the life of a scope. When the match changes
// meanwhile the flag already belongs to the next match and is left alone.
class MatchEngine::MatchFlag {
public:
    MatchFlag(MatchEngine& engine, bool& flag) : m_engine(engine), m_flag(flag), m_old(flag), m_serial(engine.m_serial)
    {
        m_flag = true;
    }
    ~MatchFlag()
    {
        if (m_engine.m_serial == m_serial)
            m_flag = m_old;
    }
    MatchFlag(const MatchFlag&) = delete;
    MatchFlag& operator=(const MatchFlag&) = delete;

private:
    MatchEngine& m_engine;
    bool& m_flag;
    bool m_old;
    unsigned m_serial;
};

namespace {

bool within99(int x, int y, int ox, int oy)
{
    return std::abs(x - ox) <= 99 && std::abs(y - oy) <= 99;
}

} // namespace

// Counts the darts being handled for the life of a scope; like the flags, the
// count belongs to one match.
class MatchEngine::Depth {
public:
    explicit Depth(MatchEngine& engine) : m_engine(engine), m_serial(engine.m_serial) { ++m_engine.m_dartDepth; }
    ~Depth()
    {
        if (m_engine.m_serial == m_serial)
            --m_engine.m_dartDepth;
    }
    Depth(const Depth&) = delete;
    Depth& operator=(const Depth&) = delete;

private:
    MatchEngine& m_engine;
    unsigned m_serial;
};

MatchEngine::MatchEngine(MatchState& match, BoardView& view, const Settings& settings, const RunFlags& flags,
                         const RosterFile& roster, const CareerState& career, const std::string& appFolder,
                         MatchHost& host, Rng& rng)
    : m_match(match), m_view(view), m_settings(settings), m_flags(flags), m_host(host), m_rng(rng),
      m_referee(settings, host, rng), m_computer(match, roster, career, appFolder, rng)
{
}

MatchEngine::MatchEngine(GameState& st, MatchHost& host, Rng& rng)
    : MatchEngine(st.match, st.view, st.settings, st.flags, st.roster, st.career, st.appFolder, host, rng)
{
}

void MatchEngine::comment(std::string_view text)
{
    m_view.comments = upperCase(text);
    m_host.comment(m_view.comments);
}

// ---------------------------------------------------------------- the match's life

void MatchEngine::nextSerial()
{
    ++m_serial;
    // Who throws for each player belongs to one match: between matches
    // nobody throws for anyone but the players at this machine.
    m_match.seat = {Seat::Human, Seat::Human, Seat::Human};
    m_clickBusy = false;
    m_turnEnding = false;
    m_taking = false;
    m_open = false;
    m_dartDepth = 0;
    m_inbox.clear();
}

bool MatchEngine::pauseFor(unsigned serial, double seconds)
{
    m_host.pause(seconds);
    return stillOn(serial);
}

void MatchEngine::abandon()
{
    nextSerial();
    m_onOver = {};
    m_match.blnStopped = true;
    m_host.stopSounds();
    stopAiming();
    m_host.clearBoard();
    m_view.dartInHand = {};
    m_host.refresh();
}

void MatchEngine::matchDecided()
{
    // Whatever the game, a decided match takes no more darts and is no longer
    // played with the other machine: its end is shown here alone.
    m_match.blnStopped = true;
    m_match.networkGame = false;
}

void MatchEngine::finishMatch(unsigned serial, MatchResult result)
{
    if (!stillOn(serial))
        return;
    matchDecided();
    MatchOverHandler handler = std::move(m_onOver);
    m_onOver = {};
    nextSerial(); // nothing of this match goes on after its end
    if (handler)
        handler(result);
}

// ---------------------------------------------------------------- darts from outside

bool MatchEngine::canTakeDart(int player) const
{
    if (!m_open || m_match.blnStopped || m_dartDepth > 0 || m_turnEnding || player != m_match.currentPlayer)
        return false;
    if (m_match.blnBullUp)
        return !m_match.blnBullDartDown && m_match.bytDart == player - 1;
    return m_view.yellowPlayer == player && m_match.bytDart < 3;
}

void MatchEngine::receiveDart(ReceivedDart dart)
{
    if (m_match.blnStopped || (dart.player != 1 && dart.player != 2))
        return;
    if (m_match.seatOf(dart.player) != Seat::Remote || !isValidBed(dart.bed))
        return;
    // The other machine throws one turn at a time: more darts waiting than a
    // few turns' worth are not a player's, and are not kept.
    constexpr std::size_t kMostWaiting = 32;
    if (m_inbox.size() >= kMostWaiting)
        return;
    m_inbox.push_back(std::move(dart));
    takeWaitingDarts();
}

void MatchEngine::takeWaitingDarts()
{
    if (m_taking)
        return;
    const unsigned serial = m_serial;
    MatchFlag taking(*this, m_taking);
    while (stillOn(serial) && !m_inbox.empty() && canTakeDart(m_inbox.front().player)) {
        const ReceivedDart d = std::move(m_inbox.front());
        m_inbox.pop_front();
        ThrowDart(d.x, d.y, d.bed, d.bounceOut ? "T" : "F");
    }
}

// ---------------------------------------------------------------- one dart

void MatchEngine::recordDart(int n, int x, int y, bool bounceOut)
{
    auto idx = static_cast<std::size_t>(n);
    m_match.intDartX[idx] = bounceOut ? 1 : x;
    m_match.intDartY[idx] = bounceOut ? 1 : y;
    m_match.strDartPose[idx] = "a";
    const int indicator = m_match.currentPlayer == 1 ? 3 - n : 6 - n;
    if (indicator >= 0 && indicator < 6)
        m_view.dartInHand[static_cast<std::size_t>(indicator)] = false;
}

void MatchEngine::ThrowDart(int x, int y, std::string_view netBed, std::string_view netBounce)
{
    if (m_match.blnStopped)
        return;
    const int n = m_match.bytDart + 1;
    if (n < 1 || n > 3)
        return; // the turn is already full
    if (netBed.empty()) {
        // The landing point travels to the other machine in 16 bits; one
        // beyond them is far off the board either way.
        x = std::clamp(x, -32768, 32767);
        y = std::clamp(y, -32768, 32767);
    }

    Landing landing;
    if (!netBed.empty()) {
        landing.bed = std::string(netBed);
        landing.bounceOut = netBounce == "T";
    } else {
        landing = GetScore(x, y, m_match.player(m_match.currentPlayer).realBoard, m_rng);
    }
    {
        Depth depth(*this);
        landDart(x, y, landing, netBed.empty());
    }
    if (m_dartDepth == 0)
        takeWaitingDarts();
}

// The dart is handled from its own landing: whatever happens in the pauses,
// the bed, the thrower and the dart's number are the ones it landed with.
void MatchEngine::landDart(int x, int y, const Landing& landing, bool thrownHere)
{
    const unsigned serial = m_serial;
    const int p = m_match.currentPlayer;
    const int n = m_match.bytDart + 1;
    m_match.strBed = landing.bed;
    recordDart(n, x, y, landing.bounceOut);
    m_host.refresh();

    if (thrownHere && m_match.networkGame) {
        m_host.send(throwMessage(x, y, landing.bed, landing.bounceOut));
    }

    // A dart landing close to an earlier one of the turn hits it, and sits at an angle.
    bool clash = false;
    if (n >= 2)
        clash = within99(x, y, m_match.intDartX[1], m_match.intDartY[1]);
    if (n == 3)
        clash = clash || within99(x, y, m_match.intDartX[2], m_match.intDartY[2]);
    char pose = 'a';
    if (clash)
        pose = static_cast<char>('a' + m_rng.pick(4));

    m_host.animate(x, y, pose, landing.bounceOut);
    if (!stillOn(serial))
        return;
    m_referee.landingSound(landing.bounceOut, !clash);
    m_match.strDartPose[static_cast<std::size_t>(n)] = std::string(1, pose);

    if (m_match.blnBullUp) {
        const double d = GetDistance(x, y);
        (m_match.bytDart == 0 ? m_match.dblBullDist1 : m_match.dblBullDist2) = d;
        m_match.blnBullDartDown = true;
        return;
    }

    const int dartScore = bedValue(landing.bed);

    if (m_match.cricket) {
        if (CricketScore(m_match, p, landing.bed))
            m_host.refresh();
        if (const std::string text = CheckForWinner(m_match); !text.empty()) {
            cricketWon(serial, p, text);
            return;
        }
    } else {
        // Statistics, counted before the bust test and kept when the turn busts.
        m_match.stat(p, kStatDarts) += 1;
        m_match.stat(p, kStatPoints) += dartScore;
        const int left = m_match.player(p).score - m_match.bytTurnScore;
        if (left == 50 || (left % 2 == 0 && left >= 2 && left <= 40))
            m_match.stat(p, kStatDartsAtDouble) += 1;
    }

    m_match.bytDart = n;
    m_match.bytTurnScore += dartScore;
    m_match.player(p).legDarts += 1;
    if (n == 3)
        countHighTurn(p, m_match.bytTurnScore);

    if (m_match.cricket) {
        std::string text = "Dart " + std::to_string(n) + " hits ";
        if (dartScore == 50)
            text += "the double bullseye!";
        else if (dartScore == 25)
            text += "the single bullseye!";
        else
            text += landing.bed;
        comment(text);
        m_host.refresh();
        if (n == 3) {
            m_match.bytTurnScore = 0;
            m_match.bytDart = 0;
            ChangePlayer(true);
        }
        return;
    }

    const int R = m_match.player(p).score;
    const int T = m_match.bytTurnScore;
    const std::string name = m_match.player(p).name;

    if (T > R || T == R - 1) {
        bust("No score! " + name + " has bust!");
        return;
    }
    if (T == R) {
        if (!isFinishingBed(landing.bed)) {
            bust(name + " has bust! You must finish on a double!");
            return;
        }
        {
            MatchFlag ending(*this, m_turnEnding);
            const bool won = LegWinner(p);
            if (!stillOn(serial))
                return;
            if (won) {
                x01MatchWon(serial, p);
                return;
            }
            m_match.bytDart = 0;
            m_match.bytTurnScore = 0;
            if (!pauseFor(serial, 1.5))
                return;
        }
        ChangePlayer(false);
        return;
    }

    std::string text = "Dart " + std::to_string(n) + " hits ";
    if (dartScore == 50)
        text += "the bullseye!";
    else if (dartScore == 25)
        text += "the outer bullseye!";
    else
        text += std::to_string(dartScore);

    if (n == 3) {
        if (dartScore != 50 && dartScore != 25)
            text += ".";
        text += " " + name + " scores " + std::to_string(T) + ".";
        comment(text);
        if (!m_referee.SayScore(T, on(serial)) || !pauseFor(serial, 2))
            return;
        m_match.player(p).score = R - T;
        m_match.bytTurnScore = 0;
        m_match.bytDart = 0;
        m_host.refresh();
        ChangePlayer(false);
        return;
    }
    comment(text);
}

void MatchEngine::countHighTurn(int p, int turn)
{
    if (turn >= 100 && turn <= 139)
        m_match.stat(p, kStat100) += 1;
    else if (turn >= 140 && turn <= 179)
        m_match.stat(p, kStat140) += 1;
    else if (turn == 180)
        m_match.stat(p, kStat180) += 1;
}

void MatchEngine::bust(std::string_view message)
{
    const unsigned serial = m_serial;
    {
        // No dart may be thrown while the bust is announced.
        MatchFlag ending(*this, m_turnEnding);
        comment(message);
        const bool called = m_referee.SayScore(0, on(serial));
        if (!called)
            return;
        m_match.bytDart = 0;
        m_match.bytTurnScore = 0;
        if (!pauseFor(serial, 1.5))
            return;
    }
    ChangePlayer(false);
}

// ---------------------------------------------------------------- legs, sets, match

bool MatchEngine::LegWinner(int p)
{
    const unsigned serial = m_serial;
    auto& me = m_match.player(p);
    me.legs += 1;
    m_match.stat(p, kStatDoublesHit) += 1;

    if (m_match.intStartScore == 501 && me.legDarts >= 9 && me.legDarts <= 12) {
        comment(std::to_string(me.legDarts) + " - DART FINISH !!!");
        if (!pauseFor(serial, 1.5))
            return false;
    }
    for (int q : {1, 2}) {
        m_match.player(q).legDarts = 0;
        m_match.player(q).score = m_match.intStartScore;
    }
    m_host.refresh();

    // Every call and pause below may see the match abandoned.
    auto call = [&](const char* word, double after) {
        m_host.processEvents();
        if (!stillOn(serial))
            return false;
        return m_referee.Say(word, on(serial)) && pauseFor(serial, after);
    };

    const std::string name = me.name;
    if (me.legs == m_match.bytLegsToWin) {
        me.sets += 1;
        m_match.player(1).legs = 0;
        m_match.player(2).legs = 0;
        m_host.refresh();
        if (me.sets == m_match.bytSetstoWin) {
            comment("Game, shot and the match, " + name);
            matchDecided();
            if (!call("Match", 3) || !showStats())
                return false;
            m_view.scoreboardVisible = false;
            m_host.refresh();
            return true;
        }
        comment("Game, shot and the set, " + name);
        if (!call("Set", 1))
            return false;
        chooseNextStarter(p, true);
        return false;
    }
    comment("Game, shot and the leg, " + name);
    if (!call("Leg", 1))
        return false;
    chooseNextStarter(p, false);
    return false;
}

// The first legs of the sets alternate between the bull-up winner F and the
// other player O, and so do the legs within a set; past four sets or legs the
// loser of the last leg starts. The throw is handed over by the ChangePlayer
// that follows, so the one who must not start is made current here.
void MatchEngine::chooseNextStarter(int winner, bool setWon)
{
    const int F = m_match.intBullWinner;
    const int O = otherPlayer(F);
    const int loser = otherPlayer(winner);
    const int S = m_match.player(1).sets + m_match.player(2).sets;
    int starter;
    if (setWon) {
        starter = (S >= 1 && S <= 4) ? (S % 2 == 0 ? F : O) : loser;
    } else {
        const int L = m_match.player(1).legs + m_match.player(2).legs;
        starter = (S <= 4 && L >= 1 && L <= 4) ? ((S + L) % 2 == 0 ? F : O) : loser;
    }
    m_match.currentPlayer = otherPlayer(starter);
}

// ---------------------------------------------------------------- change of thrower

void MatchEngine::stopAiming()
{
    m_view.aim.clear();
    m_view.aimTimerOn = false;
    m_host.setAimTimer(false);
}

void MatchEngine::playerOnThrowComment(int p)
{
    const auto& pl = m_match.player(p);
    if (!pl.realBoard)
        comment(pl.name + " to the oche.");
    else if (m_match.cricket)
        comment(pl.name + " click score.");
    else
        comment(pl.name + " click or type score.");
}

void MatchEngine::ChangePlayer(bool del)
{
    const unsigned serial = m_serial;
    m_match.bytDart = 0;
    m_match.strDartPose = {"a", "a", "a", "a"};
    stopAiming();
    m_match.currentPlayer = otherPlayer(m_match.currentPlayer);
    const int p = m_match.currentPlayer;
    if (del) {
        MatchFlag ending(*this, m_turnEnding);
        if (!pauseFor(serial, 2))
            return;
    }
    m_host.clearBoard();
    m_view.yellowPlayer = p;
    playerOnThrowComment(p);
    for (std::size_t i = 0; i < 6; ++i)
        m_view.dartInHand[i] = (p == 1) == (i < 3);
    m_host.refresh();

    if (m_match.seatOf(p) == Seat::Computer) {
        for (int dart = 0; dart < 3; ++dart) {
            if (!stillOn(serial) || m_view.yellowPlayer != p)
                break; // the turn ended inside the last dart
            computerDart(m_match.player(p).score - m_match.bytTurnScore);
        }
        return;
    }
    takeWaitingDarts(); // the other machine's player may have thrown already
}

// ---------------------------------------------------------------- start of a match

void MatchEngine::StartGame(MatchOverHandler onOver)
{
    startMatch(false, std::move(onOver));
}

void MatchEngine::StartCricket(MatchOverHandler onOver)
{
    startMatch(true, std::move(onOver));
}

void MatchEngine::startMatch(bool cricket, MatchOverHandler onOver)
{
    nextSerial();
    const unsigned serial = m_serial;
    m_onOver = std::move(onOver);
    m_match.cricket = cricket;
    m_match.seat = seatsFor(m_match.numberOfPlayers, m_match.networkGame, m_match.isChallenger);
    // A career match shows each player's nationality and rank beside his name.
    auto named = [this](int p) {
        const std::string& tag = m_match.tag[static_cast<std::size_t>(p)];
        return m_match.player(p).name + (m_match.bytGameType == 2 ? ", " + tag : std::string());
    };
    const std::string pairing = named(1) + " v " + named(2);
    if (cricket) {
        m_view.cricketBoardShown = true;
        m_host.refresh();
        m_host.showInfo(pairing);
        if (!stillOn(serial))
            return;
        clearMarks();
        m_match.blnStopped = false;
        resetScoreboard(0);
    } else {
        m_match.blnStopped = false;
        m_host.showInfo(pairing);
        if (!stillOn(serial))
            return;
        resetScoreboard(m_match.intStartScore);
    }

    if (!m_referee.Say("Bullseye", on(serial)))
        return;
    const int w = ThrowForStart();
    if (!stillOn(serial))
        return;
    if (w == 0) {
        // The bull-up gave up (quitting, the board closed): no match is left half started.
        abandon();
        return;
    }
    handOverAfterBullUp(w);
}

void MatchEngine::resetScoreboard(int startScore)
{
    m_match.currentPlayer = 1;
    for (int q : {1, 2}) {
        auto& pl = m_match.player(q);
        pl.score = startScore;
        pl.legs = 0;
        pl.sets = 0;
        pl.legDarts = 0; // a match abandoned mid-leg leaves nothing behind
    }
    m_view.scoreboardVisible = true;
    m_host.refresh();
}

void MatchEngine::x01MatchWon(unsigned serial, int p)
{
    m_host.clearBoard();
    m_view.dartInHand = {true, true, true, false, false, false};
    stopAiming();
    m_host.refresh();
    const std::string name = m_match.player(p).name;
    finishMatch(serial, {p, name, "The winner is " + name});
}

void MatchEngine::handOverAfterBullUp(int w)
{
    const unsigned serial = m_serial;
    {
        // Nobody throws until the throw has been handed over.
        MatchFlag starting(*this, m_turnEnding);
        m_match.resetMatchStats();
        m_view.yellowPlayer = w;
        m_match.bytTurnScore = 0;
        m_match.bytDart = 0;
        playerOnThrowComment(w);
        m_host.refresh();
        if (!m_referee.Say("Game", on(serial)))
            return;
        m_host.processEvents();
        if (!stillOn(serial))
            return;
    }
    m_match.currentPlayer = otherPlayer(w);
    ChangePlayer(false);
}

int MatchEngine::ThrowForStart()
{
    const unsigned serial = m_serial;
    m_view.dartInHand = {};
    m_view.yellowPlayer = 0;
    m_match.blnBullUp = true;
    m_match.bytDart = 0;
    m_match.blnBullDartDown = false;
    m_match.currentPlayer = 1;
    m_host.clearBoard();
    m_host.refresh();
    comment(m_match.player(1).name + " throw for bullseye.");

    // A new game, quitting, or the board going away abandons the bull-up.
    auto abandoned = [&] {
        return !stillOn(serial) || m_flags.quitting || m_flags.unloading || m_match.blnStopped ||
               !m_host.boardVisible();
    };
    auto awaitDart = [&] {
        takeWaitingDarts();
        while (!m_match.blnBullDartDown) {
            m_host.waitForEvents();
            if (abandoned())
                return false;
            takeWaitingDarts();
        }
        return !abandoned();
    };

    m_open = true; // from here on the match takes darts
    if (!awaitDart())
        return 0;
    m_match.bytDart = 1;
    if (!pauseFor(serial, 1.5))
        return 0;
    m_match.blnBullDartDown = false;
    m_match.currentPlayer = 2;
    m_host.refresh();
    comment(m_match.player(2).name + " throw for bullseye.");
    m_host.pause(1.5);
    if (abandoned())
        return 0;

    if (m_match.seatOf(2) == Seat::Computer)
        Throw("S50");
    else if (!awaitDart())
        return 0;
    if (abandoned())
        return 0;

    if (!pauseFor(serial, 1.5))
        return 0;
    const int winner = m_match.dblBullDist1 > m_match.dblBullDist2 ? 2 : 1;
    m_match.intBullWinner = winner;
    m_match.blnBullUp = false;
    return winner;
}

// ---------------------------------------------------------------- Cricket

void MatchEngine::clearMarks()
{
    for (auto& player : m_match.cricketMarks)
        player.fill("");
}

void MatchEngine::cricketWon(unsigned serial, int p, const std::string& text)
{
    matchDecided();
    comment("That's the winner!");
    if (!pauseFor(serial, 3))
        return;
    m_host.clearBoard();
    m_view.scoreboardVisible = false;
    stopAiming();
    m_host.refresh();
    finishMatch(serial, {p, m_match.player(p).name, text});
}

// ---------------------------------------------------------------- the computer

void MatchEngine::Throw(std::string_view score, std::string_view alt)
{
    const Point at = m_computer.Throw(score, alt);
    ThrowDart(at.x, at.y);
}

void MatchEngine::Hit(std::string_view score, std::string_view alt)
{
    if (auto at = m_computer.Hit(score, alt))
        ThrowDart(at->x, at->y);
}

void MatchEngine::computerDart(int remaining)
{
    if (m_match.blnStopped)
        return;
    const unsigned serial = m_serial;
    if (!pauseFor(serial, 1.5 + 2 * m_rng.uniform()) || m_match.blnStopped)
        return; // a new game was chosen while the computer was thinking
    if (auto at = m_computer.ComputerThrow(remaining))
        ThrowDart(at->x, at->y);
}

// ---------------------------------------------------------------- statistics

bool MatchEngine::showStats()
{
    const unsigned serial = m_serial;
    const std::string remembered = m_view.comments;
    if (auto first = averagesMessage(m_match))
        comment(*first);
    if (!pauseFor(serial, 3))
        return false;
    comment(highTurnsMessage(m_match));
    if (!pauseFor(serial, 3))
        return false;
    comment(remembered);
    return true;
}

void MatchEngine::DoStats()
{
    showStats();
}

void MatchEngine::DoHint()
{
    const unsigned serial = m_serial;
    const std::string remembered = m_view.comments;
    const int remaining = m_match.player(m_match.currentPlayer).score - m_match.bytTurnScore;
    comment(hintText(remaining, Suggestion(remaining, 3 - m_match.bytDart, m_computer.OpponentScore(), m_rng)));
    if (pauseFor(serial, 2))
        comment(remembered);
}

// ---------------------------------------------------------------- typed scores

bool MatchEngine::canEnterScore() const
{
    const int p = m_match.currentPlayer;
    if (m_match.blnStopped || m_match.blnBullUp || m_match.cricket || m_turnEnding || m_clickBusy)
        return false;
    if (m_match.seatOf(p) != Seat::Human)
        return false;
    return m_match.player(p).realBoard && m_match.bytDart == 0 && m_view.yellowPlayer == p;
}

void MatchEngine::bookEnteredTurn(int darts, int score, int dartsAtDouble)
{
    if (!canEnterScore())
        return; // the turn is no longer his to type, or the match has gone
    const unsigned serial = m_serial;
    const int p = m_match.currentPlayer;
    const int rem = m_match.player(p).score;
    const bool checkout = score == rem;
    if (!checkout) {
        MatchFlag ending(*this, m_turnEnding);
        if (!m_referee.SayScore(score, on(serial)) || !pauseFor(serial, 1.6))
            return;
    }
    m_match.stat(p, kStatDartsAtDouble) += dartsAtDouble;
    m_match.stat(p, kStatDarts) += darts;
    m_match.stat(p, kStatPoints) += score;
    countHighTurn(p, score);
    m_match.player(p).legDarts += darts;
    if (checkout) {
        bool won;
        {
            MatchFlag ending(*this, m_turnEnding);
            won = LegWinner(p);
        }
        if (!stillOn(serial))
            return;
        if (won) {
            x01MatchWon(serial, p);
            return; // the match is over: nobody is called to the oche
        }
    } else {
        m_match.player(p).score = rem - score;
        m_host.refresh();
    }
    ChangePlayer(false);
}

// ---------------------------------------------------------------- aiming

void MatchEngine::boardMouseDown(int button, int x, int y)
{
    if (m_clickBusy)
        return;
    MatchFlag busy(*this, m_clickBusy);

    const int p = m_match.currentPlayer;
    if (m_match.blnStopped || m_turnEnding)
        return;
    if (m_match.seatOf(p) != Seat::Human)
        return; // the computer or the other machine throws for this player
    if (m_match.bytDart == 3)
        return;
    if (m_match.blnBullUp &&
        ((p == 1 && m_match.bytDart == 1) || (p == 2 && m_match.bytDart == 2) || m_match.blnBullDartDown))
        return; // one bull-up dart each

    if (m_match.player(p).realBoard) {
        // The click names the bed hit on the real board; it never bounces out.
        const unsigned serial = m_serial;
        const int dartBefore = m_match.bytDart;
        const std::string bed = GetScore(x, y, true, m_rng).bed; // on a wire this draws, as the dart will again
        const bool yes = m_host.confirm(bed + " - CONFIRM DART?");
        // The question waited: the dart still belongs to the same turn, or to nothing.
        if (yes && stillOn(serial) && m_match.currentPlayer == p && m_match.bytDart == dartBefore && !m_turnEnding)
            ThrowDart(x, y);
        return;
    }

    if (!m_view.aimTimerOn) {
        if (button != 1)
            return;
        m_view.intAimX = x;
        m_view.intAimY = y;
        m_view.aim.start(x, y);
        m_view.aimTimerOn = true;
        m_host.setAimTimer(true);
        m_host.refresh();
        return;
    }
    if (button == 2 && m_view.aim.freeX) {
        m_view.aim.freeX = false;
        return;
    }
    if (button == 1 && !m_view.aim.freeX && m_view.aim.freeY)
        throwHumanDart();
}

void MatchEngine::throwHumanDart()
{
    m_view.aim.freeY = false;
    m_view.aimTimerOn = false;
    m_host.setAimTimer(false);
    const Point at = humanLanding(m_view.intAimX, m_view.intAimY, m_view.aim.width, m_view.aim.height, m_rng);
    m_view.intAimX = at.x;
    m_view.intAimY = at.y;
    m_view.aim.visible = false;
    m_host.refresh();
    ThrowDart(at.x, at.y);
}

void MatchEngine::aimTick()
{
    if (m_settings.aimSpeedOverride != 0)
        m_match.aimSpeed = m_settings.aimSpeedOverride;
    m_view.aim.tick(m_match.aimSpeed);
}

} // namespace vantorelle

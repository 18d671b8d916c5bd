#include "rules/match/matchengine.h"

#include <cstdlib>
#include <fstream>

#include "rules/career/roster.h"
#include "rules/cricket/cricket.h"
#include "rules/match/bed.h"
#include "rules/match/board.h"
#include "rules/match/throwmodel.h"
#include "rules/opponent/checkout.h"
#include "rules/opponent/computer.h"
#include "rules/setup/setupmenu.h"
#include "rules/setup/stats.h"

namespace vantorelle {

namespace {

// Sets a flag for the life of a scope.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : m_flag(flag), m_old(flag) { m_flag = true; }
    ~FlagGuard() { m_flag = m_old; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& m_flag;
    bool m_old;
};

bool within99(int x, int y, int ox, int oy)
{
    return std::abs(x - ox) <= 99 && std::abs(y - oy) <= 99;
}

} // namespace

MatchEngine::MatchEngine(GameState& state, MatchHost& host, Rng& rng) : m_st(state), m_host(host), m_rng(rng) {}

void MatchEngine::comment(std::string_view text)
{
    m_st.comments = upperCase(text);
    m_host.comment(m_st.comments);
}

// ---------------------------------------------------------------- referee

void MatchEngine::Say(std::string_view word)
{
    if (!m_st.soundOn)
        return;
    struct Call {
        const char* word;
        bool leadIn;
        const char* clip;
        bool wait;
    };
    static constexpr Call kCalls[] = {
        {"Game", false, "Sounds/Referee/General/Game.wav", true},
        {"Leg", true, "Sounds/Referee/General/Leg.wav", true},
        {"Set", true, "Sounds/Referee/General/Set.wav", true},
        {"Match", true, "Sounds/Referee/General/Match.wav", true},
        {"Bullseye", false, "Sounds/Referee/General/Bullseye.wav", false},
    };
    for (const auto& call : kCalls) {
        if (word != call.word)
            continue;
        if (call.leadIn)
            m_host.pause(0.5);
        m_host.play(call.clip, call.wait);
        break;
    }
    m_host.pause(1);
}

void MatchEngine::SayScore(int score)
{
    if (!m_st.soundOn)
        return;
    m_host.pause(0.5);
    m_host.play("Sounds/Referee/Score/" + std::to_string(score) + ".wav", true);
}

void MatchEngine::landingSound()
{
    if (!m_st.soundOn)
        return;
    if (m_st.blnBounceOut) {
        m_host.play("Sounds/Dart/Bounce.wav", false);
        return;
    }
    const int k = m_rng.pick(5, 1);
    m_host.play(std::string(m_st.blnClean ? "Sounds/Dart/Clean" : "Sounds/Dart/Clash") + std::to_string(k) + ".wav",
                false);
}

// ---------------------------------------------------------------- one dart

void MatchEngine::recordDart(int n, int x, int y)
{
    auto idx = static_cast<std::size_t>(n);
    m_st.intDartX[idx] = m_st.blnBounceOut ? 1 : x;
    m_st.intDartY[idx] = m_st.blnBounceOut ? 1 : y;
    m_st.strDartPose[idx] = "a";
    const int indicator = m_st.currentPlayer == 1 ? 3 - n : 6 - n;
    if (indicator >= 0 && indicator < 6)
        m_st.dartInHand[static_cast<std::size_t>(indicator)] = false;
}

void MatchEngine::ThrowDart(int x, int y, std::string_view netBed, std::string_view netBounce)
{
    if (m_st.blnStopped)
        return;
    const int p = m_st.currentPlayer;
    const int n = m_st.bytDart + 1;
    if (n < 1 || n > 3)
        return; // the turn is already full

    if (!netBed.empty()) {
        m_st.strBed = std::string(netBed);
        m_st.blnBounceOut = netBounce == "T";
    } else {
        const Landing landing = GetScore(x, y, m_st.player(p).realBoard, m_rng);
        m_st.strBed = landing.bed;
        m_st.blnBounceOut = landing.bounceOut;
    }
    recordDart(n, x, y);
    m_host.refresh();

    if (netBed.empty() && m_st.networkGame) {
        m_host.send("$ZEKO$TX" + std::to_string(x) + "Y" + std::to_string(y) + "S" + m_st.strBed +
                    (m_st.blnBounceOut ? "T" : "F"));
    }

    // A dart landing close to an earlier one of the turn hits it, and sits at an angle.
    bool clash = false;
    if (n >= 2)
        clash = within99(x, y, m_st.intDartX[1], m_st.intDartY[1]);
    if (n == 3)
        clash = clash || within99(x, y, m_st.intDartX[2], m_st.intDartY[2]);
    char pose = 'a';
    m_st.blnClean = !clash;
    if (clash)
        pose = static_cast<char>('a' + m_rng.pick(4));

    m_host.animate(x, y, pose);
    landingSound();
    m_st.strDartPose[static_cast<std::size_t>(n)] = std::string(1, pose);

    if (m_st.blnBullUp) {
        const double d = GetDistance(x, y);
        (m_st.bytDart == 0 ? m_st.dblBullDist1 : m_st.dblBullDist2) = d;
        m_st.blnBullDartDown = true;
        return;
    }

    m_st.bytDartScore = bedValue(m_st.strBed);

    if (m_st.cricketBoardShown) {
        CricketScore(p, m_st.strBed);
        if (m_st.blnStopped)
            return; // the game is won
    } else {
        // Statistics, counted before the bust test and kept when the turn busts.
        m_st.stat(p, kStatDarts) += 1;
        m_st.stat(p, kStatPoints) += m_st.bytDartScore;
        const int left = m_st.player(p).score - m_st.bytTurnScore;
        if (left == 50 || (left % 2 == 0 && left >= 2 && left <= 40))
            m_st.stat(p, kStatDartsAtDouble) += 1;
    }

    m_st.bytDart = n;
    m_st.bytTurnScore += m_st.bytDartScore;
    m_st.player(p).legDarts += 1;
    if (n == 3)
        countHighTurn(p, m_st.bytTurnScore);

    if (m_st.cricketBoardShown) {
        std::string text = "Dart " + std::to_string(n) + " hits ";
        if (m_st.bytDartScore == 50)
            text += "the double bullseye!";
        else if (m_st.bytDartScore == 25)
            text += "the single bullseye!";
        else
            text += m_st.strBed;
        comment(text);
        m_host.refresh();
        if (n == 3) {
            m_st.bytTurnScore = 0;
            m_st.bytDart = 0;
            ChangePlayer(true);
        }
        return;
    }

    const int R = m_st.player(p).score;
    const int T = m_st.bytTurnScore;
    const std::string& name = m_st.player(p).name;

    if (T > R || T == R - 1) {
        bust("No score! " + name + " has bust!");
        return;
    }
    if (T == R) {
        if (!isFinishingBed(m_st.strBed)) {
            bust(name + " has bust! You must finish on a double!");
            return;
        }
        {
            FlagGuard ending(m_turnEnding);
            if (LegWinner(p)) {
                matchOverBoard();
                return;
            }
            m_st.bytDart = 0;
            m_st.bytTurnScore = 0;
            m_host.pause(1.5);
        }
        ChangePlayer(false);
        return;
    }

    std::string text = "Dart " + std::to_string(n) + " hits ";
    if (m_st.bytDartScore == 50)
        text += "the bullseye!";
    else if (m_st.bytDartScore == 25)
        text += "the outer bullseye!";
    else
        text += std::to_string(m_st.bytDartScore);

    if (n == 3) {
        if (m_st.bytDartScore != 50 && m_st.bytDartScore != 25)
            text += ".";
        text += " " + name + " scores " + std::to_string(T) + ".";
        comment(text);
        SayScore(T);
        m_host.pause(2);
        m_st.player(p).score = R - T;
        m_st.bytTurnScore = 0;
        m_st.bytDart = 0;
        m_host.refresh();
        ChangePlayer(false);
        return;
    }
    comment(text);
}

void MatchEngine::countHighTurn(int p, int turn)
{
    if (turn >= 100 && turn <= 139)
        m_st.stat(p, kStat100) += 1;
    else if (turn >= 140 && turn <= 179)
        m_st.stat(p, kStat140) += 1;
    else if (turn == 180)
        m_st.stat(p, kStat180) += 1;
}

void MatchEngine::bust(std::string_view message)
{
    {
        // No dart may be thrown while the bust is announced.
        FlagGuard ending(m_turnEnding);
        comment(message);
        SayScore(0);
        m_st.bytDart = 0;
        m_st.bytTurnScore = 0;
        m_host.pause(1.5);
    }
    ChangePlayer(false);
}

// ---------------------------------------------------------------- legs, sets, match

bool MatchEngine::LegWinner(int p)
{
    auto& me = m_st.player(p);
    me.legs += 1;
    m_st.stat(p, kStatDoublesHit) += 1;

    if (m_st.intStartScore == 501 && me.legDarts >= 9 && me.legDarts <= 12) {
        comment(std::to_string(me.legDarts) + " - DART FINISH !!!");
        m_host.pause(1.5);
    }
    for (int q : {1, 2}) {
        m_st.player(q).legDarts = 0;
        m_st.player(q).score = m_st.intStartScore;
    }
    m_host.refresh();

    const std::string name = me.name;
    if (me.legs == m_st.bytLegsToWin) {
        me.sets += 1;
        m_st.player(1).legs = 0;
        m_st.player(2).legs = 0;
        m_host.refresh();
        if (me.sets == m_st.bytSetstoWin) {
            comment("Game, shot and the match, " + name);
            m_st.networkGame = false;
            m_st.blnStopped = true;
            m_host.processEvents();
            Say("Match");
            m_host.pause(3);
            DoStats();
            m_st.scoreboardVisible = false;
            m_host.refresh();
            if (m_st.bytGameType == 2) {
                m_st.strWinner = name;
                m_host.careerMatchOver(name);
            } else {
                m_host.showInfo("The winner is " + name);
                setupFirstPage(m_st);
                m_st.setupVisible = true;
                m_host.showSetupMenu();
            }
            return true;
        }
        comment("Game, shot and the set, " + name);
        m_host.processEvents();
        Say("Set");
        m_host.pause(1);
        chooseNextStarter(p, true);
        return false;
    }
    comment("Game, shot and the leg, " + name);
    m_host.processEvents();
    Say("Leg");
    m_host.pause(1);
    chooseNextStarter(p, false);
    return false;
}

// The first legs of the sets alternate between the bull-up winner F and the
// other player O, and so do the legs within a set; past four sets or legs the
// loser of the last leg starts. The throw is handed over by the ChangePlayer
// that follows, so the one who must not start is made current here.
void MatchEngine::chooseNextStarter(int winner, bool setWon)
{
    const int F = m_st.intBullWinner;
    const int O = otherPlayer(F);
    const int loser = otherPlayer(winner);
    const int S = m_st.player(1).sets + m_st.player(2).sets;
    int starter;
    if (setWon) {
        starter = (S >= 1 && S <= 4) ? (S % 2 == 0 ? F : O) : loser;
    } else {
        const int L = m_st.player(1).legs + m_st.player(2).legs;
        starter = (S <= 4 && L >= 1 && L <= 4) ? ((S + L) % 2 == 0 ? F : O) : loser;
    }
    m_st.currentPlayer = otherPlayer(starter);
}

// ---------------------------------------------------------------- change of thrower

void MatchEngine::stopAiming()
{
    m_st.aim.clear();
    m_st.aimTimerOn = false;
    m_host.setAimTimer(false);
}

void MatchEngine::playerOnThrowComment(int p)
{
    const auto& pl = m_st.player(p);
    if (!pl.realBoard)
        comment(pl.name + " to the oche.");
    else if (m_st.cricketBoardShown)
        comment(pl.name + " click score.");
    else
        comment(pl.name + " click or type score.");
}

void MatchEngine::ChangePlayer(bool del)
{
    m_st.bytDart = 0;
    m_st.strDartPose = {"a", "a", "a", "a"};
    stopAiming();
    m_st.currentPlayer = otherPlayer(m_st.currentPlayer);
    const int p = m_st.currentPlayer;
    if (del) {
        FlagGuard ending(m_turnEnding);
        m_host.pause(2);
    }
    m_host.clearBoard();
    m_st.yellowPlayer = p;
    playerOnThrowComment(p);
    for (std::size_t i = 0; i < 6; ++i)
        m_st.dartInHand[i] = (p == 1) == (i < 3);
    m_host.refresh();

    if (m_st.numberOfPlayers == 1 && p == 2) {
        for (int dart = 0; dart < 3; ++dart) {
            if (m_st.yellowPlayer != 2)
                break; // the turn ended inside the last dart
            ComputerThrow(m_st.player(2).score - m_st.bytTurnScore);
        }
    }
}

// ---------------------------------------------------------------- start of a match

void MatchEngine::StartGame()
{
    ++m_matchSerial;
    m_st.blnStopped = false;
    m_host.showInfo(m_st.player(1).name + " v " + m_st.player(2).name);

    resetScoreboard(m_st.intStartScore);

    Say("Bullseye");
    const int w = ThrowForStart();
    if (w == 0)
        return;

    handOverAfterBullUp(w);
}

void MatchEngine::resetScoreboard(int startScore)
{
    m_st.currentPlayer = 1;
    for (int q : {1, 2}) {
        auto& pl = m_st.player(q);
        pl.score = startScore;
        pl.legs = 0;
        pl.sets = 0;
        pl.legDarts = 0; // a match abandoned mid-leg leaves nothing behind
    }
    m_st.scoreboardVisible = true;
    m_host.refresh();
}

void MatchEngine::matchOverBoard()
{
    m_host.clearBoard();
    m_st.dartInHand = {true, true, true, false, false, false};
    stopAiming();
    m_host.refresh();
}

void MatchEngine::handOverAfterBullUp(int w)
{
    {
        // Nobody throws until the throw has been handed over.
        FlagGuard starting(m_turnEnding);
        m_st.resetMatchStats();
        m_st.yellowPlayer = w;
        m_st.bytTurnScore = 0;
        m_st.bytDart = 0;
        playerOnThrowComment(w);
        m_host.refresh();
        Say("Game");
        m_host.processEvents();
    }
    m_st.currentPlayer = otherPlayer(w);
    ChangePlayer(false);
}

// ---------------------------------------------------------------- Cricket

void MatchEngine::clearMarks()
{
    for (auto& player : m_st.cricketMarks)
        player.fill("");
}

void MatchEngine::StartCricket()
{
    ++m_matchSerial;
    m_st.cricketBoardShown = true;
    m_host.refresh();
    m_host.showInfo(m_st.player(1).name + " v " + m_st.player(2).name);
    clearMarks();
    m_st.blnStopped = false;
    resetScoreboard(0);
    Say("Bullseye");
    const int w = ThrowForStart();
    if (w == 0)
        return;
    handOverAfterBullUp(w);
}

void MatchEngine::CricketScore(int p, std::string_view bed)
{
    const int q = otherPlayer(p);
    const std::string code = bed == "S50" ? std::string("D25") : std::string(bed);
    // The number the dart hit: the bull is 25 whichever ring.
    const int number = code.size() == 3 ? bedValue("S" + code.substr(1)) : 0;
    const int i = cricketIndex(number);
    if (i >= 0) {
        auto& mark = m_st.cricketMarks[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)];
        const std::string add = AddCodes(mark, code);
        if (!add.empty()) {
            mark = add.substr(0, 1);
            if (m_st.cricketMarks[static_cast<std::size_t>(q)][static_cast<std::size_t>(i)] != "O")
                m_st.player(p).score += (add[1] - '0') * number;
        }
        m_host.refresh();
    }
    CheckForWinner();
}

void MatchEngine::CheckForWinner()
{
    const int p = m_st.currentPlayer;
    m_st.blnStopped = false;
    const std::string text = cricketWinText(m_st, p);
    if (text.empty())
        return;
    m_st.blnStopped = true;
    comment("That's the winner!");
    m_host.pause(3);
    m_host.clearBoard();
    m_st.scoreboardVisible = false;
    stopAiming();
    m_host.refresh();
    m_host.showInfo(text);
    setupFirstPage(m_st);
    m_st.setupVisible = true;
    m_host.showSetupMenu();
}

int MatchEngine::ThrowForStart()
{
    m_st.dartInHand = {};
    m_st.yellowPlayer = 0;
    m_st.blnBullUp = true;
    m_st.bytDart = 0;
    m_st.blnBullDartDown = false;
    m_st.currentPlayer = 1;
    m_host.clearBoard();
    m_host.refresh();
    comment(m_st.player(1).name + " throw for bullseye.");

    // A new game, quitting, or the board going away abandons the bull-up.
    auto abandoned = [this] { return m_st.quitting || m_st.unloading || m_st.blnStopped || !m_host.boardVisible(); };
    auto awaitDart = [&] {
        while (!m_st.blnBullDartDown) {
            m_host.waitForEvents();
            if (abandoned())
                return false;
        }
        return true;
    };

    if (!awaitDart())
        return 0;
    m_st.bytDart = 1;
    m_host.pause(1.5);
    m_st.blnBullDartDown = false;
    m_st.currentPlayer = 2;
    m_host.refresh();
    comment(m_st.player(2).name + " throw for bullseye.");
    m_host.pause(1.5);
    if (abandoned())
        return 0;

    if (m_st.numberOfPlayers == 1)
        Throw("S50");
    else if (!awaitDart())
        return 0;

    m_host.pause(1.5);
    const int winner = m_st.dblBullDist1 > m_st.dblBullDist2 ? 2 : 1;
    m_st.intBullWinner = winner;
    m_st.blnBullUp = false;
    return winner;
}

// ---------------------------------------------------------------- the computer

int MatchEngine::Nervous(std::string_view score) const
{
    Pressure p;
    p.player1Remaining = m_st.player(1).score;
    p.legs1 = m_st.player(1).legs;
    p.legs2 = m_st.player(2).legs;
    p.sets1 = m_st.player(1).sets;
    p.sets2 = m_st.player(2).sets;
    p.setsToWin = m_st.bytSetstoWin;
    return vantorelle::Nervous(score, p);
}

void MatchEngine::Throw(std::string_view score, std::string_view alt)
{
    std::string target(score);
    if (!alt.empty() && m_rng.pick(2, 1) != 1)
        target = std::string(alt);

    Point aim{0, 0}; // an unknown bed leaves the aim off the board
    if (auto p = GetCoords(target))
        aim = *p;

    const int rank = GetRank(m_st.roster.lines, m_st.player(2).name);
    int S;
    if (!m_st.cricketBoardShown) {
        int A = threeDartAverage(m_st.stat(2, kStatPoints), m_st.stat(2, kStatDarts));
        const int level = computerLevel(rank, m_st.difficulty);
        const int q = computerQ(rank);
        if (m_st.player(1).realBoard) {
            if (A == 0)
                A = m_st.playerAverage;
            const int K = realBoardK(level, A, m_st.playerAverage);
            S = static_cast<int>(m_rng.uniform() * (rank + K) + q);
        } else {
            const int K = averageK(level, A);
            S = static_cast<int>(m_rng.uniform() * K + q);
        }
        S += Nervous(target);
    } else if (m_st.player(1).realBoard) {
        S = static_cast<int>(m_rng.uniform() * (rank - m_st.playerAverage + 320) + 1);
    } else {
        S = static_cast<int>(m_rng.uniform() * (rank + 220) + 1);
    }

    const int x = m_rng.pick(2, 1) == 1 ? aim.x - S : aim.x + S;
    const int y = m_rng.pick(2, 1) == 1 ? aim.y - S : aim.y + S;
    ThrowDart(x, y);
}

int MatchEngine::OpponentScore() const
{
    return m_st.player(otherPlayer(m_st.currentPlayer)).score;
}

void MatchEngine::ComputerThrow(int remaining)
{
    if (m_st.blnStopped)
        return;
    const unsigned serial = m_matchSerial;
    m_host.pause(1.5 + 2 * m_rng.uniform());
    if (m_st.blnStopped || serial != m_matchSerial)
        return; // a new game was chosen while the computer was thinking
    if (m_st.cricketBoardShown) {
        const std::string target = ThrowCricketComp(m_st, m_rng);
        if (!target.empty())
            Throw(target);
        return;
    }
    const char pose2 = m_st.strDartPose[2].empty() ? 'a' : m_st.strDartPose[2][0];
    const Target t = x01Target(remaining, m_st.bytDart, OpponentScore(), m_st.bytTurnScore, pose2, m_rng);
    Throw(t.bed, t.alt);
}

void MatchEngine::Hit(std::string_view score, std::string_view alt)
{
    std::string code(score);
    if (!alt.empty() && m_rng.pick(2, 1) != 1)
        code = std::string(alt);
    std::ifstream in(m_st.appFolder + "/compaim.dat");
    if (!in)
        return;
    if (auto p = findAimRecord(in, code))
        ThrowDart(p->x, p->y);
}

// ---------------------------------------------------------------- statistics

void MatchEngine::DoStats()
{
    const std::string remembered = m_st.comments;
    if (auto first = averagesMessage(m_st))
        comment(*first);
    m_host.pause(3);
    comment(highTurnsMessage(m_st));
    m_host.pause(3);
    comment(remembered);
}

void MatchEngine::DoHint()
{
    const std::string remembered = m_st.comments;
    const int remaining = m_st.player(m_st.currentPlayer).score - m_st.bytTurnScore;
    comment(hintText(remaining, Suggestion(remaining, 3 - m_st.bytDart, OpponentScore(), m_rng)));
    m_host.pause(2);
    comment(remembered);
}

// ---------------------------------------------------------------- typed scores

bool MatchEngine::canEnterScore() const
{
    const int p = m_st.currentPlayer;
    if (m_st.blnStopped || m_st.blnBullUp || m_st.cricketBoardShown || m_turnEnding || m_clickBusy)
        return false;
    if (m_st.numberOfPlayers == 1 && p == 2)
        return false;
    if (m_st.networkGame && ((m_st.isChallenger && p == 2) || (!m_st.isChallenger && p == 1)))
        return false;
    return m_st.player(p).realBoard && m_st.bytDart == 0 && m_st.yellowPlayer == p;
}

void MatchEngine::bookEnteredTurn(int darts, int score, int dartsAtDouble)
{
    const int p = m_st.currentPlayer;
    const int rem = m_st.player(p).score;
    const bool checkout = score == rem;
    if (!checkout) {
        FlagGuard ending(m_turnEnding);
        SayScore(score);
        m_host.pause(1.6);
    }
    m_st.stat(p, kStatDartsAtDouble) += dartsAtDouble;
    m_st.stat(p, kStatDarts) += darts;
    m_st.stat(p, kStatPoints) += score;
    countHighTurn(p, score);
    m_st.player(p).legDarts += darts;
    if (checkout) {
        if (LegWinner(p)) {
            matchOverBoard();
            return; // the match is over: nobody is called to the oche
        }
    } else {
        m_st.player(p).score = rem - score;
        m_host.refresh();
    }
    ChangePlayer(false);
}

// ---------------------------------------------------------------- aiming

void MatchEngine::boardMouseDown(int button, int x, int y)
{
    if (m_clickBusy)
        return;
    FlagGuard busy(m_clickBusy);

    const int p = m_st.currentPlayer;
    if (m_st.blnStopped || m_turnEnding)
        return;
    if (m_st.networkGame && ((m_st.isChallenger && p == 2) || (!m_st.isChallenger && p == 1)))
        return;
    if (p == 2 && m_st.numberOfPlayers == 1)
        return;
    if (m_st.bytDart == 3)
        return;
    if (m_st.blnBullUp && ((p == 1 && m_st.bytDart == 1) || (p == 2 && m_st.bytDart == 2) || m_st.blnBullDartDown))
        return; // one bull-up dart each

    if (m_st.player(p).realBoard) {
        // The click names the bed hit on the real board; it never bounces out.
        const std::string bed = bedAt(x, y);
        if (m_host.confirm(bed + " - CONFIRM DART?"))
            ThrowDart(x, y);
        return;
    }

    if (!m_st.aimTimerOn) {
        if (button != 1)
            return;
        m_st.intAimX = x;
        m_st.intAimY = y;
        m_st.aim.start(x, y);
        m_st.aimTimerOn = true;
        m_host.setAimTimer(true);
        m_host.refresh();
        return;
    }
    if (button == 2 && m_st.aim.freeX) {
        m_st.aim.freeX = false;
        return;
    }
    if (button == 1 && !m_st.aim.freeX && m_st.aim.freeY)
        throwHumanDart();
}

void MatchEngine::throwHumanDart()
{
    m_st.aim.freeY = false;
    m_st.aimTimerOn = false;
    m_host.setAimTimer(false);
    const Point at = humanLanding(m_st.intAimX, m_st.intAimY, m_st.aim.width, m_st.aim.height, m_rng);
    m_st.intAimX = at.x;
    m_st.intAimY = at.y;
    m_st.aim.visible = false;
    m_host.refresh();
    ThrowDart(at.x, at.y);
}

void MatchEngine::aimTick()
{
    if (m_st.aimSpeedOverride != 0)
        m_st.aimSpeed = m_st.aimSpeedOverride;
    m_st.aim.tick(m_st.aimSpeed);
}

} // namespace vantorelle

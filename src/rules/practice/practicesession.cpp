#include "rules/practice/practicesession.h"

#include <algorithm>

#include "rules/match/bed.h"
#include "rules/opponent/checkout.h"

namespace vantorelle {

namespace {

constexpr int kBullIndex = 20; // the last target of Around the Clock and Bob's 27
constexpr int kDartsPerTurn = 3;
constexpr int kTurnsPerTarget = 3; // 121: nine darts at each target
constexpr int kFirstCheckout = 121;

// The hint plays safe while the player has turns left at a target, and goes
// for the finish in the last one: the table's own question "can the opponent
// finish?" asked of the nine darts instead.
constexpr int kNoThreat = 999; // no finish possible: leave a double
constexpr int kThreat = 0;     // a finish is on: take it now

// "S05" is shown "S5", the bulls by name.
std::string bedWords(std::string_view bed)
{
    if (bed == "S50")
        return "the bull";
    if (bed == "S25")
        return "the outer bull";
    const int number = (bed[1] - '0') * 10 + (bed[2] - '0');
    return std::string(1, bed[0]) + std::to_string(number);
}

std::string dartWords(int n, std::string_view bed)
{
    const std::string dart = "Dart " + std::to_string(n);
    return bed == "000" ? dart + " misses." : dart + " hits " + bedWords(bed) + ".";
}

std::string count(int n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// The beds that hit target `index` (0..19 the numbers 1..20, 20 the bull).
// The bull counts as a double; as there is no treble bull, either bull counts
// when trebles are asked for.
std::vector<std::string> bedsOf(PracticeGame game, ClockVariant variant, int index)
{
    const bool doubles = game == PracticeGame::Bobs27 || variant == ClockVariant::Doubles;
    if (index == kBullIndex)
        return doubles ? std::vector<std::string>{"S50"} : std::vector<std::string>{"S25", "S50"};
    const int number = index + 1;
    if (doubles)
        return {makeBed('D', number)};
    if (variant == ClockVariant::Trebles)
        return {makeBed('T', number)};
    return {makeBed('S', number), makeBed('D', number), makeBed('T', number)};
}

} // namespace

PracticeSession::PracticeSession(const PracticeChoice& choice) : m_choice(choice)
{
    if (m_choice.game == PracticeGame::Checkout121)
        m_choice = PracticeChoice::checkout121(choice.targets);
}

PracticeDart PracticeSession::dart(std::string_view bed)
{
    PracticeDart d;
    if (!playing() || !isValidBed(bed))
        return d;
    d.accepted = true;
    d.bed = std::string(bed);
    d.target = targetText();
    d.turn = m_turn;
    d.dartInTurn = m_inTurn + 1;
    ++m_darts;
    ++m_inTurn;
    switch (m_choice.game) {
    case PracticeGame::Clock:
        clockDart(d);
        break;
    case PracticeGame::Bobs27:
        bobsDart(d);
        break;
    case PracticeGame::Checkout121:
        checkoutDart(d);
        break;
    }
    if (d.hit)
        ++m_hits;
    if (m_inTurn == kDartsPerTurn || d.gameOver)
        d.turnEnded = true;
    if (d.turnEnded) {
        m_inTurn = 0;
        if (playing())
            ++m_turn;
    }
    return d;
}

void PracticeSession::clockDart(PracticeDart& d)
{
    const auto beds = bedsOf(m_choice.game, m_choice.variant, m_index);
    d.hit = std::find(beds.begin(), beds.end(), d.bed) != beds.end();
    d.comment = dartWords(d.dartInTurn, d.bed);
    if (!d.hit) {
        d.comment += " Still on " + targetWords() + ".";
    } else if (m_index == kBullIndex) {
        m_status = PracticeStatus::Finished;
        d.gameOver = true;
        d.comment += " Done in " + count(m_darts, "dart!", "darts!");
    } else {
        ++m_index;
        d.targetChanged = true;
        d.comment += " On to " + targetWords() + ".";
    }
}

void PracticeSession::bobsDart(PracticeDart& d)
{
    const int value = m_index == kBullIndex ? 50 : 2 * (m_index + 1);
    d.hit = d.bed == bedsOf(m_choice.game, m_choice.variant, m_index).front();
    d.comment = dartWords(d.dartInTurn, d.bed);
    if (d.hit) {
        m_turnHit = true;
        m_points += value;
        d.points = value;
        d.comment += " Plus " + std::to_string(value) + ", " + count(m_points, "point.", "points.");
    }
    if (m_inTurn < kDartsPerTurn)
        return;
    // All three darts are thrown at each double, so only the turn's end
    // settles it.
    if (!m_turnHit) {
        m_points -= value;
        d.penalty = value;
        d.comment += " No hit: minus " + std::to_string(value) + ", " + count(m_points, "point.", "points.");
    }
    m_turnHit = false;
    if (m_points <= 0 || m_index == kBullIndex) {
        m_status = PracticeStatus::Finished;
        d.gameOver = true;
        if (m_points <= 0)
            d.comment += " Out of points!";
        return;
    }
    ++m_index;
    d.targetChanged = true;
    d.comment += " On to " + targetWords() + ".";
}

void PracticeSession::checkoutDart(PracticeDart& d)
{
    ++m_attemptDarts;
    const int value = bedValue(d.bed);
    const int left = remaining() - value;
    // x01 rules: below zero or one left busts, and so does zero on a bed that
    // is not a double or the bull.
    if (left < 0 || left == 1 || (left == 0 && !isFinishingBed(d.bed))) {
        d.bust = true;
        d.turnEnded = true;
        m_turnScore = 0;
        d.remaining = m_turnStart;
        d.comment = left == 0 ? "Bust! Finish on a double." : "Bust!";
        if (m_attemptTurn == kTurnsPerTarget) {
            endAttempt(d, false);
        } else {
            ++m_attemptTurn;
            d.comment += " Back to " + std::to_string(m_turnStart) + ".";
        }
        return;
    }
    d.points = value;
    if (left == 0) {
        d.hit = true;
        d.checkout = true;
        d.turnEnded = true;
        d.remaining = 0;
        m_turnStart = 0;
        m_turnScore = 0;
        d.comment = "Checked out " + std::to_string(m_target) + " in " + count(m_attemptDarts, "dart!", "darts!");
        endAttempt(d, true);
        return;
    }
    d.hit = value > 0;
    d.remaining = left;
    m_turnScore += value;
    d.comment = dartWords(d.dartInTurn, d.bed) + " " + std::to_string(left) + " left.";
    if (m_inTurn < kDartsPerTurn)
        return;
    m_turnStart = left;
    m_turnScore = 0;
    if (m_attemptTurn == kTurnsPerTarget)
        endAttempt(d, false);
    else
        ++m_attemptTurn;
}

void PracticeSession::endAttempt(PracticeDart& d, bool checkedOut)
{
    d.attemptEnded = true;
    int next = m_lastChecked;
    if (checkedOut) {
        ++m_checkedOut;
        m_highest = std::max(m_highest, m_target);
        m_lastChecked = m_target;
        next = m_target + 1;
    } else {
        d.comment += " No checkout of " + std::to_string(m_target) + ".";
    }
    if (m_attempt == m_choice.targets) {
        m_status = PracticeStatus::Finished;
        d.gameOver = true;
        return;
    }
    d.targetChanged = next != m_target;
    d.comment += " Next target " + std::to_string(next) + ".";
    ++m_attempt;
    m_target = next;
    m_attemptTurn = 1;
    m_attemptDarts = 0;
    m_turnStart = next;
    m_turnScore = 0;
}

void PracticeSession::abandon()
{
    if (playing())
        m_status = PracticeStatus::Abandoned;
}

std::optional<int> PracticeSession::result() const
{
    if (m_status != PracticeStatus::Finished)
        return std::nullopt;
    switch (m_choice.game) {
    case PracticeGame::Clock:
        return m_darts;
    case PracticeGame::Bobs27:
        return m_points;
    case PracticeGame::Checkout121:
        break;
    }
    return m_highest;
}

std::string PracticeSession::targetText() const
{
    if (m_choice.game == PracticeGame::Checkout121)
        return std::to_string(m_target);
    if (m_index == kBullIndex)
        return "BULL";
    if (m_choice.game == PracticeGame::Clock && m_choice.variant == ClockVariant::Any)
        return std::to_string(m_index + 1);
    return bedWords(bedsOf(m_choice.game, m_choice.variant, m_index).front());
}

std::string PracticeSession::targetWords() const
{
    return m_choice.game != PracticeGame::Checkout121 && m_index == kBullIndex ? "the bull" : targetText();
}

int PracticeSession::targetNumber() const
{
    if (m_choice.game == PracticeGame::Checkout121)
        return m_target;
    return m_index == kBullIndex ? 25 : m_index + 1;
}

std::vector<std::string> PracticeSession::targetBeds() const
{
    if (!playing() || m_choice.game == PracticeGame::Checkout121)
        return {};
    return bedsOf(m_choice.game, m_choice.variant, m_index);
}

int PracticeSession::dartsLeftInAttempt() const
{
    return kDartsPerTurn * (kTurnsPerTarget - m_attemptTurn + 1) - m_inTurn;
}

std::string PracticeSession::hint(Rng& rng) const
{
    if (!playing())
        return {};
    if (m_choice.game != PracticeGame::Checkout121)
        return "Aim at " + targetWords() + ".";
    const int threat = m_attemptTurn == kTurnsPerTarget ? kThreat : kNoThreat;
    return hintText(remaining(), Suggestion(remaining(), kDartsPerTurn - m_inTurn, threat, rng));
}

std::array<std::string, 2> PracticeSession::statsLines(std::optional<int> best) const
{
    std::string first;
    const int percent = m_darts == 0 ? 0 : (m_hits * 100 + m_darts / 2) / m_darts;
    switch (m_choice.game) {
    case PracticeGame::Clock:
        first = count(m_darts, "dart", "darts") + ", " + std::to_string(m_hits) + " on target (" +
                std::to_string(percent) + "%).";
        break;
    case PracticeGame::Bobs27:
        first = count(m_points, "point", "points") + " after " + count(m_darts, "dart", "darts") + ", " +
                count(m_hits, "double", "doubles") + " hit (" + std::to_string(percent) + "%).";
        break;
    case PracticeGame::Checkout121:
        first = "Target " + std::to_string(m_attempt) + " of " + std::to_string(m_choice.targets) + ": " +
                std::to_string(m_checkedOut) + " checked out";
        if (m_checkedOut > 0)
            first += ", highest " + std::to_string(m_highest);
        first += ".";
        break;
    }
    return {first, best ? "Personal best: " + resultText(m_choice, *best) + "." : std::string("No personal best yet.")};
}

std::string PracticeSession::openingText(std::optional<int> best) const
{
    std::string text = practiceName(m_choice) + ". ";
    switch (m_choice.game) {
    case PracticeGame::Clock:
        text += "Aim at " + targetWords() + ".";
        break;
    case PracticeGame::Bobs27:
        text += "27 points, aim at " + targetWords() + ".";
        break;
    case PracticeGame::Checkout121:
        text += "Check out " + std::to_string(kFirstCheckout) + " in nine darts.";
        break;
    }
    if (best)
        text += " Best: " + resultText(m_choice, *best) + ".";
    return text;
}

std::string PracticeSession::closingText(std::optional<int> best, bool bestKnown) const
{
    const auto mine = result();
    if (!mine)
        return {};
    std::string text;
    switch (m_choice.game) {
    case PracticeGame::Clock:
        text = "Around the clock in " + resultText(m_choice, *mine) + ".";
        break;
    case PracticeGame::Bobs27:
        text = "Bob's 27 over";
        if (m_points <= 0)
            text += " at " + targetText();
        text += ": " + resultText(m_choice, *mine) + ".";
        break;
    case PracticeGame::Checkout121:
        if (m_checkedOut == 0)
            text = "Session over: no checkout in " + count(m_choice.targets, "target.", "targets.");
        else
            text = "Session over: " + std::to_string(m_checkedOut) + " of " + std::to_string(m_choice.targets) +
                   " checked out, highest " + std::to_string(m_highest) + ".";
        break;
    }
    if (!bestKnown)
        return text;
    if (isNewBest(m_choice, *mine, best))
        text += " New personal best!";
    else if (best)
        text += " Best: " + resultText(m_choice, *best) + ".";
    return text;
}

} // namespace vantorelle

#include "rules/practice/practiceboard.h"

#include "rules/app/utf8.h"

namespace vantorelle {

namespace {

const std::string kDot = " \xC2\xB7 "; // a middle dot between figures
constexpr int kClockTargets = 21;          // 1 to 20 and the bull

// Where the player is among the targets: 1 for the first, 21 for the bull.
int targetPlace(const PracticeSession& s)
{
    const int n = s.targetNumber();
    return n == 25 ? kClockTargets : n;
}

} // namespace

PracticeBoard practiceBoard(const PracticeSession& s, std::optional<int> best)
{
    const PracticeChoice& c = s.choice();
    PracticeBoard b;
    b.format = practiceName(c);
    const bool over = !s.playing();
    const std::optional<int> result = s.result();
    switch (c.game) {
    case PracticeGame::Clock:
        b.figure = result ? std::to_string(*result) : over ? "-" : s.targetText();
        b.info = result ? "DONE IN " + resultText(c, *result)
                        : "TARGET " + std::to_string(targetPlace(s)) + " OF " + std::to_string(kClockTargets);
        b.info += kDot + std::to_string(s.hits()) + " ON TARGET";
        b.heads = {"DARTS", "TURN"};
        b.values = {std::to_string(s.dartsUsed()), std::to_string(s.turn())};
        break;
    case PracticeGame::Bobs27:
        b.figure = std::to_string(s.points());
        b.info = over ? std::string("POINTS AT THE END") : "POINTS" + kDot + "DOUBLE " +
                                                                std::to_string(targetPlace(s)) + " OF " +
                                                                std::to_string(kClockTargets);
        b.info += kDot + std::to_string(s.hits()) + " HIT";
        b.heads = {"TARGET", "TURN"};
        b.values = {over ? std::string("-") : s.targetText(), std::to_string(s.turn())};
        break;
    case PracticeGame::Checkout121:
        b.figure = over ? std::to_string(s.highestCheckout()) : std::to_string(s.remaining());
        b.info = over ? "HIGHEST CHECKOUT" + kDot + std::to_string(s.checkedOut()) + " OF " +
                            std::to_string(s.attempts()) + " CHECKED OUT"
                      : "TARGET " + std::to_string(s.attempt()) + " OF " + std::to_string(s.attempts()) + kDot +
                            std::to_string(s.checkedOut()) + " CHECKED OUT";
        if (!over && s.highestCheckout() > 0)
            b.info += kDot + "HIGHEST " + std::to_string(s.highestCheckout());
        b.heads = {"TARGET", "DARTS"};
        b.values = {over ? std::string("-") : s.targetText(),
                    over ? std::string("-") : std::to_string(s.dartsLeftInAttempt())};
        break;
    }
    if (best) {
        b.bestFigure = std::to_string(*best);
        b.bestInfo = resultText(c, *best);
    } else {
        b.bestFigure = "-";
        b.bestInfo = "NONE YET";
    }
    b.format = upperCase(b.format);
    b.info = upperCase(b.info);
    b.bestInfo = upperCase(b.bestInfo);
    return b;
}

} // namespace vantorelle

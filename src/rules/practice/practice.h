#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vantorelle {

// The solo games a player practises with.
enum class PracticeGame { Clock, Bobs27, Checkout121 };

// Which beds of the number count in Around the Clock.
enum class ClockVariant { Any, Doubles, Trebles };

// The aim circle pulses at one pace in every practice game (an amateur's
// match pace), so that results of different days compare.
inline constexpr int kPracticeAimSpeed = 112;

// The sessions of 121 offered, in targets; 10 is the usual one. Other sizes
// from 1 to kMaxCheckoutSession are played as asked.
inline constexpr int kCheckoutSessionSizes[] = {5, 10, 20};
inline constexpr int kDefaultCheckoutSession = 10;
inline constexpr int kMaxCheckoutSession = 100;

// A game as the player chose it. Made by the three functions below, so that
// a field the game does not use keeps its default and two equal choices
// compare equal.
struct PracticeChoice {
    PracticeGame game = PracticeGame::Clock;
    ClockVariant variant = ClockVariant::Any; // Around the Clock only
    int targets = kDefaultCheckoutSession;    // 121 only

    static PracticeChoice clock(ClockVariant variant);
    static PracticeChoice bobs27();
    // A size outside 1..kMaxCheckoutSession is brought to the nearest end.
    static PracticeChoice checkout121(int targets);

    bool operator==(const PracticeChoice&) const = default;
};

// The name kept in records and bests: "CLOCK/ANY", "CLOCK/DOUBLES",
// "CLOCK/TREBLES", "BOBS27", "121/10". Stored files keep these: never change
// one.
std::string practiceCode(const PracticeChoice& choice);

// The choice named by a stored code; nothing for a code this program did not
// write.
std::optional<PracticeChoice> practiceFromCode(std::string_view code);

// The name shown to the player: "AROUND THE CLOCK", "AROUND THE CLOCK -
// DOUBLES", "BOB'S 27", "121 CHECKOUT - 10 TARGETS".
std::string practiceName(const PracticeChoice& choice);

// Around the Clock counts darts, so the fewer the better; the others count
// points or targets.
bool lowerIsBetter(PracticeGame game);

// Whether a finished session's result beats the player's best so far (none
// yet: any result but a 121 session without a checkout is a first best).
bool isNewBest(const PracticeChoice& choice, int result, std::optional<int> best);

// A result in words: "47 darts", "412 points", "124", "no checkout".
std::string resultText(const PracticeChoice& choice, int result);

} // namespace vantorelle

#include "rules/practice/practice.h"

#include <algorithm>
#include <charconv>

namespace vantorelle {

namespace {

struct ClockCode {
    ClockVariant variant;
    const char* code;
    const char* name;
};

// clang-format off
constexpr ClockCode kClockCodes[] = {
    // variant,              stored code,     shown name
    {ClockVariant::Any,     "CLOCK/ANY",     "AROUND THE CLOCK"},
    {ClockVariant::Doubles, "CLOCK/DOUBLES", "AROUND THE CLOCK - DOUBLES"},
    {ClockVariant::Trebles, "CLOCK/TREBLES", "AROUND THE CLOCK - TREBLES"},
};
// clang-format on

const ClockCode& clockRow(ClockVariant variant)
{
    for (const ClockCode& c : kClockCodes)
        if (c.variant == variant)
            return c;
    return kClockCodes[0];
}

constexpr std::string_view kBobsCode = "BOBS27";
constexpr std::string_view kCheckoutPrefix = "121/";

} // namespace

PracticeChoice PracticeChoice::clock(ClockVariant variant)
{
    PracticeChoice c;
    c.game = PracticeGame::Clock;
    c.variant = variant;
    return c;
}

PracticeChoice PracticeChoice::bobs27()
{
    PracticeChoice c;
    c.game = PracticeGame::Bobs27;
    return c;
}

PracticeChoice PracticeChoice::checkout121(int targets)
{
    PracticeChoice c;
    c.game = PracticeGame::Checkout121;
    c.targets = std::clamp(targets, 1, kMaxCheckoutSession);
    return c;
}

std::string practiceCode(const PracticeChoice& choice)
{
    switch (choice.game) {
    case PracticeGame::Clock:
        return clockRow(choice.variant).code;
    case PracticeGame::Bobs27:
        return std::string(kBobsCode);
    case PracticeGame::Checkout121:
        break;
    }
    return std::string(kCheckoutPrefix) + std::to_string(choice.targets);
}

std::optional<PracticeChoice> practiceFromCode(std::string_view code)
{
    for (const ClockCode& c : kClockCodes)
        if (code == c.code)
            return PracticeChoice::clock(c.variant);
    if (code == kBobsCode)
        return PracticeChoice::bobs27();
    if (!code.starts_with(kCheckoutPrefix))
        return std::nullopt;
    const std::string_view digits = code.substr(kCheckoutPrefix.size());
    // Only the form practiceCode writes: plain digits, no sign or leading zero.
    if (digits.empty() || digits.front() < '1' || digits.front() > '9')
        return std::nullopt;
    int targets = 0;
    const auto [end, err] = std::from_chars(digits.data(), digits.data() + digits.size(), targets);
    if (err != std::errc() || end != digits.data() + digits.size() || targets > kMaxCheckoutSession)
        return std::nullopt;
    return PracticeChoice::checkout121(targets);
}

std::string practiceName(const PracticeChoice& choice)
{
    switch (choice.game) {
    case PracticeGame::Clock:
        return clockRow(choice.variant).name;
    case PracticeGame::Bobs27:
        return "BOB'S 27";
    case PracticeGame::Checkout121:
        break;
    }
    return "121 CHECKOUT - " + std::to_string(choice.targets) + (choice.targets == 1 ? " TARGET" : " TARGETS");
}

bool lowerIsBetter(PracticeGame game)
{
    return game == PracticeGame::Clock;
}

bool isNewBest(const PracticeChoice& choice, int result, std::optional<int> best)
{
    if (!best)
        return choice.game != PracticeGame::Checkout121 || result > 0;
    return lowerIsBetter(choice.game) ? result < *best : result > *best;
}

std::string resultText(const PracticeChoice& choice, int result)
{
    switch (choice.game) {
    case PracticeGame::Clock:
        return std::to_string(result) + (result == 1 ? " dart" : " darts");
    case PracticeGame::Bobs27:
        return std::to_string(result) + (result == 1 || result == -1 ? " point" : " points");
    case PracticeGame::Checkout121:
        break;
    }
    return result > 0 ? std::to_string(result) : "no checkout";
}

} // namespace vantorelle

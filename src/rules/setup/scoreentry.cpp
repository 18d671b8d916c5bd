#include "rules/setup/scoreentry.h"

#include <algorithm>
#include <array>
#include <optional>

namespace vantorelle {

namespace {

std::optional<int> wholeNumber(const std::string& text)
{
    std::size_t b = text.find_first_not_of(' ');
    const std::size_t e = text.find_last_not_of(' ');
    if (b == std::string::npos)
        return std::nullopt;
    bool negative = false;
    if (text[b] == '-' || text[b] == '+') {
        negative = text[b] == '-';
        ++b;
    }
    if (b > e)
        return std::nullopt;
    long v = 0;
    for (std::size_t i = b; i <= e; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        v = v * 10 + (text[i] - '0');
        if (v > 100000)
            v = 100000; // large enough to be refused by every range check
    }
    return static_cast<int>(negative ? -v : v);
}

// Totals one dart can make: a miss, singles 1..20 and 25, doubles, trebles, the bull.
struct Tables {
    std::array<bool, 181> any{}; // with up to three darts, by number of darts
    std::array<std::array<bool, 181>, 4> byDarts{};
    std::array<std::array<bool, 181>, 4> finishing{};
};

const Tables& tables()
{
    static const Tables t = [] {
        Tables t;
        std::array<bool, 61> one{};
        std::array<bool, 61> finisher{};
        one[0] = true;
        for (int n = 1; n <= 20; ++n) {
            one[static_cast<std::size_t>(n)] = one[static_cast<std::size_t>(2 * n)] =
                one[static_cast<std::size_t>(3 * n)] = true;
            finisher[static_cast<std::size_t>(2 * n)] = true;
        }
        one[25] = one[50] = true;
        finisher[50] = true;
        t.byDarts[0][0] = true;
        for (int k = 1; k <= 3; ++k)
            for (int total = 0; total <= 180; ++total)
                for (int v = 0; v <= 60 && v <= total; ++v) {
                    const auto rest = static_cast<std::size_t>(total - v);
                    if (one[static_cast<std::size_t>(v)] && t.byDarts[static_cast<std::size_t>(k - 1)][rest])
                        t.byDarts[static_cast<std::size_t>(k)][static_cast<std::size_t>(total)] = true;
                    if (finisher[static_cast<std::size_t>(v)] && t.byDarts[static_cast<std::size_t>(k - 1)][rest])
                        t.finishing[static_cast<std::size_t>(k)][static_cast<std::size_t>(total)] = true;
                }
        return t;
    }();
    return t;
}

} // namespace

bool reachable(int total, int darts, bool finishing)
{
    if (total < 0 || total > 180 || darts < 0 || darts > 3)
        return false;
    const auto& t = tables();
    return (finishing ? t.finishing : t.byDarts)[static_cast<std::size_t>(darts)][static_cast<std::size_t>(total)];
}

namespace {

// "No dart scores 61.", "No two darts score 121.", "No three darts finish 169 on a double."
std::string cannotMake(int darts, int score, bool finishing)
{
    static const char* const kDarts[] = {"No dart", "No dart", "No two darts", "No three darts"};
    const std::string who = kDarts[std::clamp(darts, 0, 3)];
    const char* verb = darts <= 1 ? (finishing ? " finishes " : " scores ") : (finishing ? " finish " : " score ");
    return who + verb + std::to_string(score) + (finishing ? " on a double." : ".");
}

} // namespace

ScoreCheck checkScoreEntry(const ScoreEntry& entry, int remaining)
{
    ScoreCheck c;
    const auto darts = wholeNumber(entry.darts);
    const auto score = wholeNumber(entry.score);
    const auto dbl = wholeNumber(entry.dartsAtDouble);
    auto refuse = [&c](ScoreField f, std::string why) {
        c.refuse = f;
        c.why = std::move(why);
        return c;
    };
    if (!darts)
        return refuse(ScoreField::Darts, "Type the darts thrown: 1, 2 or 3.");
    if (!score)
        return refuse(ScoreField::Score, "Type the score as a number.");
    if (!dbl)
        return refuse(ScoreField::Double, "Type the darts at a double as a number.");
    // A turn is one to three darts.
    if (*darts > 3 || *darts < 1)
        return refuse(ScoreField::Darts, "A turn is 1, 2 or 3 darts.");
    if (*dbl > 3)
        return refuse(ScoreField::Double, "A turn has at most 3 darts at a double.");
    if (*score < 0)
        return refuse(ScoreField::Score, "A score cannot be below 0.");
    if (*score > 180 || *score > 60 * *darts)
        return refuse(ScoreField::Score, cannotMake(*darts, *score, false));
    for (const char* impossible : {"172", "173", "175", "176", "178", "179"})
        if (entry.score == impossible)
            return refuse(ScoreField::Score, cannotMake(3, *score, false));
    if (*dbl < 0 || *dbl > *darts)
        return refuse(ScoreField::Double, "Darts at a double: 0 to " + std::to_string(*darts) + ".");
    if (*score == remaining - 1)
        return refuse(ScoreField::Score, "That would leave 1: a bust is entered as 0.");
    if (*score > remaining)
        return refuse(ScoreField::Score, "Only " + std::to_string(remaining) + " left: a bust is entered as 0.");
    c.checkout = *score == remaining;
    if (!reachable(*score, *darts, c.checkout))
        return refuse(ScoreField::Score, cannotMake(*darts, *score, c.checkout));
    if (c.checkout && *dbl <= 0)
        return refuse(ScoreField::Double, "A checkout needs a dart at a double.");
    c.darts = *darts;
    c.score = *score;
    c.dartsAtDouble = *dbl;
    return c;
}

} // namespace vantorelle

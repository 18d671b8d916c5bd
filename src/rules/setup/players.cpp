#include "rules/setup/players.h"

#include <cmath>

#include "rules/app/decimal.h"
#include "rules/app/utf8.h"

namespace vantorelle {

namespace {

std::string trimmed(const std::string& s)
{
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string::npos)
        return {};
    const auto e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

} // namespace

PlayersCheck checkPlayers(PlayersEntry& e)
{
    for (auto* name : {&e.name1, &e.name2})
        for (auto& c : *name)
            if (c == ',')
                c = ' ';

    PlayersCheck out;
    if (characterCount(e.name1) > 20 || characterCount(e.name2) > 20) {
        out.error = "Players names must be a maximum of 20 characters.";
        return out;
    }
    if (trimmed(e.name1).empty() || (e.secondShown && trimmed(e.name2).empty())) {
        out.error = "Players must have a name.";
        return out;
    }
    const auto ave = readDecimal(e.average);
    if (!ave || *ave < 30 || *ave > 100) {
        out.error = "Average must be between 30 and 100.";
        return out;
    }
    out.choice = PlayersChoice{trimmed(e.name1), e.secondShown ? trimmed(e.name2) : std::string(),
                               static_cast<int>(std::nearbyint(*ave))};
    return out;
}

} // namespace vantorelle

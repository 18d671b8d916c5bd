#include "rules/app/cheats.h"

#include <cctype>
#include <cstring>

namespace vantorelle {

Cheat applyCheat(const std::string& entry)
{
    const std::size_t n = std::strlen(kSpeedCode);
    if (entry.size() < n)
        return {};
    for (std::size_t i = 0; i < n; ++i)
        if (std::toupper(static_cast<unsigned char>(entry[i])) != kSpeedCode[i])
            return {};
    std::string rest = entry.substr(n);
    const auto b = rest.find_first_not_of(" \t");
    const auto e = rest.find_last_not_of(" \t");
    rest = b == std::string::npos ? std::string() : rest.substr(b, e - b + 1);
    bool digits = !rest.empty() && rest.size() <= 6;
    for (char c : rest)
        digits = digits && c >= '0' && c <= '9';
    if (digits) {
        const int v = std::stoi(rest);
        if (v >= 30 && v <= 150)
            return {Cheat::SpeedSet, v};
    }
    return {Cheat::SpeedRefused, 0};
}

} // namespace vantorelle

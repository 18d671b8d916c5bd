#include "rules/app/theme.h"

#include <cmath>

namespace vantorelle {

std::optional<Theme> themeFor(std::string_view code)
{
    for (const auto& t : kThemes)
        if (code == t.code)
            return t;
    return std::nullopt;
}

Rgb gradientStroke(Rgb colour, int k, int n)
{
    if (n <= 0)
        return colour;
    const int i = n - k;
    auto part = [&](int c) { return static_cast<int>(std::nearbyint(static_cast<double>(c) * i / n)); };
    return {part(colour.r), part(colour.g), part(colour.b)};
}

} // namespace vantorelle

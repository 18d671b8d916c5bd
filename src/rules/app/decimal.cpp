#include "rules/app/decimal.h"

#include <charconv>
#include <cmath>

namespace vantorelle {

std::optional<double> readDecimal(std::string_view text)
{
    const auto b = text.find_first_not_of(" \t");
    if (b == std::string_view::npos)
        return std::nullopt;
    text = text.substr(b, text.find_last_not_of(" \t") - b + 1);
    if (text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return std::nullopt; // one sign at most
    }
    double v = 0;
    const auto [end, err] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || err != std::errc() || end != text.data() + text.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace vantorelle

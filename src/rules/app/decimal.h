#pragma once

#include <optional>
#include <string_view>

namespace vantorelle {

// A decimal number typed by a person or set in the environment: spaces and
// tabs around it, an optional sign, and a point as the decimal mark whatever
// the desktop's language (as in the player editor and the files). Nothing
// else may follow; infinities and NaN are no numbers.
std::optional<double> readDecimal(std::string_view text);

} // namespace vantorelle

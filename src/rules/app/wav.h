#pragma once
#include <optional>
#include <string_view>

namespace vantorelle {

// Length in seconds of a RIFF/WAVE clip from its header and data chunk size;
// nullopt for anything that is not a readable PCM wave.
std::optional<double> wavDuration(std::string_view bytes);

} // namespace vantorelle

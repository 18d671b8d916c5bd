#include "rules/app/wav.h"

#include <cstdint>

namespace vantorelle {

static std::uint32_t le32(std::string_view b, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::optional<double> wavDuration(std::string_view b)
{
    if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "WAVE")
        return std::nullopt;
    std::uint32_t byteRate = 0;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string_view id = b.substr(at, 4);
        const std::uint32_t size = le32(b, at + 4);
        const std::size_t body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > b.size())
                return std::nullopt;
            byteRate = le32(b, body + 8);
        } else if (id == "data") {
            if (byteRate == 0)
                return std::nullopt;
            // A truncated file plays what it has.
            const std::size_t have = b.size() - body;
            const std::size_t bytes = size < have ? size : have;
            return static_cast<double>(bytes) / byteRate;
        }
        const std::size_t next = body + size + (size & 1u);
        if (next <= at || next > b.size())
            break;
        at = next;
    }
    return std::nullopt;
}

} // namespace vantorelle

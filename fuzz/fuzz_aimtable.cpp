// The computer's aiming table against any bytes: every code of the board is
// looked up without a crash, and a point found is one that was written.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "rules/match/board.h"

using namespace vantorelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const std::string& code : aimCodes()) {
        std::istringstream in(text);
        if (const auto p = findAimRecord(in, code)) {
            // The record's numbers are in the text (their digits: a sign or
            // leading zeros may stand before them).
            if (text.find(std::to_string(std::abs(p->x))) == std::string::npos ||
                text.find(std::to_string(std::abs(p->y))) == std::string::npos)
                std::abort();
        }
    }
    std::istringstream in(text);
    findAimRecord(in, "");
    return 0;
}

// The history window's rows and the load list against any bytes.
#include <cstdint>
#include <string>
#include <vector>

#include "rules/persistence/historyfile.h"

using namespace vantorelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    historyRows(text);
    std::vector<std::string> names;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i)
        if (i == text.size() || text[i] == '\n') {
            names.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    savedCareers(names);
    return 0;
}

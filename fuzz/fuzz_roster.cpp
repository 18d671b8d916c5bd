// The roster file reader against any bytes: a roster it accepts writes back
// to one it reads the same, and ranks, tags and lookups work on it.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "rules/career/points.h"
#include "rules/career/rankings.h"
#include "rules/career/roster.h"

using namespace vantorelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const RosterLoad loaded = readRoster(in);
    if (!loaded.ok())
        return 0;
    std::istringstream again(writeRoster(loaded.roster));
    const RosterLoad reread = readRoster(again);
    if (!reread.ok() || reread.roster.lines != loaded.roster.lines)
        std::abort();
    auto lines = loaded.roster.lines;
    SortPlayers(lines);
    const std::string name = rosterName(lines.front());
    GetRank(lines, name);
    GetRankLabel(lines, name);
    GetFlag(lines, name);
    WorldRankings(lines, loaded.roster.lines);
    return 0;
}

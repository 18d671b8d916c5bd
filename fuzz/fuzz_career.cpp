// The career file reader against any bytes: it never crashes, never reads
// past what it was given, and what it reads saves back to a file that reads
// the same again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "rules/career/calendar.h"
#include "rules/career/ladder.h"
#include "rules/career/tournament.h"
#include "rules/persistence/careerfile.h"

using namespace vantorelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const CareerLoad loaded = readCareerFile(text, "Ivo Vane");
    const std::string saved = careerFileText(loaded.state);
    if (careerFileText(readCareerFile(saved, "Ivo Vane").state) != saved)
        std::abort();
    // What the windows show of it straight after a load.
    Populate(loaded.state.roster, loaded.state.tournamentNo);
    const RostersState rosters = OpenRosters(loaded.state);
    for (char g : {'A', 'B', 'C', 'D'})
        DisplayGroup(loaded.state, rosters.strTournament, g);
    DisplayEliminator(loaded.state, rosters.strTournament);
    DisplayFinal32(loaded.state, rosters.strTournament);
    return 0;
}

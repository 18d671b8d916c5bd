#include "rules/career/structure.h"

#include "rules/career/calendar.h"

namespace vantorelle {

namespace {

constexpr const char* kStandardStructure =
    "160 players will enter this ranking event. Players ranked 1 through to 16 in the world will automatically "
    "be seeded in the final 32 of the competition. They will wait to meet the winners of an eliminator round between "
    "those ranked 17 to 32, and 16 qualifiers. The 16 qualifiers come from an initial knockout of 128 entrants.";

constexpr const char* kMastersStructure =
    "The players ranked 1 through to 128 in the world are invited to this ranking event; if you are ranked below "
    "128 you take the place of the player ranked 128. There is no seeding: the 128 entrants are drawn into four "
    "pools of 32, and the last 8 left in each pool go through to the final 32 of the competition. Every match is "
    "played over a single set, which grows longer as the final 32 goes on.";

constexpr const char* kChampionshipStructure =
    "152 players will enter this ranking event. Players ranked 1 through to 24 in the world will automatically be "
    "seeded in the final 32 of the competition. The top 8 will wait to meet 8 qualifiers, and those ranked 9 to 16 "
    "meet those ranked 17 to 24. The 8 qualifiers come from an initial knockout of 128 entrants, ranked 25 to 152, "
    "played in four groups of 32 that yield 2 qualifiers each; if you are ranked below 152 you take the place of the "
    "player ranked 152.";

// What each points scale pays, one finish a line.
constexpr const char* kStandardRanking = "RANKING POINTS\r\n"
                                         "Champion - 12 pts\r\n"
                                         "Runner-Up - 10 pts\r\n"
                                         "Semi-Finalists - 7 pts\r\n"
                                         "Quarter-Finalists - 4 pts\r\n"
                                         "2nd Round - 2 pts";

constexpr const char* kMastersRanking = "RANKING POINTS\r\n"
                                        "Champion - 14 pts\r\n"
                                        "Runner-Up - 12 pts\r\n"
                                        "Semi-Finalists - 9 pts\r\n"
                                        "Quarter-Finalists - 6 pts\r\n"
                                        "2nd Round - 3 pts\r\n"
                                        "1st Round - 1 pt";

constexpr const char* kWorldMastersRanking = "RANKING POINTS\r\n"
                                             "Champion - 16 pts\r\n"
                                             "Runner-Up - 13 pts\r\n"
                                             "Semi-Finalists - 10 pts\r\n"
                                             "Quarter-Finalists - 7 pts\r\n"
                                             "2nd Round - 3 pts\r\n"
                                             "1st Round - 1 pt";

constexpr const char* kWorldChampionshipRanking = "RANKING POINTS\r\n"
                                                  "Champion - 20 pts\r\n"
                                                  "Runner-Up - 16 pts\r\n"
                                                  "Semi-Finalists - 12 pts\r\n"
                                                  "Quarter-Finalists - 8 pts\r\n"
                                                  "2nd Round - 4 pts\r\n"
                                                  "1st Round - 2 pts";

} // namespace

StructureText structureFor(int tournamentNo)
{
    const Tournament* t = tournamentAt(tournamentNo);
    if (!t)
        return {};
    StructureText s{t->name, t->picture, {}, {}};
    switch (t->format) {
    case Format::Standard:
        s.structure = kStandardStructure;
        s.ranking = kStandardRanking;
        break;
    case Format::Masters:
        s.structure = kMastersStructure;
        s.ranking = kMastersRanking;
        break;
    case Format::Championship:
        s.structure = kChampionshipStructure;
        s.ranking = tournamentNo == 6 ? kWorldMastersRanking : kWorldChampionshipRanking;
        break;
    }
    return s;
}

} // namespace vantorelle

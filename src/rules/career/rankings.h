#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "rules/career/careerstate.h"
#include "rules/career/roster.h"

namespace vantorelle {

// The nationalities of the world, in the order the player editor offers
// them, with the flag picture of each (relative to the program folder).
struct Nationality {
    const char* code;
    const char* flag;
};
inline constexpr std::array<Nationality, 8> kNationalityFlags{{
    {"AUS", "flags/aus.gif"},
    {"CAN", "flags/can.gif"},
    {"ENG", "flags/eng.gif"},
    {"NED", "flags/ned.gif"},
    {"ROW", "flags/row.gif"},
    {"USA", "flags/usa.gif"},
    {"SCO", "flags/sco.gif"},
    {"WAL", "flags/wal.gif"},
}};

// The flag picture of a nationality code; empty for a code not in the table.
std::string flagPicture(std::string_view code);

// The world rank in the career roster (case-insensitive, last match wins); 0
// when the name is not there.
int GetCareerRank(const std::vector<std::string>& roster, std::string_view name);

// The tag beside a player's name at the start of a career match: "WAL (7)",
// or "ENG (-)" for a player without points; empty for a name not in the roster.
std::string GetRankLabel(const std::vector<std::string>& roster, std::string_view name);

// The flag picture of the player's nationality; empty when the name is not in
// the roster or the code is not one of the eight (the picture is cleared).
std::string GetFlag(const std::vector<std::string>& roster, std::string_view name);

// Re-ranks the roster in place: most points first; players level on points
// ordered by first name, second name, nationality and tournament fields, all
// descending and without regard to case. Every entry gets its new rank.
void SortPlayers(std::vector<std::string>& roster);

// The career roster of a new career: entries 1..159 of the roster file, and
// the career player at 160 with no points (the file's 160th player sits this
// career out). Always 160 entries; missing file entries stay empty.
std::vector<std::string> NewCareerRoster(const std::vector<std::string>& rosterLines, std::string_view firstName,
                                         std::string_view secondName, std::string_view nationality);

// Starts a new career in state: the career player's name, his roster and the
// roster file's header, how he plays, empty draws and zero totals. The class,
// match length and tournament chosen in the setup menu are kept as they are.
void NewCareer(CareerState& state, const RosterFile& file, std::string_view firstName, std::string_view secondName,
               std::string_view nationality, bool realBoard, int playerAverage);

} // namespace vantorelle

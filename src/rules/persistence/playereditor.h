#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle {

// The nationalities a player may have, in the order the editor lists them.
inline constexpr const char* kNationalities[] = {"AUS", "CAN", "ENG", "NED", "ROW", "USA", "SCO", "WAL"};
bool isNationality(std::string_view code);
// The code a nationality box holds, in capitals, when it is one of the eight
// in any letter case ("eng", " Wal "); nothing otherwise. Both editors read
// the box through it, for the flag and for what is saved.
std::optional<std::string> nationalityCode(std::string_view typed);
inline constexpr const char* kNationalityMessage =
    "Nationality must be one of AUS, CAN, ENG, NED, ROW, USA, SCO and WAL.";

// A name box keeps one word: every blank and comma typed disappears at once.
std::string nameBoxText(std::string_view typed);

// A career player's name ("First Second") is also the stem of his career and
// history files: names of letters and digits of any common script, '-', '\''
// and '.', each name starting with a letter, digit, '-' or '\'', one blank
// between them; and nothing a file system of Windows, macOS or Linux refuses.
bool isSafeFileStem(std::string_view name);

// What the player editor's boxes hold.
struct PlayerEntry {
    std::string firstName;
    std::string secondName;
    std::string nationality;
    bool realBoard = false;
    std::string average = "60"; // the average box; "60" while it is hidden
};

// The outcome of Save in career creation: the message of the first check
// that failed, or the career player's values.
struct NewCareerCheck {
    std::string error;
    std::string firstName; // trimmed
    std::string secondName;
    std::string nationality;
    std::string careerName; // "First Second"
    int playerAverage = 0;
    bool realBoard = false;
    bool ok() const { return error.empty(); }
};
NewCareerCheck checkNewCareerPlayer(const PlayerEntry& entry, const std::vector<std::string>& rosterLines);

// Editing the roster file: the shown entry with the boxes' names and
// nationality, its rank and points kept. An empty name or an unknown
// nationality is refused (the message), since every later career would
// start from the damaged line.
struct RosterEdit {
    std::string error;
    std::string line;
    bool ok() const { return error.empty(); }
};
RosterEdit editRosterEntry(const std::vector<std::string>& rosterLines, int index, const PlayerEntry& entry);

// The boxes as an entry of the roster shows them (first name, second name,
// nationality); empty boxes for an index outside the roster.
PlayerEntry shownEntry(const std::vector<std::string>& rosterLines, int index);

} // namespace vantorelle

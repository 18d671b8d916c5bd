#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/career/careerstate.h"

namespace vantorelle {

// How a tournament's draw is made (see draws.h).
enum class Format {
    Standard,     // qualifying groups, an eliminator, the top 16 seeded into the final 32
    Masters,      // the top 128 in four pools, the last 8 of each pool make the final 32
    Championship, // the top 24 seeded, 8 qualifiers from four groups
};

// The calendar: tournament n is TournamentNo n and field 4 + n of a roster line.
struct Tournament {
    const char* name;
    const char* theme;   // the main window's theme
    const char* picture; // under the program folder
    Format format;
};
inline constexpr int kTournaments = 12;
inline constexpr std::array<Tournament, kTournaments> kCalendar{{
    {"CANADIAN GRAND PRIX", "CO",  "flags/canadianopen.gif",      Format::Standard},
    {"US ALLCOMERS",        "UA",  "flags/usallcomers.gif",       Format::Standard},
    {"WORLD MATCHPLAY",     "WMp", "flags/worldmatchplay.gif",    Format::Masters},
    {"AUSTRALIAN OPEN",     "AO",  "flags/australianopen.gif",    Format::Standard},
    {"ASIAN MASTERS",       "AM",  "flags/asianmasters.gif",      Format::Standard},
    {"WORLD MASTERS",       "WM",  "flags/worldmasters.gif",      Format::Championship},
    {"DUTCH CLASSIC",       "DC",  "flags/dutchclassic.gif",      Format::Standard},
    {"EUROPEAN MASTERS",    "EM",  "flags/europeanmasters.gif",   Format::Standard},
    {"WORLD CUP",           "WC",  "flags/worldcup.gif",          Format::Masters},
    {"ENGLISH OPEN",        "EO",  "flags/englishopen.gif",       Format::Standard},
    {"BRITISH OPEN",        "BO",  "flags/britishopen.gif",       Format::Standard},
    {"WORLD CHAMPIONSHIP",  "WCh", "flags/worldchampionship.gif", Format::Championship},
}};

// Tournament n of the calendar, or nullptr outside 1..12.
const Tournament* tournamentAt(int n);
std::string tournamentName(int n); // empty outside 1..12
std::string themeCode(int n);      // empty outside 1..12: the theme stays as it is
Format tournamentFormat(int n);    // standard outside 1..12

// The calendar turns over after the twelfth tournament.
int nextTournament(int n);
// The tournament before n: the one just finished once the points are awarded.
int previousTournament(int n);

// Champions and runners-up, recognised by the points their finish earned.
struct CalendarRow {
    std::string champion; // "First Second", empty while nobody holds the points
    std::string championFlag;
    std::string runnerUp;
    std::string runnerUpFlag;
};
struct CalendarView {
    std::array<CalendarRow, kTournaments> rows; // row n - 1 for tournament n
    std::string next;                           // "NEXT TOURNAMENT ON CALENDAR: ..."
};
CalendarView Populate(const std::vector<std::string>& roster, int tournamentNo);

// Difficulty of the career: the class of the opponents and the speed of the
// aim circle go together.
struct Difficulty {
    int bytClass;
    int difficulty;
    int aimSpeed;
    const char* text;
};
inline constexpr std::array<Difficulty, 4> kDifficulties{{
    {1, 0, 104, "BEG"},
    {2, 1, 112, "AMA"},
    {3, 2, 120, "SEM"},
    {4, 3, 128, "PRO"},
}};
// The row of a class; any value but 1..3 plays as PRO.
const Difficulty& difficultyFor(int bytClass);
int lowerClass(int bytClass); // the "<" button: not below BEGINNER
int raiseClass(int bytClass); // the ">" button: not above PRO

inline constexpr std::array<const char*, 3> kLengthTexts{"SHO", "MED", "LON"};
std::string lengthText(int matchLength); // empty outside 1..3
int shorterLength(int matchLength);      // stops at SHORT
int longerLength(int matchLength);       // stops at LONG

inline constexpr int kLowestAverage = 30;
inline constexpr int kHighestAverage = 100;
int lowerAverage(int average);
int raiseAverage(int average);

// What the calendar's CONTINUE does to the career: every draw emptied for the
// coming tournament. Returns the theme of that tournament.
std::string StartTournament(CareerState& state);

// Whether a finished tournament waits to be booked: the final has a winner in
// slot 63 and no history line has been written for it yet.
bool tournamentAwaitsBooking(const CareerState& state);

// Books the finished tournament once: returns the history line to append (see
// historyfile.h) and marks slot 63 "NOSAVE" and starts the totals afresh; the
// caller appends the line and then saves the career. Nothing when there is
// nothing to book. date is today's date as the player's locale writes it.
std::optional<std::string> BookFinishedTournament(CareerState& state, std::string_view date);

} // namespace vantorelle

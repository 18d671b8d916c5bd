#include "rules/career/calendar.h"

#include <algorithm>

#include "rules/career/points.h"
#include "rules/career/rankings.h"
#include "rules/career/rosterrecord.h"
#include "rules/persistence/historyfile.h"

namespace vantorelle {

const Tournament* tournamentAt(int n)
{
    return n >= 1 && n <= kTournaments ? &kCalendar[static_cast<std::size_t>(n - 1)] : nullptr;
}

std::string tournamentName(int n)
{
    const Tournament* t = tournamentAt(n);
    return t ? t->name : "";
}

std::string themeCode(int n)
{
    const Tournament* t = tournamentAt(n);
    return t ? t->theme : "";
}

Format tournamentFormat(int n)
{
    const Tournament* t = tournamentAt(n);
    return t ? t->format : Format::Standard;
}

int nextTournament(int n)
{
    return n >= 1 && n < kTournaments ? n + 1 : 1;
}

int previousTournament(int n)
{
    return n > 1 && n <= kTournaments ? n - 1 : kTournaments;
}

CalendarView Populate(const std::vector<std::string>& roster, int tournamentNo)
{
    CalendarView view;
    // Each line is read once; for every tournament the last holder of its
    // champion's (runner-up's) points in roster order is the one shown.
    for (const auto& line : roster) {
        const RosterRecord r = RosterRecord::parse(line);
        for (int n = 1; n <= kTournaments; ++n) {
            const auto& won = r.field[static_cast<std::size_t>(RosterRecord::kTotal + n)];
            if (won.empty())
                continue;
            const int points = toNumber(won);
            CalendarRow& row = view.rows[static_cast<std::size_t>(n - 1)];
            if (points == rankingPoints(n, kCountChampion)) {
                row.champion = r.name();
                row.championFlag = flagPicture(r.field[3]);
            }
            if (points == rankingPoints(n, kCountRunnerUp)) {
                row.runnerUp = r.name();
                row.runnerUpFlag = flagPicture(r.field[3]);
            }
        }
    }
    view.next = "NEXT TOURNAMENT ON CALENDAR: " + tournamentName(tournamentNo);
    return view;
}

const Difficulty& difficultyFor(int bytClass)
{
    return bytClass >= 1 && bytClass <= 3 ? kDifficulties[static_cast<std::size_t>(bytClass - 1)] : kDifficulties[3];
}

// A class outside 1..4 plays as PRO, so the buttons step from there.
int lowerClass(int bytClass)
{
    return std::max(difficultyFor(bytClass).bytClass - 1, 1);
}

int raiseClass(int bytClass)
{
    return std::min(difficultyFor(bytClass).bytClass + 1, 4);
}

std::string lengthText(int matchLength)
{
    return matchLength >= 1 && matchLength <= 3 ? kLengthTexts[static_cast<std::size_t>(matchLength - 1)] : "";
}

int shorterLength(int matchLength)
{
    return matchLength > 1 ? std::min(matchLength, 4) - 1 : 1;
}

int longerLength(int matchLength)
{
    return matchLength < 3 ? std::max(matchLength, 0) + 1 : 3;
}

int lowerAverage(int average)
{
    return average > kLowestAverage ? average - 1 : average;
}

int raiseAverage(int average)
{
    return average < kHighestAverage ? average + 1 : average;
}

std::string StartTournament(CareerState& state)
{
    state.clearDraws();
    return themeCode(state.tournamentNo);
}

bool tournamentAwaitsBooking(const CareerState& state)
{
    const auto champion = trimSpaces(state.FinalDraw[63]);
    return !champion.empty() && champion != kNoSave;
}

std::optional<std::string> BookFinishedTournament(CareerState& state, std::string_view date)
{
    if (!tournamentAwaitsBooking(state))
        return std::nullopt;
    // The points were awarded when the final ended, which moved the calendar
    // on: the tournament to book is the one before the current.
    std::string line = SaveHistory(state, date, tournamentName(previousTournament(state.tournamentNo)));
    state.FinalDraw.set(63, std::string(kNoSave));
    state.totals = {};
    return line;
}

} // namespace vantorelle

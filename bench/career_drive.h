#pragma once
// Drives a career the way the calendar and draw windows do, without the
// windows: CONTINUE on the calendar, CONTINUE on the draw, the career
// player's own match decided at random, the finished tournament booked into
// the history. Every save goes through the game's own save path (SaveCareer,
// then the atomic saveTextFile), and only where the windows save.
#include <QDir>
#include <QString>
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

#include "platform/disk.h"
#include "rules/career/calendar.h"
#include "rules/career/draws.h"
#include "rules/career/rankings.h"
#include "rules/career/tournament.h"
#include "rules/match/rng.h"
#include "rules/persistence/careerfile.h"
#include "rules/persistence/historyfile.h"

namespace vantorelle::drive {

// An invented career player; one word each, as the editor asks.
inline constexpr const char* kFirstName = "Orsino";
inline constexpr const char* kSecondName = "Valbrecht";
inline constexpr const char* kCareerName = "Orsino Valbrecht";
// The booking date written into the history (any date the locale writes).
inline constexpr const char* kBookingDate = "14/03/2031";

inline std::string inFolder(const std::string& folder, const std::string& file)
{
    return QDir(QString::fromStdString(folder)).filePath(QString::fromStdString(file)).toStdString();
}

inline std::uint64_t fnv1a(const std::string& text)
{
    std::uint64_t h = 1469598103934665603ull;
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

inline std::string hex(std::uint64_t v)
{
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(v));
    return buf;
}

// A career in a data folder, moved on step by step.
class Driver {
public:
    // Called with the text just before it is written and after it is on disk.
    std::function<void(const std::string& text)> beforeSave;
    std::function<void(const std::string& text)> afterSave;

    Driver(std::string dataFolder, std::uint64_t seed) : m_folder(std::move(dataFolder)), m_rng(seed) {}

    CareerState& state() { return m_state; }
    const std::string& lastError() const { return m_error; }
    int saves() const { return m_saves; }
    int tournamentsFinished() const { return m_finished; }

    std::string careerPath() const { return inFolder(m_folder, careerFileName(kCareerName)); }
    std::string historyPath() const { return inFolder(m_folder, historyFileName(kCareerName)); }

    // A new career from the shipped roster, saved as the editor's Save does.
    bool startNew(const std::string& rosterPath, int bytClass, int matchLength)
    {
        std::ifstream in(rosterPath, std::ios::binary);
        const RosterLoad roster = readRoster(in);
        if (!roster.ok()) {
            m_error = "the roster cannot be read: " + rosterPath;
            return false;
        }
        m_state = {};
        m_state.bytClass = bytClass;
        m_state.matchLength = matchLength;
        m_state.tournamentNo = 1;
        NewCareer(m_state, roster.roster, kFirstName, kSecondName, "WAL", false, 60);
        m_atCalendar = true;
        return save();
    }

    // A loaded career, reopened where the Load command reopens it.
    void reopen(const CareerLoad& loaded)
    {
        m_state = loaded.state;
        m_stats = {};
        m_atCalendar = loaded.reopen != ReopenAt::Draw;
        if (!m_atCalendar)
            m_rosters = OpenRosters(m_state);
    }

    // One press of a button (or one end of a match). False when a save or the
    // history failed.
    bool step()
    {
        if (m_atCalendar) {
            if (tournamentAwaitsBooking(m_state))
                return book();
            StartTournament(m_state);
            BuildDraw(m_state, m_rng);
            m_rosters = OpenRosters(m_state);
            m_atCalendar = false;
            return true;
        }
        DrawStep s = ContinueDraw(m_state, m_rosters, false, m_rng);
        if (s.careerMatch) {
            if (!apply(s))
                return false;
            // The match on the board: its winner and player 1's counters.
            const bool won = m_rng.pick(2) == 0;
            const int darts = m_rng.pick(60, 30);
            m_stats[1] = darts;
            m_stats[2] = darts * m_rng.pick(14, 12);
            m_stats[3] = m_rng.pick(10, 3);
            m_stats[4] = m_rng.pick(3, 1);
            m_rosters.strWinner = won ? s.careerMatch->player1 : s.careerMatch->player2;
            s = HumanMatchTick(m_state, m_rosters, false);
        }
        return apply(s);
    }

private:
    bool apply(const DrawStep& s)
    {
        if (s.saveCareer && !save())
            return false;
        if (s.end) {
            ++m_finished;
            m_atCalendar = true; // the ranking points, then the calendar books it
        }
        return true;
    }

    // The calendar's booking: the history line first, then the career.
    bool book()
    {
        const std::string champion = m_state.FinalDraw[63];
        const TournamentTotals totals = m_state.totals;
        const auto line = BookFinishedTournament(m_state, kBookingDate);
        if (!line)
            return true;
        const auto text = historyWithBooking(readTextFile(historyPath()).value_or(std::string()), *line);
        if (!text)
            return save(); // booked before the career could save itself, as the game does
        if (!saveTextFile(historyPath(), *text, &m_error)) {
            m_state.FinalDraw.set(63, champion);
            m_state.totals = totals;
            return false;
        }
        return save();
    }

    bool save()
    {
        const std::string text = SaveCareer(m_state, m_stats);
        if (beforeSave)
            beforeSave(text);
        if (!saveTextFile(careerPath(), text, &m_error))
            return false;
        ++m_saves;
        if (afterSave)
            afterSave(text);
        return true;
    }

    std::string m_folder;
    Rng m_rng;
    CareerState m_state;
    RostersState m_rosters;
    std::array<int, 8> m_stats{};
    bool m_atCalendar = true;
    int m_saves = 0;
    int m_finished = 0;
    std::string m_error;
};

} // namespace vantorelle::drive

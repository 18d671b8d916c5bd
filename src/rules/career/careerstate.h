#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace vantorelle {

// A fixed list of draw slots numbered 1..N, as the draw windows and the
// career file number them. A slot outside 1..N reads as empty and takes no
// write, so a damaged file or a stray index can never reach past the list.
template <std::size_t N>
class DrawList {
public:
    static constexpr int kSize = static_cast<int>(N);

    const std::string& operator[](int slot) const
    {
        static const std::string kEmpty;
        return valid(slot) ? m_slots[static_cast<std::size_t>(slot - 1)] : kEmpty;
    }
    void set(int slot, std::string name)
    {
        if (valid(slot))
            m_slots[static_cast<std::size_t>(slot - 1)] = std::move(name);
    }
    void clear()
    {
        for (auto& s : m_slots)
            s.clear();
    }
    // Exchanges two slots without copying the names; out-of-range slots stay put.
    void swap(int a, int b)
    {
        if (valid(a) && valid(b))
            std::swap(m_slots[static_cast<std::size_t>(a - 1)], m_slots[static_cast<std::size_t>(b - 1)]);
    }
    static constexpr bool valid(int slot) { return slot >= 1 && slot <= kSize; }

    bool operator==(const DrawList&) const = default;

private:
    std::array<std::string, N> m_slots{};
};

// The career player's running totals of the tournament in progress.
struct TournamentTotals {
    int points = 0;
    int darts = 0;
    int doubleDarts = 0;
    int doublesHit = 0;
    bool operator==(const TournamentTotals&) const = default;
};

// Everything a career keeps between matches; the career file holds exactly this.
struct CareerState {
    std::string careerName; // "First Second"; also the stem of the .car and .his files
    bool realBoard = false; // the career player throws at a real board
    int playerAverage = 0;  // his stated three-dart average
    int bytClass = 1;       // 1 BEGINNER .. 4 PRO
    int matchLength = 0;    // 1 SHORT, 2 MEDIUM, 3 LONG
    int tournamentNo = 0;   // 1..12 on the calendar
    TournamentTotals totals;

    std::string statsHeader1; // the roster file's header, carried through unchanged
    std::string statsHeader2;
    std::vector<std::string> roster; // Roster(1..160) at index 0..159; empty when no career is loaded

    DrawList<248> QualifyingDraw;
    DrawList<48> EliminatorDraw;
    DrawList<63> FinalDraw;

    void clearDraws()
    {
        QualifyingDraw.clear();
        EliminatorDraw.clear();
        FinalDraw.clear();
    }
};

} // namespace vantorelle

#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "rules/app/settings.h"
#include "rules/career/careerstate.h"
#include "rules/career/roster.h"
#include "rules/match/boardview.h"
#include "rules/match/matchhost.h"
#include "rules/match/matchstate.h"
#include "rules/match/rng.h"
#include "rules/practice/practice.h"

namespace vantorelle {

// What the window must do after a caption of the setup panel was acted on.
enum class SetupNext {
    Nothing,      // a blank option, or a page turned
    GetPlayers,   // show the player selection for NumberOfPlayers humans
    StartX01,     // names are set: start the match
    StartCricket, // names are set: start Cricket
    CareerEditor, // a career's values are set: create the career player
    StartPractice, // the player's name is set: start the practice game chosen
};

// Puts the setup panel's captions on their first page.
void setupFirstPage(BoardView& view);

// What follows an exhibition match: its closing line in the overlay, then the
// setup panel on its first page.
void ExhibitionOver(const MatchResult& result, BoardView& view, MatchHost& host,
                    const std::function<bool()>& stillNext = {});

// The setup panel: a heading and four options whose captions change page by
// page. What a click does depends only on the caption clicked.
class SetupMenu {
public:
    SetupMenu(MatchState& match, BoardView& view, CareerState& career, const Settings& settings,
              const RosterFile& roster, Rng& rng)
        : m_match(match), m_view(view), m_career(career), m_settings(settings), m_roster(roster), m_rng(rng)
    {
    }

    // "SELECT GAME TYPE": blank, EXHIBITION, CAREER, PRACTICE.
    void firstPage();
    bool onFirstPage() const { return m_view.setupHeading == "SELECT GAME TYPE"; }

    // Acts on option 1..4 as it reads now. message receives the game message
    // for the other machine, when there is one.
    SetupNext click(int option, std::string* message = nullptr);

    // Asked to apply a look ("AllBlack" when an exhibition is chosen).
    std::function<void(const std::string& theme)> changeTheme;

    // After the player selection: on to the leg length, or to the practice
    // game chosen (StartPractice), or back to the first page when it was
    // cancelled (no first player's name).
    SetupNext playersChosen();

    // The practice game chosen on the panel, once its last choice is made.
    const std::optional<PracticeChoice>& practiceChoice() const { return m_practice; }
    void forgetPractice() { m_practice.reset(); }

private:
    void page(const char* heading, const char* o1, const char* o2, const char* o3, const char* o4);
    SetupNext chooseClass(int k);
    SetupNext choosePractice(const PracticeChoice& choice);

    MatchState& m_match;
    BoardView& m_view;
    CareerState& m_career;
    const Settings& m_settings;
    const RosterFile& m_roster;
    Rng& m_rng;
    std::optional<PracticeChoice> m_practice;
};

} // namespace vantorelle

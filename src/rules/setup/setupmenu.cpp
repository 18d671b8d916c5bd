#include "rules/setup/setupmenu.h"

#include "rules/career/roster.h"
#include "rules/opponent/computer.h"

namespace vantorelle {

namespace {
// nullptr leaves an option as it is.
constexpr const char* kKeep = nullptr;
} // namespace

void SetupMenu::page(const char* heading, const char* o1, const char* o2, const char* o3, const char* o4)
{
    m_view.setupHeading = heading;
    const char* options[] = {o1, o2, o3, o4};
    for (std::size_t i = 0; i < 4; ++i)
        if (options[i])
            m_view.setupOption[i + 1] = options[i];
}

void setupFirstPage(BoardView& view)
{
    view.setupHeading = "SELECT GAME TYPE";
    view.setupOption = {"", "", "EXHIBITION", "CAREER", "PRACTICE"};
}

void ExhibitionOver(const MatchResult& result, BoardView& view, MatchHost& host, const std::function<bool()>& stillNext)
{
    host.showInfo(result.announcement);
    // While the overlay was up another setup may have begun (a challenge
    // from the other machine, New): it keeps its panel.
    if (stillNext && !stillNext())
        return;
    setupFirstPage(view);
    view.setupVisible = true;
    host.showSetupMenu();
}

void SetupMenu::firstPage()
{
    m_practice.reset();
    setupFirstPage(m_view);
}

SetupNext SetupMenu::playersChosen()
{
    if (m_career.careerName.empty()) {
        firstPage();
        return SetupNext::Nothing;
    }
    if (m_practice) {
        m_match.player(1).name = upperCase(m_career.careerName);
        m_view.setupVisible = false;
        return SetupNext::StartPractice;
    }
    page("LEG LENGTH", "301", "501", "1001", m_settings.cricketUnlocked ? "CRICKET" : kKeep);
    return SetupNext::Nothing;
}

SetupNext SetupMenu::choosePractice(const PracticeChoice& choice)
{
    m_practice = choice;
    m_match.numberOfPlayers = 1;
    return SetupNext::GetPlayers;
}

SetupNext SetupMenu::chooseClass(int k)
{
    m_match.difficulty = k - 1;
    m_match.aimSpeed = 96 + 8 * k;
    m_match.bytClass = k;
    if (m_match.bytGameType == 2) {
        m_career.bytClass = k;
        return SetupNext::CareerEditor;
    }
    m_match.blnStopped = false;
    m_view.setupVisible = false;
    m_match.player(1).name = upperCase(m_career.careerName);
    if (!m_match.networkGame && m_match.numberOfPlayers == 1)
        m_match.player(2).name = upperCase(GetOpponent(m_roster.lines, k, false, m_rng));
    else
        m_match.player(2).name = upperCase(m_match.player2Name);
    return SetupNext::StartX01;
}

SetupNext SetupMenu::click(int option, std::string* message)
{
    if (option < 1 || option > 4)
        return SetupNext::Nothing;
    const std::string caption = m_view.setupOption[static_cast<std::size_t>(option)];
    auto say = [&](const char* text) {
        if (message)
            *message = text;
    };

    if (caption == "EXHIBITION") {
        m_practice.reset();
        if (changeTheme)
            changeTheme("AllBlack");
        m_view.flag = {};
        m_match.bytGameType = 1;
        m_match.bytLegsToWin = 3;
        page("SELECT NO. OF PLAYERS", "", "ONE PLAYER", "TWO PLAYER", "");
    } else if (caption == "CAREER") {
        m_practice.reset();
        m_match.numberOfPlayers = 1;
        m_match.bytGameType = 2;
        m_match.intStartScore = 501;
        page("MATCH LENGTH", "SHORT", "MEDIUM", "LONG", "");
    } else if (caption == "PRACTICE") {
        // A practice game is played alone, in the exhibition's dark look
        // under a logo of its own.
        m_practice.reset();
        if (changeTheme)
            changeTheme("Practice");
        m_view.flag = {};
        m_match.bytGameType = 1;
        page("PRACTICE GAME", "", "AROUND THE CLOCK", "BOB'S 27", "121 CHECKOUT");
    } else if (caption == "AROUND THE CLOCK") {
        page("AROUND THE CLOCK", "", "ANY BED", "DOUBLES", "TREBLES");
    } else if (caption == "ANY BED" || caption == "DOUBLES" || caption == "TREBLES") {
        return choosePractice(PracticeChoice::clock(caption == "ANY BED"   ? ClockVariant::Any
                                                    : caption == "DOUBLES" ? ClockVariant::Doubles
                                                                           : ClockVariant::Trebles));
    } else if (caption == "BOB'S 27") {
        return choosePractice(PracticeChoice::bobs27());
    } else if (caption == "121 CHECKOUT") {
        page("NO. OF TARGETS", "", "5 TARGETS", "10 TARGETS", "20 TARGETS");
    } else if (caption == "5 TARGETS" || caption == "10 TARGETS" || caption == "20 TARGETS") {
        return choosePractice(PracticeChoice::checkout121(std::stoi(caption)));
    } else if (caption == "ONE PLAYER" || caption == "TWO PLAYER") {
        m_match.numberOfPlayers = caption == "ONE PLAYER" ? 1 : 2;
        return SetupNext::GetPlayers;
    } else if (caption == "301" || caption == "501" || caption == "1001") {
        m_match.intStartScore = std::stoi(caption);
        say(caption == "301" ? "$ZEKO$G301" : caption == "501" ? "$ZEKO$G501" : "$ZEKO$G1001");
        page("MATCH LENGTH", "FIRST TO ONE", "FIRST TO TWO", "FIRST TO THREE", "");
    } else if (caption == "FIRST TO ONE" || caption == "FIRST TO TWO" || caption == "FIRST TO THREE") {
        const int sets = caption == "FIRST TO ONE" ? 1 : caption == "FIRST TO TWO" ? 2 : 3;
        m_match.bytSetstoWin = sets;
        say(sets == 1 ? "$ZEKO$G1" : sets == 2 ? "$ZEKO$G2" : "$ZEKO$G3");
        page(sets == 1 ? "DIFFICULTY" : "OPPONENT CLASS", "BEGINNER", "AMATEUR", "SEMI-PRO", "PRO");
    } else if (caption == "SHORT" || caption == "MEDIUM" || caption == "LONG") {
        m_career.tournamentNo = 1;
        m_career.matchLength = caption == "SHORT" ? 1 : caption == "MEDIUM" ? 2 : 3;
        page("DIFFICULTY", "BEGINNER", "AMATEUR", "SEMI-PRO", "PRO");
    } else if (caption == "BEGINNER") {
        say("$ZEKO$GL");
        return chooseClass(1);
    } else if (caption == "AMATEUR") {
        say("$ZEKO$GR");
        return chooseClass(2);
    } else if (caption == "SEMI-PRO") {
        say("$ZEKO$GN");
        return chooseClass(3);
    } else if (caption == "PRO") {
        say("$ZEKO$GG");
        return chooseClass(4);
    } else if (caption == "CRICKET") {
        say("$ZEKO$GCRICKET");
        const SetupNext next = chooseClass(4);
        return next == SetupNext::StartX01 ? SetupNext::StartCricket : next;
    }
    return SetupNext::Nothing;
}

} // namespace vantorelle

#include <gtest/gtest.h>

#include "career/careerdata.h"
#include "rules/persistence/historyfile.h"

using namespace vantorelle;

TEST(HistoryFile, OneLineOfSevenFieldsByTheStageReached)
{
    CareerState s = vantorelle::testing::newCareer(7);
    s.totals = {1500, 60, 10, 2};
    EXPECT_EQ(SaveHistory(s, "12/06/2004", "WORLD MASTERS"), "12/06/2004,WORLD MASTERS,DNQ,1500,60,10,2\r\n");

    const char* words[] = {"ROUND 1", "ROUND 2", "QUARTER FINALIST", "SEMI-FINALIST", "RUNNER-UP", "CHAMPION"};
    const int path[] = {3, 34, 50, 58, 61, 63}; // his slots, round by round
    for (int stage = 1; stage <= 6; ++stage) {
        s.FinalDraw.set(path[stage - 1], stage % 2 ? "IVO QUILLFEATHER" : "Ivo Quillfeather");
        EXPECT_EQ(GetSplit(SaveHistory(s, "d", "T"), 2), words[stage - 1]);
    }
    EXPECT_EQ(resultWord(7), "");
    EXPECT_EQ(resultWord(-1), "");

    // A date written with a comma would shift every field after it.
    s.totals = {};
    EXPECT_EQ(SaveHistory(s, "6 Dec, 2004", "DUTCH CLASSIC"), "6 Dec  2004,DUTCH CLASSIC,CHAMPION,0,0,0,0\r\n");
    EXPECT_EQ(historyFileName("Ivo Quillfeather"), "Ivo Quillfeather.his");
}

TEST(HistoryFile, ABookingAlreadyAtTheEndIsKnownWhateverItsDate)
{
    const std::string booked = "07/12/2026,CANADIAN GRAND PRIX,WINNER,4521,90,12,6\r\n";
    const std::string history = "01/12/2026,WORLD CHAMPIONSHIP,SEMI-FINALIST,3002,75,9,3\r\n" + booked;
    EXPECT_TRUE(endsWithBooking(history, booked));
    EXPECT_TRUE(endsWithBooking(history + "\r\n\r\n", "09/12/2026,CANADIAN GRAND PRIX,WINNER,4521,90,12,6\r\n"));
    EXPECT_TRUE(endsWithBooking(booked.substr(0, booked.size() - 2), booked)); // no line break at the end
    // Another tournament, another result or other totals are a new booking.
    EXPECT_FALSE(endsWithBooking(history, "07/12/2026,US ALLCOMERS,WINNER,4521,90,12,6\r\n"));
    EXPECT_FALSE(endsWithBooking(history, "07/12/2026,CANADIAN GRAND PRIX,WINNER,4521,91,12,6\r\n"));
    EXPECT_FALSE(endsWithBooking("", booked));
    EXPECT_FALSE(endsWithBooking(history, ""));
    EXPECT_FALSE(endsWithBooking("garbage", "garbage"));
    // Appended on a line of its own, once.
    EXPECT_FALSE(historyWithBooking(history, booked));
    EXPECT_EQ(historyWithBooking("", booked), booked);
    EXPECT_EQ(historyWithBooking(history.substr(0, history.size() - 2), "x,US ALLCOMERS\r\n"),
              history + "x,US ALLCOMERS\r\n");
}

// Cricket is the prize of the World Championship: a career shows the win in
// its history, or, saved between the final and its booking, in its draw.
TEST(HistoryFile, AWorldChampionshipWonIsReadFromTheHistoryOrFromTheDrawNotYetBooked)
{
    CareerState s = vantorelle::testing::newCareer(1);
    const std::string won = "12/06/2004,WORLD CHAMPIONSHIP,CHAMPION,1500,60,10,2\r\n";
    EXPECT_FALSE(wonWorldChampionship(s, ""));
    EXPECT_TRUE(wonWorldChampionship(s, "1/1/04,CANADIAN GRAND PRIX,DNQ,0,0,0,0\r\n" + won));
    EXPECT_TRUE(wonWorldChampionship(s, "1/1/04,X,DNQ,0,0,0,0\n\n 3.1.04 , WORLD CHAMPIONSHIP , CHAMPION ,0,0,0,0"));
    for (const char* other : {"12/06/2004,WORLD CHAMPIONSHIP,RUNNER-UP,0,0,0,0",
                              "12/06/2004,WORLD MASTERS,CHAMPION,0,0,0,0", "WORLD CHAMPIONSHIP,CHAMPION", "garbage"})
        EXPECT_FALSE(wonWorldChampionship(s, other)) << other;

    // Saved after the final: the champion in slot 63, the points paid and the
    // calendar moved on to its first tournament.
    s.FinalDraw.set(61, "IVO QUILLFEATHER");
    s.FinalDraw.set(62, "P2 Player");
    s.FinalDraw.set(63, "IVO QUILLFEATHER");
    s.tournamentNo = 1;
    EXPECT_TRUE(wonWorldChampionship(s, ""));
    // Tournament 11's final, not yet booked, looks the same but for the calendar.
    s.tournamentNo = 12;
    EXPECT_FALSE(wonWorldChampionship(s, ""));
    s.tournamentNo = 1;
    s.FinalDraw.set(63, "P2 Player");
    EXPECT_FALSE(wonWorldChampionship(s, ""));
    // Once booked, the history tells.
    s.FinalDraw.set(63, "NOSAVE");
    EXPECT_FALSE(wonWorldChampionship(s, ""));
    s.careerName.clear();
    EXPECT_FALSE(wonWorldChampionship(s, won)) << "no career, no win";
}

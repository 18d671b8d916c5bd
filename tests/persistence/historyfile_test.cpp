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

#include <gtest/gtest.h>

#include "rules/network/protocol.h"

using namespace vantorelle;

TEST(GameMessages, ThrowsReadBackAsSentAndAnythingElseIsNothing)
{
    EXPECT_EQ(throwMessage(2580, 1425, "T20", false), "$ZEKO$TX2580Y1425ST20F");
    for (const auto& [x, y, bed, out] : {std::tuple{2580, 1425, "T20", false}, std::tuple{-40, 5190, "000", true},
                                         std::tuple{-32768, 32767, "S50", false}}) {
        const auto m = readGameMessage(throwMessage(x, y, bed, out));
        ASSERT_TRUE(m) << x;
        EXPECT_EQ(m->kind, GameMessage::Kind::Throw);
        EXPECT_EQ(m->x, x);
        EXPECT_EQ(m->y, y);
        EXPECT_EQ(m->bed, bed);
        EXPECT_EQ(m->bounceOut, out);
    }
    for (const char* bad : {"$ZEKO$TX2580Y1425SD25F", "$ZEKO$TX2580Y1425ST20Q", "$ZEKO$TX40000Y1ST20F",
                            "$ZEKO$TX1Y-40000ST20F", "$ZEKO$TX1Z2ST20F", "$ZEKO$TXaY2ST20F", "$ZEKO$TX1Y2T20FF",
                            "$ZEKO$T", "$ZEKO$TX1Y2S", "$ZEKO$TX Y ST20F", "$ZEKO$TX1Y2ST20", "$ZEKO$X", "$ZEKO",
                            "hello", "", "$ZEKO$C$ZEKO$P", "$ZEKO$Cnobody"})
        EXPECT_FALSE(readGameMessage(bad)) << bad;
}

TEST(GameMessages, ChallengesOptionsQuitsAndRefusals)
{
    const std::string c = challengeMessage("Tomas Vell", "Nia Quarrell");
    EXPECT_EQ(c, "$ZEKO$CTomas Vell$ZEKO$PNia Quarrell");
    ASSERT_TRUE(readGameMessage(c));
    EXPECT_EQ(readGameMessage(c)->kind, GameMessage::Kind::Challenge);
    EXPECT_EQ(readGameMessage(c)->challenger, "Nia Quarrell");
    EXPECT_EQ(readGameMessage(quitMessage())->kind, GameMessage::Kind::Quit);
    EXPECT_EQ(readGameMessage(cricketRefusedMessage())->kind, GameMessage::Kind::CricketRefused);
    ASSERT_TRUE(readGameMessage(optionMessage("CRICKET")));
    EXPECT_EQ(readGameMessage(optionMessage("CRICKET"))->option, "CRICKET");
    const std::pair<const char*, int> buttons[] = {{"301", 1}, {"501", 2}, {"1001", 3}, {"CRICKET", 4}, {"1", 1},
                                                   {"2", 2},   {"3", 3},   {"L", 1},    {"R", 2},       {"N", 3},
                                                   {"G", 4},   {"4", 0},   {"", 0},     {"cricket", 0}};
    for (const auto& [option, button] : buttons)
        EXPECT_EQ(optionButton(option), button) << option;
}

TEST(GameMessages, ABusyAnswerAndAChallengerNameNoLongerThanANameBox)
{
    EXPECT_EQ(busyMessage(), "$ZEKO$B");
    EXPECT_EQ(readGameMessage(busyMessage())->kind, GameMessage::Kind::Busy);
    // A challenger's name of 100 letters arrives cut to the 30 a name box
    // holds, between characters, however it is written.
    const auto m = readGameMessage(challengeMessage("Nia", std::string(100, 'x')));
    ASSERT_TRUE(m);
    EXPECT_EQ(m->challenger, std::string(30, 'x'));
    std::string greek;
    for (int i = 0; i < 40; ++i)
        greek += "\xCE\xA9"; // Ω, two bytes each
    EXPECT_EQ(readGameMessage(challengeMessage("Nia", greek))->challenger, greek.substr(0, 60));
}

TEST(Chat, LinesNamesAndWhatIsSent)
{
    EXPECT_TRUE(chatLines("Nia", "").empty());
    EXPECT_EQ(chatLines("Nia", "Good darts"), std::vector<std::string>{"   Nia Good darts"});
    const auto lines = chatLines("Augustina", std::string(40, 'a'));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "August " + std::string(32, 'a'));
    EXPECT_EQ(lines[1], "August " + std::string(8, 'a'));
    // Names and slices count characters, not bytes, and never split one.
    EXPECT_EQ(chatLines("Zoë", "é")[0], "   Zoë é");
    std::string accents;
    for (int i = 0; i < 33; ++i)
        accents += "é";
    const auto cut = chatLines("Jérômeau", accents);
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[0].substr(0, 9), "Jérôme ");
    EXPECT_EQ(cut[1], "Jérôme é");

    EXPECT_EQ(outgoingChat("pi is 3141592653 or so"), "pi is  or so");
    EXPECT_EQ(outgoingChat("$ZEKO$Q"), " $ZEKO$Q"); // typed, it is chat, not a quit
    EXPECT_FALSE(readGameMessage(outgoingChat("$ZEKO$TX1Y2ST20F")));

    EXPECT_EQ(opponentIn({"Nia", "Tomas"}, "Nia"), "Tomas");
    EXPECT_EQ(opponentIn({"Nia", "Tomas"}, "Tomas"), "Nia");
    EXPECT_EQ(opponentIn({"Nia"}, "Nia"), "");
}

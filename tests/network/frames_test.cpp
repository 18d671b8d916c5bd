#include <gtest/gtest.h>

#include "rules/network/frames.h"

using namespace vantorelle;

TEST(Frames, CutFromAStreamInAnyPieces)
{
    const std::string stream = frame(helloPayload("Nia")) + frame(messagePayload(0, "$ZEKO$Q")) + frame("");
    for (std::size_t piece : {1u, 3u, 7u, 1000u}) {
        FrameReader r;
        for (std::size_t at = 0; at < stream.size(); at += piece)
            r.feed(std::string_view(stream).substr(at, piece));
        auto a = r.next(), b = r.next(), c = r.next();
        ASSERT_TRUE(a && b && c) << piece;
        EXPECT_EQ(readHello(*a), "Nia");
        ASSERT_TRUE(readMessage(*b));
        EXPECT_EQ(readMessage(*b)->kind, 0);
        EXPECT_EQ(readMessage(*b)->text, "$ZEKO$Q");
        EXPECT_EQ(*c, "");
        EXPECT_FALSE(r.next());
    }
    // A frame past the limit is neither sent nor taken: the stream is broken.
    EXPECT_EQ(frame(std::string(kMaxFrame + 1, 'x')), "");
    EXPECT_EQ(frame(std::string(kMaxFrame, 'x')).size(), kMaxFrame + 4);
    FrameReader r;
    r.feed(std::string("\x00\x01\x00\x01", 4));
    EXPECT_TRUE(r.broken());
    r.feed(frame("late"));
    EXPECT_FALSE(r.next());
}

TEST(Frames, OnlyThisProgramsHelloOpensASession)
{
    EXPECT_EQ(readHello(helloPayload("Tomas\r\nVell")), "Tomas  Vell");
    EXPECT_FALSE(readHello("Hother-program\t1\tNia"));
    EXPECT_FALSE(readHello("H" + std::string(kAppIdentifier) + "\t1\tNia")); // an older program
    EXPECT_FALSE(readHello("H" + std::string(kAppIdentifier) + "\t3\tNia"));
    EXPECT_FALSE(readHello("H" + std::string(kAppIdentifier) + "\t" + std::to_string(kProtocolVersion) + "\t   "));
    EXPECT_FALSE(readHello(messagePayload(0, "hi")));
    EXPECT_FALSE(readMessage("M\x00\x00"));
    EXPECT_EQ(readMessage(messagePayload(5, ""))->kind, 5);
    // A name is cut to a name box's length between characters, never inside one.
    std::string cyrillic;
    for (int i = 0; i < 40; ++i)
        cyrillic += "\xD0\x96"; // Ж
    EXPECT_EQ(readHello(helloPayload(cyrillic)), cyrillic.substr(0, 60));
    // The keep-alive and the goodbye are neither hellos nor messages.
    EXPECT_FALSE(readHello(keepAlivePayload()));
    EXPECT_FALSE(readMessage(keepAlivePayload()));
    EXPECT_TRUE(isByePayload(byePayload()));
    EXPECT_FALSE(readMessage(byePayload()));
}

TEST(Sessions, AnswersAndTheirListLine)
{
    const SessionAnswer a{"127.0.0.1", 1, 2, 45123};
    const auto read = readSessionAnswer(sessionAnswer(a));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->port, 45123);
    EXPECT_EQ(sessionLine(*read), "127.0.0.1 (1/2)");
    for (const char* bad : {"VANTORELLE! 1\t0\t1\t2\tx", "VANTORELLE! 1\t99999\t1\t2\tx", "VANTORELLE! 1\t80\t3\t2\tx",
                            "VANTORELLE! 2\t80\t1\t2\tx", "VANTORELLE! 1\t80\t1", "hello"})
        EXPECT_FALSE(readSessionAnswer(bad)) << bad;
}

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "rules/match/bed.h"
#include "rules/match/board.h"
#include "rules/match/flight.h"

using namespace vantorelle;

namespace {

// A point at distance r and angle theta (degrees clockwise from up), rounded to units.
Point polar(double r, double theta)
{
    const double a = theta * 3.14159265358979 / 180;
    return {static_cast<int>(std::lround(board::kCentreX + r * std::sin(a))),
            static_cast<int>(std::lround(board::kCentreY - r * std::cos(a)))};
}

std::string score(int x, int y, bool realBoard = false, std::uint64_t seed = 1)
{
    Rng rng(seed);
    return GetScore(x, y, realBoard, rng).bed;
}

} // namespace

TEST(BedCode, ValuesAndFinishingDarts)
{
    EXPECT_EQ(bedValue("T20"), 60);
    EXPECT_EQ(bedValue("D16"), 32);
    EXPECT_EQ(bedValue("S25"), 25);
    EXPECT_EQ(bedValue("S50"), 50);
    EXPECT_EQ(bedValue("S05"), 5);
    EXPECT_EQ(bedValue("000"), 0);
    EXPECT_TRUE(isFinishingBed("D01"));
    EXPECT_TRUE(isFinishingBed("S50"));
    EXPECT_FALSE(isFinishingBed("S25"));
    EXPECT_FALSE(isFinishingBed("T20"));
    EXPECT_FALSE(isFinishingBed("000"));
    EXPECT_TRUE(isValidBed("T07"));
    EXPECT_FALSE(isValidBed("T21"));
    EXPECT_FALSE(isValidBed("D00"));
    EXPECT_FALSE(isValidBed("X20"));
    EXPECT_FALSE(isValidBed("T2"));
}

TEST(GetScore, RingsStraightUp)
{
    EXPECT_EQ(score(2595, 2595), "S50");
    EXPECT_EQ(score(2595, 2516), "S50"); // 79 up
    EXPECT_EQ(score(2595, 2514), "S25"); // 81 up
    EXPECT_EQ(score(2595, 2415 - 1), "S20");
    EXPECT_EQ(score(2595, 2595 - 1111), "T20");
    EXPECT_EQ(score(2595, 2595 - 1209), "T20");
    EXPECT_EQ(score(2595, 2595 - 1211), "S20");
    EXPECT_EQ(score(2595, 2595 - 1861), "D20");
    EXPECT_EQ(score(2595, 2595 - 1959), "D20");
    EXPECT_EQ(score(2595, 634), "000"); // 1961 up: off the board, no bounce
    EXPECT_EQ(score(2595, 1035), "S20");
    EXPECT_EQ(score(2580, 675), "D20");
    EXPECT_EQ(score(2580, 1425), "T20");
    EXPECT_EQ(score(2595, 3750), "T03");
}

TEST(GetScore, WireBouncesOutOneTimeInTenExceptOnARealBoard)
{
    // 1960 straight up lies on the double wire.
    int bounced = 0, doubles = 0;
    Rng rng(99);
    for (int i = 0; i < 10000; ++i) {
        const Landing l = GetScore(2595, 635, false, rng);
        if (l.bounceOut) {
            EXPECT_EQ(l.bed, "000");
            ++bounced;
        } else {
            EXPECT_EQ(l.bed, "D20");
            ++doubles;
        }
    }
    EXPECT_GT(bounced, 800);
    EXPECT_LT(bounced, 1200);

    Rng rng2(99);
    for (int i = 0; i < 2000; ++i) {
        const Landing l = GetScore(2595, 635, true, rng2);
        EXPECT_FALSE(l.bounceOut);
        EXPECT_EQ(l.bed, "D20");
    }

    // The bull wire at 80 units; off the wires nothing ever bounces.
    EXPECT_TRUE(onWire(80));
    EXPECT_TRUE(onWire(1110.4));
    EXPECT_FALSE(onWire(1110.5));
    EXPECT_FALSE(onWire(79.5));
    Rng rng3(5);
    for (int i = 0; i < 1000; ++i)
        EXPECT_FALSE(GetScore(2595, 2400, false, rng3).bounceOut);
}

TEST(GetScore, SegmentBoundaries)
{
    EXPECT_EQ(segmentAt(0), 20);
    EXPECT_EQ(segmentAt(8.999), 20);
    EXPECT_EQ(segmentAt(9), 1);
    EXPECT_EQ(segmentAt(-9), 20);
    EXPECT_EQ(segmentAt(-9.001), 5);
    EXPECT_EQ(segmentAt(-27), 12);
    EXPECT_EQ(segmentAt(27), 18);
    EXPECT_EQ(segmentAt(170.999), 17);
    EXPECT_EQ(segmentAt(171), 3);
    EXPECT_EQ(segmentAt(180), 3);
    EXPECT_EQ(segmentAt(-180), 3);
    EXPECT_EQ(segmentAt(-171), 3);
    EXPECT_EQ(segmentAt(-170.999), 19);
    EXPECT_EQ(segmentAt(-153), 19);
    EXPECT_EQ(segmentAt(-152.999), 7);

    // Every boundary in turn: on the right half a boundary goes clockwise, on
    // the left anticlockwise; just either side of it the neighbours.
    for (int k = 1; k < 20; ++k) {
        const double boundary = -9 + 18.0 * k; // 9 .. 333
        const double theta = boundary > 180 ? boundary - 360 : boundary;
        const int before = board::kSegments[static_cast<std::size_t>(k - 1)];
        const int after = board::kSegments[static_cast<std::size_t>(k)];
        EXPECT_EQ(segmentAt(theta - 0.01), before) << theta;
        EXPECT_EQ(segmentAt(theta + 0.01), after) << theta;
        if (theta > 0 && theta < 171) {
            EXPECT_EQ(segmentAt(theta), after) << theta;
        }
        if (theta < 0 && theta > -171) {
            EXPECT_EQ(segmentAt(theta), before) << theta;
        }
    }
    EXPECT_EQ(boardAngle(2595, 4000), 180);        // straight down
    EXPECT_DOUBLE_EQ(boardAngle(3000, 2595), 90);  // right
    EXPECT_DOUBLE_EQ(boardAngle(2000, 2595), -90); // left
    EXPECT_EQ(score(2595, 4000), "S03");
}

TEST(GetScore, EverySegmentAndRingAtItsMiddle)
{
    for (int k = 0; k < 20; ++k) {
        const int n = board::kSegments[static_cast<std::size_t>(k)];
        const double theta = 18.0 * k > 180 ? 18.0 * k - 360 : 18.0 * k;
        auto bed = [&](double r) {
            const Point p = polar(r, theta);
            return score(p.x, p.y);
        };
        EXPECT_EQ(bed(600), makeBed('S', n));
        EXPECT_EQ(bed(1160), makeBed('T', n));
        EXPECT_EQ(bed(1500), makeBed('S', n));
        EXPECT_EQ(bed(1910), makeBed('D', n));
        EXPECT_EQ(bed(2100), "000");
    }
}

TEST(GetCoords, EveryAimPointScoresItsOwnCodeOffTheWires)
{
    for (const auto& code : aimCodes()) {
        const auto p = GetCoords(code);
        ASSERT_TRUE(p) << code;
        EXPECT_FALSE(onWire(boardRadius(p->x, p->y))) << code;
        EXPECT_EQ(bedAt(p->x, p->y), code);
    }
    EXPECT_EQ(*GetCoords("S25"), (Point{2730, 2610}));
    EXPECT_EQ(*GetCoords("D03"), (Point{2580, 4500}));
    EXPECT_FALSE(GetCoords("000"));
    EXPECT_FALSE(GetCoords("T21"));
    EXPECT_FALSE(GetCoords(""));
}

// The areas lit for a target are where the bed really is: points just inside
// each area's corners score the bed, points just outside do not.
TEST(BedAreas, CoverEachBedAndNothingElse)
{
    for (const auto& code : aimCodes()) {
        const auto areas = bedAreas(code);
        ASSERT_EQ(areas.size(), code[0] == 'S' && code != "S25" && code != "S50" ? 2u : 1u) << code;
        for (const BedArea& a : areas) {
            const double mid = a.sweep >= 360 ? 45 : a.from + a.sweep / 2;
            for (double r : {a.inner + 3, (a.inner + a.outer) / 2, a.outer - 3}) {
                const Point p = polar(r, mid);
                EXPECT_EQ(bedAt(p.x, p.y), code) << code << " r " << r;
            }
            if (a.sweep < 360)
                for (double t : {a.from + 0.3, a.from + a.sweep - 0.3}) {
                    const Point in = polar((a.inner + a.outer) / 2, t);
                    EXPECT_EQ(bedAt(in.x, in.y), code) << code << " at " << t;
                    const Point out = polar((a.inner + a.outer) / 2, t < mid ? a.from - 0.6 : a.from + a.sweep + 0.6);
                    EXPECT_NE(bedAt(out.x, out.y), code) << code << " beside " << t;
                }
            const Point beyond = polar(a.outer + 8, mid);
            EXPECT_NE(bedAt(beyond.x, beyond.y), code) << code;
        }
    }
    EXPECT_TRUE(bedAreas("000").empty());
    EXPECT_TRUE(bedAreas("T25").empty());
    EXPECT_TRUE(bedAreas("").empty());
}

TEST(GetDistance, MeasuresFromTheBullUpCentre)
{
    EXPECT_NEAR(GetDistance(2595, 2595), 7.0710678, 1e-6);
    EXPECT_DOUBLE_EQ(GetDistance(2600, 2604), 4);
    EXPECT_DOUBLE_EQ(GetDistance(2600, 2600), 0);
}

TEST(AimFile, ShippedFileMatchesTheAimTable)
{
    std::ifstream in(VANTORELLE_ASSETS "/compaim.dat");
    ASSERT_TRUE(in);
    std::stringstream all;
    all << in.rdbuf();
    for (const auto& code : aimCodes()) {
        std::istringstream copy(all.str());
        const auto rec = findAimRecord(copy, code);
        ASSERT_TRUE(rec) << code;
        EXPECT_EQ(*rec, *GetCoords(code)) << code;
    }
}

TEST(AimFile, FirstMatchingRecordWinsAndBadRecordsAreSkipped)
{
    std::istringstream in("garbage\n\"T20\",abc,1\n\"t20\",1,1\nT20,100,200\n\"T20\",300,400\n");
    EXPECT_EQ(*findAimRecord(in, "T20"), (Point{100, 200}));
    std::istringstream none("\"T20\",1,2\n");
    EXPECT_FALSE(findAimRecord(none, "D16"));
    std::istringstream huge("\"T20\",99999999999,2\n");
    EXPECT_FALSE(findAimRecord(huge, "T20"));
}

TEST(Flight, SixFramesClosingInThenTheFallOfABounceOut)
{
    auto px = [](int units) { return static_cast<int>(std::lround(units / 15.0)); };
    const auto frames = Animate(2595, 2595, 'c', false);
    ASSERT_EQ(frames.size(), 6u);
    const std::pair<int, int> corners[] = {{183, -77}, {180, -60}, {176, -44}, {173, -27}, {173, -10}, {134, 134}};
    const DartPicture pictures[] = {DartPicture::Big,         DartPicture::MediumBig,   DartPicture::MediumSmall,
                                    DartPicture::MediumSmall, DartPicture::MediumSmall, DartPicture::Small};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_TRUE(frames[i].drawn) << i;
        EXPECT_EQ(frames[i].picture, pictures[i]) << i;
        EXPECT_EQ(px(frames[i].x), corners[i].first) << i;
        EXPECT_EQ(px(frames[i].y), corners[i].second) << i;
    }
    // Only the dart that sticks shows its pose.
    EXPECT_EQ(frames[4].pose, 'a');
    EXPECT_EQ(frames[5].pose, 'c');

    // A bounce-out flies in the same way, then drops below the board and is gone.
    const auto out = Animate(1000, 800, 'a', true);
    ASSERT_EQ(out.size(), 9u);
    EXPECT_EQ(out[6], (FlightFrame{true, DartPicture::MediumSmall, 'a', 1000, 2800}));
    EXPECT_EQ(out[7], (FlightFrame{true, DartPicture::MediumBig, 'a', 1000, 4800}));
    EXPECT_FALSE(out[8].drawn);
}

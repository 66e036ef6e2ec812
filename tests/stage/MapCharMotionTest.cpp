// Beams, crawlers and the turrets' firing rhythm.
#include "MapCharFixture.h"

namespace {

using MapCharMotion = MapCharTest;

TEST_F(MapCharMotion, ABeamGrowsToItsLengthPausesAndTurnsBackAtItsBase)
{
    // Right-facing, to 40 pixels, holding param3 + 1 = 3 frames.
    MapChar& beam = add(1, 100, 100, 1, 40, -1, 2);
    std::vector<int> edge;
    for (int frame = 0; frame < 100; ++frame) {
        mapCharsStep();
        edge.push_back(beam.hitRight);
    }
    EXPECT_EQ(edge[0], 32) << "the first action only counts the start phase down";
    EXPECT_EQ(edge[1], 33);
    EXPECT_EQ(edge[9], 41) << "past param1: full length";
    EXPECT_EQ(edge[12], 41) << "held for three frames";
    EXPECT_EQ(edge[13], 40);
    EXPECT_EQ(edge[54], -1) << "below zero: it extends again";
    EXPECT_EQ(edge[55], 0);
    EXPECT_EQ(edge[56], 1);
    EXPECT_FALSE(beam.dead);

    // Left-facing beams move their left edge, out of view too.
    MapChar& left = add(1, -32, 100, 0, 10);
    steps(5);
    EXPECT_EQ(left.hitLeft, -4);
}

TEST_F(MapCharMotion, ACrawlerWalksRoundAPlatform)
{
    // A one-row platform, columns 3-8 of row 5; the crawler starts on top.
    for (int c = 3; c <= 8; ++c)
        mapTiles[c][5] = 1;
    MapChar& crawler = add(2, 192, 128, 3);
    EXPECT_EQ(crawler.param0, 0) << "on a floor with open space to the left: left";
    std::vector<int> directions = {crawler.param0};
    for (int frame = 0; frame < 448; ++frame) {
        mapCharsStep();
        if (crawler.param0 != directions.back())
            directions.push_back(crawler.param0);
        if (frame == 127) {
            EXPECT_EQ(crawler.mapX, 64);
            EXPECT_EQ(crawler.mapY, 128);
        }
        if (frame == 159) {
            EXPECT_EQ(crawler.mapX, 64);
            EXPECT_EQ(crawler.mapY, 160) << "down the platform's left end";
        }
        if (frame == 351) {
            EXPECT_EQ(crawler.mapX, 256);
            EXPECT_EQ(crawler.mapY, 160) << "along the underside";
        }
    }
    EXPECT_EQ(directions, (std::vector<int>{0, 3, 1, 2, 0}));
    EXPECT_EQ(crawler.mapX, 192);
    EXPECT_EQ(crawler.mapY, 128);
    EXPECT_FLOAT_EQ(crawler.u, (447 % 3) * 0.125f) << "three walking cells";
}

// The frames on which a turret pointed the emitter at itself to fire.
std::vector<int> firingFrames(const MapChar& turret, int frames)
{
    std::vector<int> fired;
    for (int frame = 0; frame < frames; ++frame) {
        g_mapEmitterObject->setX(-1);
        g_mapEmitterObject->setOwnerIndex(-1);
        mapCharsStep();
        if (g_mapEmitterObject->x() != -1) {
            fired.push_back(frame);
            EXPECT_EQ(g_mapEmitterObject->ownerIndex(), turret.index);
        }
    }
    return fired;
}

TEST_F(MapCharMotion, AFixedTurretFiresEveryFifthFrameThenRests)
{
    // Fires for param3 = 12 actions, then its clock restarts and must pass
    // param2 = 0 again; the five-frame rhythm runs on across the rest.
    add(0, 0, 0);
    const MapChar& turret = add(4, 300, 200, 1, 0, 0, 12);
    EXPECT_EQ(firingFrames(turret, 27), (std::vector<int>{1, 6, 11, 17, 22}));
    EXPECT_EQ(g_mapEmitterObject->x(), -1);
}

TEST_F(MapCharMotion, SpiralTurretsTurnTwoDegreesPerVolleyOnlyInView)
{
    MapChar& spiral = add(5, 300, 200, 0, 0, -1, 357);
    std::vector<int> turns;
    for (int frame = 0; frame < 11; ++frame) {
        mapCharsStep();
        turns.push_back(spiral.param3);
    }
    EXPECT_EQ(turns, (std::vector<int>{359, 359, 359, 359, 359, 2, 2, 2, 2, 2, 4}));
    camera(2000, 0);
    steps(20);
    EXPECT_EQ(spiral.param3, 4);
    EXPECT_EQ(spiral.shotCounter, 11);
}

TEST_F(MapCharMotion, ARotatingTurretShowsRedOnlyOnTheFrameItIsHit)
{
    MapChar& turret = add(7, 100, 100, 2);
    EXPECT_EQ(turret.angle, 90);
    steps(1);
    EXPECT_EQ(g_mapEmitterObject->green(), 255);
    addShot(120, 120, 1, 0);
    steps(1);
    EXPECT_EQ(g_mapEmitterObject->red(), 255);
    EXPECT_EQ(g_mapEmitterObject->green(), 0);
    EXPECT_EQ(g_mapEmitterObject->blue(), 0);
    steps(1);
    EXPECT_EQ(g_mapEmitterObject->green(), 255);
}

}  // namespace

// Beams, crawlers and the turrets' firing rhythm.
#include "MapCharFixture.h"

#include "bullets/BulletPass.h"

namespace {

using MapCharMotion = MapCharTest;

TEST_F(MapCharMotion, ABeamGrowsPastItsLengthHoldsAndTurnsBackBelowItsBase)
{
    // Right-facing, to 40 pixels, holding param3 + 1 = 3 frames.
    MapChar& beam = add(1, 100, 100, 1, 40, -1, 2);
    // Left-facing, to 2 pixels, holding one frame; its edge starts at 0.
    MapChar& left = add(1, 300, 100, 0, 2, -1, 0);
    std::vector<int> edge, leftEdge;
    for (int frame = 0; frame < 57; ++frame) {
        mapCharsStep();
        edge.push_back(beam.hitRight);
        leftEdge.push_back(left.hitLeft);
    }
    const std::pair<int, int> expected[] = {
        {0, 32}, {1, 33}, {9, 41}, {12, 41}, {13, 40}, {54, -1}, {55, 0}, {56, 1}};
    for (auto [frame, value] : expected)
        EXPECT_EQ(edge[frame], value) << "frame " << frame;
    EXPECT_EQ(std::vector<int>(leftEdge.begin(), leftEdge.begin() + 10),
              (std::vector<int>{0, -1, -2, -3, -3, -2, -1, 0, -1, -2}));
}

TEST_F(MapCharMotion, ACrawlerWalksRoundAPlatform)
{
    for (int c = 3; c <= 8; ++c)
        mapTiles[c][5] = 1;
    MapChar& crawler = add(2, 192, 128, 3);
    EXPECT_EQ(crawler.param0, 0) << "on a floor with open space to the left: left";
    std::vector<int> turns = {crawler.param0};
    std::vector<std::pair<int, int>> corners;
    for (int frame = 0; frame < 448; ++frame) {
        mapCharsStep();
        if (crawler.param0 != turns.back()) {
            turns.push_back(crawler.param0);
            corners.emplace_back(crawler.mapX, crawler.mapY);
        }
    }
    EXPECT_EQ(turns, (std::vector<int>{0, 3, 1, 2, 0}));
    // Positions one pixel after each turn: off the left end, under it, up the right end.
    EXPECT_EQ(corners, (std::vector<std::pair<int, int>>{{64, 129}, {65, 160}, {256, 159}, {255, 128}}));
    EXPECT_EQ(crawler.mapX, 192);
    EXPECT_EQ(crawler.mapY, 128);
}

// The frames of n on which a turret pointed the emitter at itself to fire.
std::vector<int> firingFrames(const MapChar& turret, int n)
{
    std::vector<int> fired;
    for (int frame = 0; frame < n; ++frame) {
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

TEST_F(MapCharMotion, TurretsFireEveryFifthFrameInView)
{
    // Fires for param3 = 12 actions, then its clock restarts and must pass
    // param2 = 0 again; the five-frame rhythm runs on across the rest.
    add(0, 0, 0);
    const MapChar& fixed = add(4, 300, 200, 1, 0, 0, 12);
    EXPECT_EQ(firingFrames(fixed, 40), (std::vector<int>{1, 6, 11, 17, 22, 28, 33, 38}));

    // A spiral turns two degrees a volley, wrapping at 359, and rests out of view.
    freeMapCharacters();
    MapChar& spiral = add(5, 300, 200, 0, 0, -1, 357);
    EXPECT_EQ(firingFrames(spiral, 11), (std::vector<int>{0, 5, 10}));
    EXPECT_EQ(spiral.param3, 4);
    camera(2000, 0);
    steps(20);
    EXPECT_EQ(spiral.param3, 4);
}

TEST_F(MapCharMotion, TurretBulletsStayWithTheirTurretWhileTheMapScrolls)
{
    // The view moves right a pixel a frame. The map characters and the bullet
    // pass of one frame must agree on where the map is, although the scroll
    // moves between them: the bullet is placed with the frame's own camera.
    scrollSegments[0] = ScrollSegment{4, 1000, 1, 0, 1000};
    scrollSegmentCount = 1;
    segmentIndex = segmentFrame = speedAccumulator = 0;
    add(4, 300, 200, 1, 0, -1, 1000);
    int checked = 0;
    for (int frame = 0; frame < 12; ++frame) {
        mapCharsStep();
        advanceScroll();
        bulletPass();
        for (GameObject* b = g_bulletList; b; b = b->next, ++checked)
            EXPECT_FLOAT_EQ(b->x(), 300 + b->vx() - frame) << "frame " << frame;
    }
    EXPECT_GT(checked, 0);
}

}  // namespace

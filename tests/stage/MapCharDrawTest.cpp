// Which cells of the tile sheet the map characters show, and where. Every
// texel of the test sheet names its position, so a screen pixel tells what
// was drawn there.
#include <memory>

#include "MapCharFixture.h"
#include "graphics/TextureSets.h"
#include "support/TexelSheet.h"

namespace {

struct Texel {
    int u, v;
    bool operator==(const Texel&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Texel& t)
{
    return out << "(" << t.u << ", " << t.v << ")";
}

constexpr Texel kNothing = {-1, -1};

class MapCharDraw : public MapCharTest {
protected:
    void SetUp() override
    {
        MapCharTest::SetUp();
        sheet_ = texelCodedSheet(1);
        slot_ = sheet_.get();
        g_texMap = &slot_;
        g_texMapCount = 1;
        beginSceneFrame();
        setSpriteStates();
        setPointMagFilter();
    }
    void TearDown() override
    {
        g_texMap = nullptr;
        g_texMapCount = 0;
        MapCharTest::TearDown();
    }

    void frame()
    {
        device.clear(platform::D3DCLEAR_TARGET, 0xFF000000, 1.0f);
        mapCharsStep();
    }

    Texel texelAt(int x, int y) const
    {
        uint32_t c = device.backBuffer()[y * platform::kBackBufferWidth + x];
        if ((c & 0xFF) == 0)
            return kNothing;
        return {int(c >> 16 & 0xFF), int(c >> 8 & 0xFF)};
    }

    std::unique_ptr<platform::Texture> sheet_;
    platform::Texture* slot_ = nullptr;
};

}  // namespace

TEST_F(MapCharDraw, EachTypeShowsItsCellAtItsScreenPosition)
{
    camera(1000, 2000);
    const int asleep = 1000000;
    add(0, 1040, 2030, 0, 0, asleep);  // block
    add(3, 1200, 2030, 1, 0, asleep);  // hatch, right half of the sheet
    add(3, 1400, 2030, 2, 0, asleep);  // hatch, left half
    add(6, 1040, 2200, 0, 0, asleep);  // four-way spiral turret
    add(2, 1200, 2200, 0, 0, asleep);  // crawler
    MapChar& left = add(1, 1300, 2300, 0, 0, asleep);  // beams, set 40 and 70 pixels out
    MapChar& down = add(1, 1100, 2300, 3, 0, asleep);
    left.hitLeft = -40;
    down.hitBottom = 70;
    frame();
    const std::pair<std::pair<int, int>, Texel> expected[] = {
        {{40, 30}, {0, 128}},    {{71, 61}, {15, 143}},  {{72, 62}, kNothing},
        {{200, 30}, {128, 224}}, {{327, 93}, {191, 255}}, {{400, 30}, {0, 224}},
        {{40, 200}, {48, 128}},  {{200, 200}, {0, 144}},
        // The left beam's cells start at its tip: -40 and -8 from its base.
        {{260, 300}, {64, 128}}, {{292, 300}, {64, 128}}, {{259, 300}, kNothing},
        {{324, 300}, kNothing},
        // The down beam's cells end at its tip: 38-70 and 6-38.
        {{100, 306}, {64, 128}}, {{100, 338}, {64, 128}}, {{100, 305}, kNothing},
        {{100, 370}, kNothing}};
    for (const auto& [at, texel] : expected)
        EXPECT_EQ(texelAt(at.first, at.second), texel) << at.first << ", " << at.second;

    left.dead = true;
    frame();
    EXPECT_EQ(texelAt(260, 300), kNothing);
}

TEST_F(MapCharDraw, ARotatingTurretShowsOnlyWhileItActsAndRedOnTheFrameItIsHit)
{
    add(7, 200, 200, 2, 0, 3);
    frame();
    EXPECT_EQ(texelAt(231, 231), kNothing) << "its clock has not passed param2";
    steps(3);
    frame();
    EXPECT_NE(texelAt(231, 231), kNothing);
    addShot(220, 220, 1, 0);
    frame();
    EXPECT_EQ(g_mapEmitterObject->green(), 0);
    frame();
    EXPECT_EQ(g_mapEmitterObject->green(), 255);
    g_worldFrozen = true;
    frame();
    EXPECT_EQ(texelAt(231, 231), kNothing);
}

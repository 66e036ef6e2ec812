// Which cells of the tile sheet the map characters show, and where. Every
// texel of the test sheet names its position, so a screen pixel tells what
// was drawn there.
#include <memory>

#include "MapCharFixture.h"
#include "graphics/TextureSets.h"

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
        sheet_ = std::make_unique<platform::Texture>(256, 256, false);
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x)
                sheet_->pixels()[y * 256 + x] = 0xFF000001u | uint32_t(x) << 16 | uint32_t(y) << 8;
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

    // One frame of map characters on a black screen.
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
    add(0, 1040, 2030, 0, 0, 1000000);        // block
    add(3, 1200, 2030, 1, 0, 1000000);        // hatch, right half
    add(3, 1400, 2030, 2, 0, 1000000);        // hatch, left half
    add(6, 1040, 2200, 0, 0, 1000000);        // four-way spiral turret
    add(2, 1200, 2200, 0, 0, 1000000);        // crawler
    frame();
    EXPECT_EQ(texelAt(40, 30), (Texel{0, 128}));
    EXPECT_EQ(texelAt(71, 61), (Texel{15, 143})) << "32 x 32 from a 16-texel cell";
    EXPECT_EQ(texelAt(72, 62), kNothing);
    EXPECT_EQ(texelAt(200, 30), (Texel{128, 224}));
    EXPECT_EQ(texelAt(327, 93), (Texel{191, 255})) << "128 x 64";
    EXPECT_EQ(texelAt(400, 30), (Texel{0, 224}));
    EXPECT_EQ(texelAt(40, 200), (Texel{48, 128}));
    EXPECT_EQ(texelAt(200, 200), (Texel{0, 144}));
}

TEST_F(MapCharDraw, ABeamIsARunOfCellsFromItsTipAndNothingShowsOnceDestroyed)
{
    // A left-facing beam 40 pixels out: cells at -40 and -8 from its base.
    MapChar& left = add(1, 300, 100, 0, 1000, 1000000);
    left.hitLeft = -40;
    // A down-facing beam 70 pixels long: cells ending at 70 and 38.
    MapChar& down = add(1, 100, 200, 3, 1000, 1000000);
    down.hitBottom = 70;
    frame();
    EXPECT_EQ(texelAt(260, 100), (Texel{64, 128}));
    EXPECT_EQ(texelAt(292, 100), (Texel{64, 128}));
    EXPECT_EQ(texelAt(259, 100), kNothing);
    EXPECT_EQ(texelAt(324, 100), kNothing);
    EXPECT_EQ(texelAt(100, 206), (Texel{64, 128}));
    EXPECT_EQ(texelAt(100, 238), (Texel{64, 128}));
    EXPECT_EQ(texelAt(100, 205), kNothing);
    EXPECT_EQ(texelAt(100, 270), kNothing);

    left.dead = true;
    frame();
    EXPECT_EQ(texelAt(260, 100), kNothing);
}

TEST_F(MapCharDraw, ARotatingTurretAppearsOnlyOnceItActs)
{
    MapChar& turret = add(7, 200, 200, 0, 0, 3);
    frame();
    EXPECT_EQ(texelAt(231, 231), kNothing) << "its clock has not passed param2";
    steps(3);
    frame();
    EXPECT_NE(texelAt(231, 231), kNothing);
    g_worldFrozen = true;
    frame();
    EXPECT_EQ(texelAt(231, 231), kNothing);
    EXPECT_FALSE(turret.dead);
}

// The bullet pass: frozen worlds, removal, the blend each kind draws with,
// and the sheet cell each kind samples.
#include "BulletFixture.h"

TEST_F(BulletTest, FrozenWorldDrawsButHoldsBulletsAndStillRemovesTheDead)
{
    GameObject* moving = spawn(1, 0);
    GameObject* dead = spawn(1, 0);
    dead->kill();
    g_worldFrozen = true;
    bulletPass();
    EXPECT_EQ(count(), 1);
    EXPECT_FLOAT_EQ(moving->x(), 110);
    g_worldFrozen = false;
    bulletPass();
    EXPECT_FLOAT_EQ(moving->x(), 115);
}

TEST_F(BulletTest, EachKindDrawsWithItsBlend)
{
    using namespace platform;
    struct Case {
        int kind;
        uint32_t src, dest;
        uint32_t magFilter;
    };
    const Case cases[] = {
        {0, D3DBLEND_ONE, D3DBLEND_ONE, D3DTEXF_POINT},
        {13, D3DBLEND_ONE, D3DBLEND_ONE, D3DTEXF_POINT},
        {18, D3DBLEND_SRCALPHA, D3DBLEND_INVSRCALPHA, D3DTEXF_POINT},
        {24, D3DBLEND_SRCALPHA, D3DBLEND_ONE, D3DTEXF_POINT},
        {26, D3DBLEND_SRCALPHA, D3DBLEND_INVSRCALPHA, D3DTEXF_LINEAR},
        {34, D3DBLEND_SRCALPHA, D3DBLEND_INVSRCALPHA, D3DTEXF_POINT},
        {40, D3DBLEND_ONE, D3DBLEND_ONE, D3DTEXF_POINT},
        {44, D3DBLEND_SRCALPHA, D3DBLEND_ONE, D3DTEXF_POINT},
    };
    // Drawing only, so that the last state set is the kind's own.
    g_worldFrozen = true;
    for (const Case& c : cases) {
        emptyList(&g_bulletList);
        setSpriteStates();
        setLinearMagFilter();
        device.setTextureStageState(D3DTSS_COLOROP, D3DTOP_SELECTARG1);
        spawn(c.kind, 0);
        bulletPass();
        EXPECT_EQ(device.renderState(D3DRS_SRCBLEND), c.src) << c.kind;
        EXPECT_EQ(device.renderState(D3DRS_DESTBLEND), c.dest) << c.kind;
        EXPECT_EQ(device.textureStageState(D3DTSS_MAGFILTER), c.magFilter) << c.kind;
        bool glow = c.dest == D3DBLEND_ONE && c.src == D3DBLEND_SRCALPHA;
        EXPECT_EQ(device.textureStageState(D3DTSS_COLOROP),
                  glow ? uint32_t{D3DTOP_MODULATE} : uint32_t{D3DTOP_SELECTARG1})
            << c.kind;
    }
    // Ring seeds take whatever the bullet before them left.
    for (int before : {2, 34}) {
        emptyList(&g_bulletList);
        spawn(before, 0);
        spawn(4, 0);
        bulletPass();
        EXPECT_EQ(device.renderState(D3DRS_DESTBLEND),
                  before == 2 ? uint32_t{D3DBLEND_ONE} : uint32_t{D3DBLEND_INVSRCALPHA});
    }
}

TEST_F(BulletTest, EachKindSamplesItsSheetCell)
{
    installCodedSheets();
    struct Case {
        int kind;
        double angle;
        float anim;  // set after spawning; < 0 keeps the spawned value
        int x0, x1, y0, y1;  // the texel rectangle the bullet's middle must come from
    };
    const Case cases[] = {
        {0, 0, -1, 0, 512, 0, 512},
        {1, 170, -1, 48, 64, 80, 96},     // direction cell 3, second row
        {15, 90, -1, 288, 304, 32, 48},   // cell 18
        {16, 0, -1, 0, 512, 496, 512},
        {34, 0, -1, 0, 64, 128, 160},
        {13, 0, 3, 192, 256, 320, 384},
        {39, 0, 6, 384, 448, 448, 512},
        {40, 0, 2, 256, 320, 448, 512},   // a quarter across, then frame 2
    };
    g_worldFrozen = true;
    for (const Case& c : cases) {
        emptyList(&g_bulletList);
        beginSceneFrame();
        setSpriteStates();
        GameObject* b = spawnAt(c.kind, c.angle, 200, 150);
        if (c.anim >= 0)
            b->setAnim(c.anim);
        if (c.kind == 16)
            b->setWidth(64);
        bulletPass();
        uint32_t p = pixel(200 + b->width() / 2, 150 + b->height() / 2);
        EXPECT_GE(texelX(p), c.x0) << c.kind;
        EXPECT_LT(texelX(p), c.x1) << c.kind;
        EXPECT_GE(texelY(p), c.y0) << c.kind;
        EXPECT_LT(texelY(p), c.y1) << c.kind;
    }
}

// Drawing: which sheet, page and cell each kind shows, its blend, and the arms
// drawn turned about their centre. Every texel of the test sheets names its
// sheet, page and position, so a screen pixel tells what was drawn there.
#include <memory>

#include "EnemyFixture.h"
#include "graphics/TextureSets.h"
#include "support/TexelSheet.h"

namespace {

// sheet: 1 + page for the enemy sheets, 0x11 + page for the bullet sheets;
// u, v: the texel's position on its 256 x 256 page.
struct Texel {
    int sheet, u, v;
    bool operator==(const Texel&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Texel& t)
{
    return out << "sheet " << t.sheet << " (" << t.u << ", " << t.v << ")";
}

class EnemyDraw : public EnemyTest {
protected:
    void SetUp() override
    {
        EnemyTest::SetUp();
        for (int page = 0; page < 6; ++page) {
            enemyPages_[page] = makePage(1 + page);
            enemySlots_[page] = enemyPages_[page].get();
        }
        for (int page = 0; page < 4; ++page) {
            shotPages_[page] = makePage(0x11 + page);
            shotSlots_[page] = shotPages_[page].get();
        }
        g_texEnemy = enemySlots_;
        g_texEnemyCount = 6;
        g_texEnemyShot = shotSlots_;
        g_texEnemyShotCount = 4;
        beginSceneFrame();
        setSpriteStates();
        setPointMagFilter();
        g_playerFrozen = true;  // drawing only
    }
    void TearDown() override
    {
        g_texEnemy = nullptr;
        g_texEnemyCount = 0;
        g_texEnemyShot = nullptr;
        g_texEnemyShotCount = 0;
        g_playerFrozen = false;
        EnemyTest::TearDown();
    }

    static std::unique_ptr<platform::Texture> makePage(int sheet)
    {
        return texelCodedSheet(static_cast<uint8_t>(sheet));
    }

    Texel texelAt(int x, int y) const
    {
        uint32_t c = device.backBuffer()[y * platform::kBackBufferWidth + x];
        if ((c & 0xFF) == 0)
            return {0, -1, -1};
        return {int(c & 0xFF), int(c >> 16 & 0xFF), int(c >> 8 & 0xFF)};
    }

    std::unique_ptr<platform::Texture> enemyPages_[6];
    std::unique_ptr<platform::Texture> shotPages_[4];
    platform::Texture* enemySlots_[6] = {};
    platform::Texture* shotSlots_[4] = {};
};

}  // namespace

TEST_F(EnemyDraw, EachKindShowsItsCellOfItsPage)
{
    struct Case {
        int kind;
        float anim;
        Texel topLeft;  // the texel at the sprite's top-left pixel
    };
    const Case cases[] = {
        {0, 0, {1, 0, 0}},
        {1, 0, {2, 128, 0}},       // the right half of page 1
        {2, 3, {3, 96, 0}},        // the fourth of the eighth-wide cells
        {3, 5, {3, 160, 32}},
        {5, 1, {3, 32, 64}},
        {6, 2, {3, 64, 96}},
        {7, 3, {2, 192, 128}},
        {8, 0, {2, 0, 192}},
        {9, 0, {4, 0, 0}},
        {12, 0, {3, 0, 160}},
        {13, 2, {2, 160, 192}},
        {14, 4, {3, 128, 96}},
        {15, 3, {2, 192, 224}},
        {16, 0, {2, 96, 224}},
        {17, 0, {6, 0, 0}},
        {20, 2, {0x14, 160, 64}},  // the bullet sheet's page 3
        {21, 0, {0x14, 128, 64}},
    };
    for (const Case& c : cases) {
        device.clear(platform::D3DCLEAR_TARGET, 0xFF000000, 1.0f);
        GameObject& e = spawn(c.kind, 40, 30);
        e.setAnim(c.anim);
        enemyPass();
        EXPECT_EQ(texelAt(40, 30), c.topLeft) << "kind " << c.kind;
        emptyList(&g_enemyList);
    }
}

TEST_F(EnemyDraw, RingSpawnerGlowsAdditivelyAndTheNextEnemyBlendsNormally)
{
    GameObject& glow = spawn(4, 0, 0);
    spawn(2, 100, 0);
    drawEnemy(glow);
    EXPECT_EQ(device.renderState(platform::D3DRS_SRCBLEND), platform::D3DBLEND_ONE);
    EXPECT_EQ(device.renderState(platform::D3DRS_DESTBLEND), platform::D3DBLEND_ONE);
    EXPECT_EQ(device.textureStageState(platform::D3DTSS_MAGFILTER), platform::D3DTEXF_LINEAR);
    drawEnemy(*glow.next);
    EXPECT_EQ(device.renderState(platform::D3DRS_SRCBLEND), platform::D3DBLEND_SRCALPHA);
    EXPECT_EQ(device.renderState(platform::D3DRS_DESTBLEND), platform::D3DBLEND_INVSRCALPHA);
    // The filter is not put back.
    EXPECT_EQ(device.textureStageState(platform::D3DTSS_MAGFILTER), platform::D3DTEXF_LINEAR);
}

TEST_F(EnemyDraw, ArmsAreDrawnLongAndTurnedAboutTheirCentre)
{
    // Unturned, the arm is about 514 wide and 251 high, whatever its width and height.
    GameObject& arm = spawn(18, 320, 240);
    arm.setWidth(0);
    arm.setHeight(0);
    enemyPass();
    EXPECT_EQ(texelAt(320, 240).sheet, 5);
    EXPECT_EQ(texelAt(70, 240).sheet, 5);
    EXPECT_EQ(texelAt(570, 240).sheet, 5);
    EXPECT_EQ(texelAt(320, 100).sheet, 0);
    EXPECT_EQ(texelAt(320, 380).sheet, 0);
    // Arm A uses the top half of its page, so its centre shows texel row 64.
    EXPECT_NEAR(texelAt(320, 240).v, 64, 2);
    EXPECT_NEAR(texelAt(320, 240).u, 128, 2);

    // Turned a quarter, it stands upright; arm B shows the lower half of the page.
    device.clear(platform::D3DCLEAR_TARGET, 0xFF000000, 1.0f);
    emptyList(&g_enemyList);
    GameObject& armB = spawn(19, 320, 240);
    armB.setAngle(90);
    enemyPass();
    EXPECT_EQ(texelAt(320, 20).sheet, 5);
    EXPECT_EQ(texelAt(320, 460).sheet, 5);
    EXPECT_EQ(texelAt(150, 240).sheet, 0);
    EXPECT_NEAR(texelAt(320, 240).v, 192, 2);
}

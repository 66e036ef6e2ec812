// The title screen's captions follow the menu cursor.
#include "EffectFixture.h"

TEST_F(EffectTest, TheCaptionUnderTheCursorIsLargeAndOpaque)
{
    for (int kind : {14, 17, 2000, 16, 33, 15})
        spawnEffect(&craft(), kind);
    // Entry index -> kind, row and the caption's v on the title sheet.
    struct Entry {
        int kind;
        float y;
        float v;
    };
    const Entry entries[] = {{15, 0, 0.75f}, {2000, 50, 0.833f}, {16, 100, 0.833f},
                             {33, 150, 0.916f}, {17, 200, 0.916f}};
    int& cursor = g_buttonHeld[g_actionButton[kActionShotB]];
    for (int c : {0, 3, 1, 4, 2}) {
        cursor = c;
        frame();
        for (int i = 0; i < 5; ++i) {
            const GameObject& e = *find(entries[i].kind);
            bool chosen = i == c;
            EXPECT_FLOAT_EQ(e.x(), 0);
            EXPECT_FLOAT_EQ(e.y(), entries[i].y);
            EXPECT_EQ(e.width(), chosen ? 240 : 160) << c << " " << i;
            EXPECT_EQ(e.height(), chosen ? 60 : 40) << c << " " << i;
            EXPECT_EQ(e.alpha(), chosen ? 255 : 100) << c << " " << i;
        }
        // Drawn on the next frame: only the large caption reaches x = 200.
        frame();
        Texel t = texelAt(200, static_cast<int>(entries[c].y) + 30);
        EXPECT_EQ(t.tag, kTagEffect + 4) << c;
        EXPECT_NEAR(t.v, (entries[c].v + 0.083f / 2) * 256, 2) << c;
    }
    EXPECT_EQ(find(14)->x(), 0);
    cursor = 0;
}

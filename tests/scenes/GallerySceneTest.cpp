// The gallery: which pictures the grid and the full-screen view show, how the
// cursor wraps in each, the confirm latch, and leaving for the title.
#include <gtest/gtest.h>

#include <cstdlib>

#include "data/Progress.h"
#include "scenes/GalleryScene.h"
#include "scenes/SceneFixture.h"

namespace {

using platform::Key;
using scenetest::SceneTest;

// One flat colour per gallery texture, each channel 40, 120 or 200, so that a
// pixel names its texture at full and at half alpha. Pure red would be keyed.
uint32_t entryColour(int entry)
{
    if (entry == 0)
        return 0xFF7878C8;  // strip of row 0
    if (entry == 1)
        return 0xFFC87878;  // strip of row 1
    if (entry == 10)
        return 0xFF787878;  // placeholder
    const int k = entry - 2;
    auto level = [](int bit) { return bit ? 200u : 40u; };
    return 0xFF000000 | level(k & 1) << 16 | level(k & 2) << 8 | level(k & 4);
}

constexpr int kStripOf[2] = {0, 1};
constexpr int kPlaceholderEntry = 10;

class Gallery : public SceneTest {
protected:
    void SetUp() override
    {
        SceneTest::SetUp();
        std::vector<std::vector<uint8_t>> images;
        for (int entry = 0; entry < 11; ++entry)
            images.push_back(testfiles::bmp24(1, 1, {entryColour(entry)}));
        writeFile("lnfpac/evcg.pac", testfiles::archive(images));
        const int32_t flags[kUnlockFlagCount] = {1, 0, 0, 1, 0, 0, 1, 0};
        std::copy(flags, flags + kUnlockFlagCount, g_unlockFlags);
        resetGalleryScene();
        backend_.attachJoystick(true);
        g_joystickPresent = true;
    }
    // Straight into the scene, no control held.
    void enter()
    {
        g_scene = kSceneGallery;
        frame();
    }
    void TearDown() override
    {
        std::fill(g_unlockFlags, g_unlockFlags + kUnlockFlagCount, 0);
        SceneTest::TearDown();
    }
    // True when the pixel is the entry's colour drawn at alpha over black.
    bool shows(int x, int y, int entry, int alpha) const
    {
        const uint32_t pixel = device_.backBuffer()[y * 640 + x];
        const uint32_t colour = entryColour(entry);
        for (int shift = 0; shift < 24; shift += 8) {
            const int expected = int((colour >> shift) & 0xFF) * alpha / 255;
            if (std::abs(int((pixel >> shift) & 0xFF) - expected) > 3)
                return false;
        }
        return true;
    }
    void axis(int which, int value)
    {
        backend_.setJoystickAxis(which, value);
        frame();
        backend_.setJoystickAxis(which, 0);
        frame();
    }
    void button(int n)
    {
        backend_.setJoystickButton(n, true);
        frame();
        backend_.setJoystickButton(n, false);
        frame();
    }
};

TEST_F(Gallery, TheGridShowsOnlyUnlockedPicturesWithTheHighlightOpaque)
{
    enter();
    ASSERT_EQ(g_galleryState, kGalleryGrid);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 4; ++column) {
            SCOPED_TRACE(4 * row + column);
            const int x = 112 + 112 * column;
            const int y = 80 + 152 * row + 30;
            const int alpha = row == 0 && column == 0 ? 255 : 127;
            const int picture = 4 * row + column;
            if (g_unlockFlags[picture] == 1) {
                EXPECT_TRUE(shows(x + 32, y, 2 + picture, alpha));
                EXPECT_TRUE(shows(x + 72, y, kStripOf[row], alpha));
            } else {
                EXPECT_TRUE(shows(x + 32, y, kPlaceholderEntry, alpha));
                EXPECT_TRUE(shows(x + 72, y, kPlaceholderEntry, alpha));
            }
        }
    }
}

TEST_F(Gallery, TheFullScreenViewPagesThroughPicturesAndShowsThePlaceholderForLockedOnes)
{
    enter();
    axis(0, -50);
    EXPECT_EQ(g_galleryColumn, 3) << "left from the first column wraps";
    button(0);
    ASSERT_EQ(g_galleryState, kGalleryFullScreen);
    EXPECT_TRUE(shows(256, 240, 2 + 3, 255));
    EXPECT_TRUE(shows(576, 240, kStripOf[0], 255));

    axis(1, -50);
    EXPECT_EQ(g_galleryRow, 1) << "the exit row is out of reach in the full-screen view";
    EXPECT_TRUE(shows(256, 240, kPlaceholderEntry, 255));
    EXPECT_TRUE(shows(576, 240, kPlaceholderEntry, 255));
    press(Key::Left);
    EXPECT_EQ(g_galleryColumn, 2);
    EXPECT_TRUE(shows(256, 240, 2 + 6, 255));
    EXPECT_TRUE(shows(576, 240, kStripOf[1], 255));
    axis(1, 50);
    EXPECT_EQ(g_galleryRow, 0);

    button(3);
    EXPECT_EQ(g_galleryState, kGalleryGrid);
    axis(1, -50);
    EXPECT_EQ(g_galleryRow, 2) << "in the grid, up from the first row reaches the exit";
    axis(1, 50);
    EXPECT_EQ(g_galleryRow, 0);
    EXPECT_EQ(sounds(5), 6);
    EXPECT_EQ(sounds(6), 2);
}

TEST_F(Gallery, ConfirmActsOncePerPressEvenAcrossAnUnreadableFrame)
{
    enter();
    backend_.setJoystickButton(0, true);
    frame();
    ASSERT_EQ(g_galleryState, kGalleryFullScreen);
    // Focus lost: the pad cannot be read for a frame, the button still down.
    g_windowActive = false;
    backend_.unacquireJoystick();
    frame();
    g_windowActive = true;
    frames(2);
    EXPECT_EQ(g_galleryState, kGalleryFullScreen);
    backend_.setJoystickButton(0, false);
    frame();
    EXPECT_EQ(sounds(6), 1);
}

TEST_F(Gallery, TheExitRowReturnsToTheTitleAndTheNextVisitStartsAfresh)
{
    frame();  // on the title
    titleCursor() = 3;
    backend_.setJoystickButton(0, true);
    frames(3);
    ASSERT_EQ(g_scene, kSceneGallery);
    EXPECT_EQ(g_galleryState, kGalleryGrid) << "the press that chose the gallery opens no picture";
    backend_.setJoystickButton(0, false);
    frame();

    axis(0, 50);
    axis(1, 50);
    axis(1, 50);
    ASSERT_EQ(g_galleryRow, kGalleryExitRow);
    button(5);
    EXPECT_EQ(g_scene, kSceneTitle);
    EXPECT_EQ(g_galleryState, kGalleryUnset);
    EXPECT_EQ(g_galleryColumn, 0);
    EXPECT_EQ(g_galleryRow, 0);
    EXPECT_EQ(g_texGallery, nullptr) << "the pictures are released on the way out";
    EXPECT_EQ(titleCursor(), 0);

    g_scene = kSceneGallery;
    frame();
    EXPECT_EQ(g_galleryState, kGalleryGrid);
    EXPECT_TRUE(shows(112 + 32, 110, 2, 255));
}

}  // namespace

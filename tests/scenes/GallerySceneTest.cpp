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

constexpr int kPlaceholderEntry = 10;

// One flat colour per gallery texture, each channel 40, 120 or 200, so that a
// pixel names its texture at full and at half alpha: the strips (entries 0
// and 1) and the placeholder use 120, picture k spells its bits in 40 and 200.
uint32_t entryColour(int entry)
{
    if (entry == 0 || entry == 1 || entry == kPlaceholderEntry)
        return entry == 0 ? 0xFF7878C8 : entry == 1 ? 0xFFC87878 : 0xFF787878;
    const int k = entry - 2;
    auto level = [](int bit) { return bit ? 200u : 40u; };
    return 0xFF000000 | level(k & 1) << 16 | level(k & 2) << 8 | level(k & 4);
}

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
    void TearDown() override
    {
        std::fill(g_unlockFlags, g_unlockFlags + kUnlockFlagCount, 0);
        SceneTest::TearDown();
    }
    // True when the pixel is the entry's colour drawn at alpha over black.
    bool shows(int x, int y, int entry, int alpha) const
    {
        const uint32_t pixel = device_.backBuffer()[y * 640 + x];
        for (int shift = 0; shift < 24; shift += 8) {
            const int expected = int((entryColour(entry) >> shift) & 0xFF) * alpha / 255;
            if (std::abs(int((pixel >> shift) & 0xFF) - expected) > 3)
                return false;
        }
        return true;
    }
};

TEST_F(Gallery, TheGridShowsOnlyUnlockedPicturesWithTheHighlightOpaque)
{
    g_scene = kSceneGallery;
    frame();
    ASSERT_EQ(g_galleryState, kGalleryGrid);
    for (int picture = 0; picture < 8; ++picture) {
        SCOPED_TRACE(picture);
        const int row = picture / 4;
        const int x = 112 + 112 * (picture % 4);
        const int y = 80 + 152 * row + 30;
        const int alpha = picture == 0 ? 255 : 127;
        const bool unlocked = g_unlockFlags[picture] == 1;
        EXPECT_TRUE(shows(x + 32, y, unlocked ? 2 + picture : kPlaceholderEntry, alpha));
        EXPECT_TRUE(shows(x + 72, y, unlocked ? row : kPlaceholderEntry, alpha));
    }
}

TEST_F(Gallery, TheFullScreenViewPagesThroughPicturesAndShowsThePlaceholderForLockedOnes)
{
    g_scene = kSceneGallery;
    frame();
    pushStick(0, -50);
    EXPECT_EQ(g_galleryColumn, 3) << "left from the first column wraps";
    // Opened by a press that spans a frame on which the pad cannot be read
    // (focus lost): it acts once.
    backend_.setJoystickButton(0, true);
    frame();
    g_windowActive = false;
    backend_.unacquireJoystick();
    frame();
    g_windowActive = true;
    pressButton(0);
    ASSERT_EQ(g_galleryState, kGalleryFullScreen);
    EXPECT_TRUE(shows(256, 240, 2 + 3, 255));
    EXPECT_TRUE(shows(576, 240, 0, 255));

    pushStick(1, -50);
    EXPECT_EQ(g_galleryRow, 1) << "the exit row is out of reach in the full-screen view";
    EXPECT_TRUE(shows(256, 240, kPlaceholderEntry, 255));
    EXPECT_TRUE(shows(576, 240, kPlaceholderEntry, 255));
    press(Key::Left);
    EXPECT_TRUE(shows(256, 240, 2 + 6, 255));
    EXPECT_TRUE(shows(576, 240, 1, 255));
    pushStick(1, 50);
    EXPECT_EQ(g_galleryRow, 0);

    pressButton(3);
    EXPECT_EQ(g_galleryState, kGalleryGrid);
    pushStick(1, -50);
    EXPECT_EQ(g_galleryRow, kGalleryExitRow) << "in the grid, up from the first row reaches the exit";
    EXPECT_EQ(sounds(5), 5);
    EXPECT_EQ(sounds(6), 2);
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
    pushStick(0, 50);
    pushStick(1, 50);
    pushStick(1, 50);
    ASSERT_EQ(g_galleryRow, kGalleryExitRow);
    pressButton(5);
    EXPECT_EQ(g_scene, kSceneTitle);
    EXPECT_EQ(g_galleryState, kGalleryUnset);
    EXPECT_EQ(g_texGallery, nullptr) << "the pictures are released on the way out";
    EXPECT_EQ(titleCursor(), 0);

    g_scene = kSceneGallery;
    frame();
    EXPECT_TRUE(shows(112 + 32, 110, 2, 255)) << "back on the first picture";
}

}  // namespace

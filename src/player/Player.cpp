// The craft's step: after-images, controls, drawing, the idle row animation
// and the after-image ring.
#include "player/Player.h"

#include "app/PlayFlags.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "input/DirectInput.h"
#include "objects/GameObject.h"
#include "player/Controls.h"
#include "player/PlayerState.h"

AfterImageRing g_afterImages;

namespace {

constexpr uint32_t kAfterImageColour = 100u << 24 | 120u << 16 | 120u << 8 | 255u;
constexpr int kRowFrames = 5;

// The idle animation ping-pongs through the four rows, one step every 6 frames.
int g_rowFrame = 0;
bool g_rowDown = false;

const platform::Texture* poseSheet(int sheet)
{
    return g_texPlayer && sheet < g_texPlayerCount ? g_texPlayer[sheet] : nullptr;
}

int currentPoseSheet() { return g_playerState == 0 ? 0 : 1; }

void drawAfterImages()
{
    enableAlphaBlend();
    setNormalBlend();
    platform::Vertex quad[4];
    for (int i = g_afterImages.fill - 1; i >= 0; --i) {
        const AfterImage& image = g_afterImages.images[i];
        uint32_t argb = (static_cast<uint32_t>(image.alpha) & 0xFF) << 24 | (kAfterImageColour & 0xFFFFFF);
        axisQuad(quad, image.x - 0.5f, image.y, 64, 64, argb, image.cell * 0.25f, 0.25f,
                 image.anim, 0.25f);
        bindTexture(poseSheet(image.poseSheet));
        drawQuad(quad);
    }
}

void drawCraft(const GameObject& craft)
{
    enableAlphaBlend();
    setNormalBlend();
    bindTexture(poseSheet(currentPoseSheet()));
    platform::Vertex quad[4];
    axisQuad(quad, craft.x(), craft.y(), 64, 64, objectColour(craft), craft.cell() * 0.25f,
             0.25f, craft.anim(), 0.25f);
    drawQuad(quad);
}

void stepRows(GameObject& craft)
{
    if (g_rowFrame < kRowFrames) {
        ++g_rowFrame;
        return;
    }
    g_rowFrame = 0;
    if (craft.anim() >= 0.75f)
        g_rowDown = true;
    else if (craft.anim() <= 0)
        g_rowDown = false;
    craft.setAnim(craft.anim() + (g_rowDown ? -0.25f : 0.25f));
}

void storeAfterImage(const GameObject& craft)
{
    AfterImage image{craft.x(), craft.y(), craft.cell(), craft.anim(), 100, currentPoseSheet()};
    if (g_afterImages.fill < kAfterImageCount) {
        g_afterImages.images[g_afterImages.fill++] = image;
        return;
    }
    g_afterImages.images[g_afterImages.ringIndex] = image;
    g_afterImages.ringIndex = (g_afterImages.ringIndex + 1) % kAfterImageCount;
}

}  // namespace

void updatePlayer()
{
    if (!g_playerObject)
        return;
    GameObject& craft = *g_playerObject;
    if (g_focusActive)
        drawAfterImages();
    if (!g_playerFrozen && !g_messageMode) {
        if (joystickExists())
            readJoystickControls();
        if (!g_joystickUsed)
            readKeyboardControls();
        g_joystickUsed = false;
        controlPlayer();
    }
    drawCraft(craft);
    stepRows(craft);
    storeAfterImage(craft);
    // A hit tints the craft red for the one frame it happened in.
    craft.setGreen(255);
    craft.setBlue(255);
}

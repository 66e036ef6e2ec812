// Explosions, sparks and flashes: frame animations that play once, the source
// that keeps releasing boss explosions, and the full-screen flash.
#include "effects/EffectRules.h"
#include "effects/Effects.h"
#include "objects/GameObject.h"

namespace effects {

namespace {

// Columns: kind; last frame; hold (updates each frame is shown).
struct OneShotRow {
    int kind;
    int32_t lastFrame;
    int32_t hold;
};

constexpr OneShotRow kOneShotTable[] = {
    {3, 6, 2},   {5, 6, 2},   {6, 7, 3},   {7, 7, 3},   {8, 7, 3},
    {18, 7, 6},  {24, 4, 6},  {25, 4, 6},  {35, 7, 3},  {36, 7, 4},
    {38, 7, 2},  {200, 7, 2}, {201, 7, 2},
};

const OneShotRow* oneShotRow(int kind)
{
    for (const OneShotRow& row : kOneShotTable)
        if (row.kind == kind)
            return &row;
    return nullptr;
}

constexpr int kBossExplosion = 36;

}  // namespace

void playOnce(GameObject& e, int32_t lastFrame, int32_t hold)
{
    if (e.cell() < hold - 1) {
        e.setCell(e.cell() + 1);
        return;
    }
    e.setCell(0);
    if (e.anim() >= static_cast<float>(lastFrame))
        e.kill();
    else
        e.setAnim(e.anim() + 1);
}

void loopFrames(GameObject& e, int32_t lastFrame, int32_t hold)
{
    if (e.cell() < hold - 1) {
        e.setCell(e.cell() + 1);
        return;
    }
    e.setCell(0);
    e.setAnim(e.anim() >= static_cast<float>(lastFrame) ? 0 : e.anim() + 1);
}

void placeAt(GameObject& e, float x, float y, int32_t width, int32_t height)
{
    e.setX(x);
    e.setY(y);
    e.setWidth(width);
    e.setHeight(height);
}

bool isOneShot(int kind) { return oneShotRow(kind) != nullptr; }

void updateOneShot(GameObject& e)
{
    if (const OneShotRow* row = oneShotRow(e.kind()))
        playOnce(e, row->lastFrame, row->hold);
}

// Four boss explosions 30 updates apart, gone on the 102nd update.
void updateExplosionSource(GameObject& e)
{
    if (e.timer() % 30 == 0)
        spawnEffect(&e, kBossExplosion);
    loopFrames(e, 7, 4);
    if (e.timer() > 100)
        e.kill();
    e.incrementTimer();
}

// Covers the screen for 42 frames.
void updateScreenFlash(GameObject& e)
{
    if (e.step() == 0) {
        placeAt(e, 0, 0, 640, 480);
        e.setStepOne();
        return;
    }
    if (e.timer() == 40)
        e.kill();
    else
        e.incrementTimer();
}

}  // namespace effects

// The map characters that fire: fixed-direction turrets, spiral turrets with
// one or four arms, and the rotating turret that draws itself as it turns.
#include "bullets/BulletSpawn.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "objects/GameObject.h"
#include "stage/MapCharRules.h"

namespace {

constexpr int kTurretBullet = 32;
constexpr int kSpiralBullet = 33;
constexpr int kRotatingTurretBullet = 1001;
constexpr int32_t kFireInterval = 5;
constexpr int32_t kRotatingFireInterval = 50;

// Bullets of kinds 32 and 33 follow their turret: it points the emitter at
// itself before it fires.
void aimEmitter(const MapChar& record, const MapCharView& view)
{
    g_mapEmitterObject->setOwnerIndex(record.index);
    g_mapEmitterObject->setX(static_cast<float>(view.screenX));
    g_mapEmitterObject->setY(static_cast<float>(view.screenY));
}

}  // namespace

void fixedTurretAction(MapChar& record, const MapCharView& view)
{
    // param3 frames of firing, then the turret rests until its clock passes
    // param2 again.
    record.phase += 1;
    if (record.phase > record.param3) {
        record.phase = 0;
        record.clock = 0;
        return;
    }
    if (!view.onScreen)
        return;
    constexpr double kDirectionAngle[4] = {180, 0, 270, 90};
    if (record.shotCounter % kFireInterval == 0 && g_mapEmitterObject && record.param0 >= 0 &&
        record.param0 < 4) {
        aimEmitter(record, view);
        spawnBullet(g_mapEmitterObject, kTurretBullet, kDirectionAngle[record.param0]);
    }
    record.shotCounter += 1;
}

void spiralTurretAction(MapChar& record, const MapCharView& view, int32_t arms)
{
    if (!view.onScreen)
        return;
    if (record.shotCounter % kFireInterval == 0 && g_mapEmitterObject) {
        aimEmitter(record, view);
        // param0 0 turns the spiral one way, 1 the other.
        if (record.param0 == 0 || record.param0 == 1) {
            const double base = record.param0 == 0 ? 359.0 - record.param3 : record.param3;
            for (int32_t k = 0; k < arms; ++k)
                spawnBullet(g_mapEmitterObject, kSpiralBullet, base + k * 90.0);
        }
        record.param3 = record.param3 % 359 + 2;
    }
    record.shotCounter += 1;
}

void rotatingTurretAction(MapChar& record, const MapCharView& view)
{
    if (!view.onScreen || !g_mapEmitterObject)
        return;
    GameObject& emitter = *g_mapEmitterObject;
    if (record.shotCounter % kFireInterval == 0) {
        if (record.shotCounter % kRotatingFireInterval == 0) {
            emitter.setX(static_cast<float>(view.screenX));
            emitter.setY(static_cast<float>(view.screenY));
            spawnBullet(&emitter, kRotatingTurretBullet, 0.0);
        }
        record.u = static_cast<float>(record.frame) * record.du;
        record.frame = (record.frame + 1) % 5;
    }
    record.shotCounter += 1;
    // A hit this frame shows red for this frame only.
    if (record.hitFlash) {
        record.hitFlash = false;
        emitter.setRed(255);
        emitter.setGreen(0);
        emitter.setBlue(0);
    } else {
        emitter.setRed(255);
        emitter.setGreen(255);
        emitter.setBlue(255);
    }
    const platform::Texture* sheet = g_texMapCount > 0 ? g_texMap[0] : nullptr;
    drawSpriteRotatedTinted(sheet, static_cast<float>(view.screenX + 9),
                            static_cast<float>(view.screenY + 9), 45, 45, record.u, record.du,
                            record.v, record.dv, record.angle, emitter);
}

// The orbit boss (kind 10) and its satellites (kind 11): one ring of 24 slots
// that slides in from the right, then turns around its centre while every
// member runs its own firing sequence.
#include "enemies/Bosses.h"

#include <cmath>
#include <cstdint>

#include "bullets/BulletSpawn.h"
#include "effects/Effects.h"
#include "enemies/EnemyRules.h"
#include "enemies/EnemySpawn.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "sound/Sound.h"
#include "text/Conversation.h"

GameObject* g_orbitBoss = nullptr;
bool g_orbitTurning = false;

namespace {

constexpr int kOrbitBossKind = 10;
constexpr int kSatelliteKind = 11;

constexpr double kRingRadius = 208;
constexpr double kRingCentreX = 288;
constexpr double kRingCentreY = 208;
// The ring starts this far right of its place and slides in at this speed.
constexpr float kEntryOffset = 480;
constexpr float kEntrySpeed = 1.5f;
// Degrees per step once the ring turns.
constexpr float kTurnSpeed = 0.2f;

// The satellites fill the slots 200 + 15i; slot 8 is the boss's own.
constexpr int kSlots = 23;
constexpr int kBossSlot = 8;
constexpr double kFirstSlot = 200;
constexpr double kSlotSpacing = 15;
constexpr double kBossAngle = 320;

constexpr int kBossPortrait = 15;
constexpr int kBossMusic = 4;
constexpr int kVanishEffect = 37;
constexpr int kRingShot = 28;
constexpr int kAimedShot = 31;

constexpr float kSpriteSize = 44.8f;

float ringX(double angle)
{
    return static_cast<float>(std::cos(angle * kDegToRad) * kRingRadius + kRingCentreX);
}

float ringY(double angle)
{
    return static_cast<float>(std::sin(angle * kDegToRad) * kRingRadius + kRingCentreY);
}

void moveToRing(GameObject& member)
{
    member.setX(ringX(member.angle()));
    member.setY(ringY(member.angle()));
}

// Starts the entry: on the ring's row, far enough right to slide in.
void placeRightOfRing(GameObject& member)
{
    moveToRing(member);
    member.setX(member.x() + kEntryOffset);
}

// One step of the entry slide; true once the member has reached its place.
bool slideToRing(GameObject& member)
{
    if (static_cast<int>(ringX(member.angle())) < member.x()) {
        member.setX(member.x() - kEntrySpeed);
        return false;
    }
    return true;
}

// Once the ring turns every member keeps to its slot and moves the slot on.
void turnWithRing(GameObject& member, float speed)
{
    if (!g_orbitTurning)
        return;
    moveToRing(member);
    if (member.angle() > 360)
        member.setAngle(member.angle() - 360);
    if (member.angle() < 0)
        member.setAngle(member.angle() + 360);
    member.setAngle(member.angle() + speed);
}

const platform::Texture* ringSheet()
{
    return g_texEnemy && g_texEnemyCount > 1 ? g_texEnemy[1] : nullptr;
}

// A fan of count shots from aim + first, spacing degrees apart.
void fireAimedFan(GameObject& boss, int count, double first, double spacing)
{
    for (int i = 0; i < count; ++i)
        spawnBullet(&boss, kRingShot, aimAngle(boss) + first + spacing * i);
}

void enterBoss(GameObject& boss)
{
    if (boss.timer() == 0) {
        g_orbitBoss = &boss;
        g_orbitTurning = false;
        for (int i = 0; i < kSlots; ++i) {
            if (i != kBossSlot)
                spawnEnemy(kSatelliteKind, 0, 0, kFirstSlot + kSlotSpacing * i);
        }
        boss.setAngle(kBossAngle);
        placeRightOfRing(boss);
        boss.setSpeed(kTurnSpeed);
    } else if (slideToRing(boss)) {
        boss.advanceStepAfter(0);
        g_portrait[1] = kBossPortrait;
        startConversation();
        playMusic(kBossMusic);
        g_orbitTurning = true;
    }
    boss.incrementTimer();
}

// The opening fan every 100 steps, with shots at the ring centre every
// centrePeriod steps.
void fireFanAndCentre(GameObject& boss, int centrePeriod)
{
    if (boss.timer() % centrePeriod == 0)
        spawnBullet(&boss, kRingShot, boss.angle() + 180);
    if (boss.timer() % 100 == 0)
        fireAimedFan(boss, 6, -60, 20);
}

void runBossStep(GameObject& boss)
{
    const int32_t t = boss.timer();
    switch (boss.step()) {
    case 0:
        enterBoss(boss);
        return;
    case 1:
        fireFanAndCentre(boss, 80);
        boss.advanceStepAfter(600);
        return;
    case 2:
        fireFanAndCentre(boss, 30);
        boss.advanceStepAfter(200);
        return;
    case 3:
        if (t % 100 == 0)
            fireAimedFan(boss, 2, 0, 20);
        boss.advanceStepAfter(500);
        return;
    case 4:
        if (t % 10 == 0)
            fireAimedFan(boss, 2, 0, 20);
        boss.advanceStepAfter(210);
        return;
    case 5:
        if (t % 50 == 0)
            fireAimedFan(boss, 5, 0, 20);
        boss.advanceStepAfter(210);
        return;
    case 6:
        if (t % 20 == 0)
            fireAimedFan(boss, 3, 0, 30);
        boss.advanceStepAfter(120);
        return;
    case 7:
        if (t % 20 == 0)
            fireAimedFan(boss, 8, -100, 20);
        boss.advanceStepAfter(120);
        return;
    default:
        boss.setStepOne();
        return;
    }
}

// The satellites' fixed headings and lengths for steps 4 to 7.
constexpr double kSatelliteHeadings[4] = {270, 0, 135, 315};
constexpr int32_t kSatelliteStepLengths[4] = {210, 210, 120, 120};

// Only the bottom and top of the ring fire at the craft.
bool passingBottomOrTop(double angle)
{
    return (angle > 80 && angle < 100) || (angle > 280 && angle < 300);
}

void runSatelliteStep(GameObject& satellite)
{
    const int32_t t = satellite.timer();
    switch (satellite.step()) {
    case 0:
        if (t == 0)
            placeRightOfRing(satellite);
        else if (slideToRing(satellite))
            satellite.advanceStepAfter(0);
        satellite.incrementTimer();
        return;
    case 1:
        // Bullet kind 31 aims itself at the craft.
        if (t % 100 == 0 && passingBottomOrTop(satellite.angle()))
            spawnBullet(&satellite, kAimedShot, satellite.angle() + 180);
        satellite.advanceStepAfter(600);
        return;
    case 2:
        if (t % 200 == 0)
            spawnBullet(&satellite, kRingShot, aimAngle(satellite) - 32);
        satellite.advanceStepAfter(200);
        return;
    case 3:
        if (t % 100 == 0)
            spawnBullet(&satellite, kRingShot, satellite.angle() + 180);
        satellite.advanceStepAfter(500);
        return;
    case 4:
    case 5:
    case 6:
    case 7: {
        int row = satellite.step() - 4;
        if (t % 50 == 0)
            spawnBullet(&satellite, kRingShot, kSatelliteHeadings[row]);
        satellite.advanceStepAfter(kSatelliteStepLengths[row]);
        return;
    }
    default:
        satellite.setStepOne();
        return;
    }
}

// The satellites belong to the boss that spawned them, and only while it
// leads the enemy list; the turn speed is read from that boss alone, so a
// satellite never reaches through a pointer to a boss that has gone.
const GameObject* leadingBoss()
{
    const GameObject* head = g_enemyList;
    if (!head || head->kind() != kOrbitBossKind || head != g_orbitBoss)
        return nullptr;
    return head;
}

}  // namespace

void updateOrbitBoss(GameObject& boss)
{
    runBossStep(boss);
    turnWithRing(boss, boss.speed());
    drawSpriteRotatedTinted(ringSheet(), boss.x(), boss.y(), kSpriteSize, kSpriteSize, 0.25f,
                            0.125f, 0.875f, 0.125f, static_cast<int32_t>(boss.angle()), boss);
}

void updateOrbitSatellite(GameObject& satellite)
{
    const GameObject* boss = leadingBoss();
    if (!boss) {
        satellite.kill();
        spawnEffect(&satellite, kVanishEffect);
        return;
    }
    runSatelliteStep(satellite);
    turnWithRing(satellite, boss->speed());
    drawSpriteRotated(ringSheet(), satellite.x(), satellite.y(), kSpriteSize, kSpriteSize, 0.25f,
                      0.125f, 0.75f, 0.125f, static_cast<int32_t>(satellite.angle()));
}

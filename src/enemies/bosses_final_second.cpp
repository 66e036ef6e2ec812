// The final boss's second form: the core (kind 17) and its two arms (kinds 18
// and 19), which follow the core and hand it the damage they take.
#include <cmath>
#include <initializer_list>

#include "bullets/BulletSpawn.h"
#include "collision/Destruction.h"
#include "collision/Items.h"
#include "enemies/Bosses.h"
#include "enemies/BossesFinal.h"
#include "enemies/SweepOrigin.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "player/PlayerState.h"

GameObject* g_secondFormCore = nullptr;
int32_t g_armHpA = 0;
int32_t g_armHpB = 0;

namespace {

// The pattern for each step; the last entry sends the loop back to step 1.
constexpr int kRepeatFromStepOne = -1;
constexpr int kCorePatterns[] = {0, 7, 5, 7, 2, 9, 1, 6, 4, 1, 2, 3, 4, -1};
constexpr int kCoreSteps = sizeof(kCorePatterns) / sizeof(kCorePatterns[0]);

constexpr int kCoreKind = 17;
constexpr int kArmAKind = 18;
constexpr float kPostX = 512;
constexpr float kPostY = 128;
// timer2 is how far the arms stand open; each pattern opens them this far
// before it fires.
constexpr int32_t kArmsOpen = 40;
constexpr int32_t kArmSwing = 45;
constexpr int kItemKind = 0;

void fire(GameObject& core, int kind, double angle)
{
    spawnBullet(&core, kind, angle);
}

// True while the arms are still opening; the pattern holds its fire.
bool leadIn(GameObject& core)
{
    if (core.timer2() < kArmsOpen) {
        core.incrementTimer2();
        return true;
    }
    return false;
}

void takePost(GameObject& core)
{
    g_secondFormCore = &core;
    core.setX(kPostX);
    core.setY(kPostY);
    core.resetTimer2();
    core.advanceStepAfter(0);
}

void fanBursts(GameObject& core)
{
    int32_t t = core.timer();
    if (!leadIn(core) && t % 20 == 0) {
        if (t < 61) {
            for (double angle : {100, 120, 140})
                fire(core, 45, angle);
        } else if (200 < t && t < 261) {
            for (double angle : {200, 210, 220})
                fire(core, 45, angle);
            core.incrementTimer3();
        } else if (370 < t && t < 430) {
            fire(core, 45, 160);
            core.incrementTimer3();
        }
    }
    core.advanceStepAfter(600);
}

// Hurts the craft wherever one of count points, spacing apart along the
// heading from (x, y), comes within reach.
void damageSweep(float x, float y, double degrees, int32_t spacing, int32_t count)
{
    if (!g_playerObject || !g_sweepOriginObject)
        return;
    g_sweepOriginObject->setX(x);
    g_sweepOriginObject->setY(y);
    double a = degrees * kDegToRad;
    g_playerObject->sweepDamage(*g_sweepOriginObject, static_cast<float>(std::cos(a) * spacing),
                                static_cast<float>(std::sin(a) * spacing), spacing, count);
}

// The arms sweep as they swing; the core shudders in place, then dashes left
// folding its arms in.
void armSweepAndDash(GameObject& core)
{
    int32_t d = core.timer2() % kArmSwing;
    damageSweep(core.x() + 96, core.y() + 140, 180 + d, 40, 6);
    damageSweep(core.x() + 70, core.y() + 128, 188 - d, 35, 5);
    damageSweep(core.x(), core.y() + 64, 25, 150, 6);
    int32_t t = core.timer();
    if (t < 100) {
        // The angle is taken as radians here, so the circling is a shudder.
        core.setX(static_cast<float>(core.x() + std::cos(core.angle())));
        core.setY(static_cast<float>(core.y() + std::sin(core.angle())));
        core.setAngle(std::fmod(std::floor(core.angle()), 360.0) + 4);
    } else if (core.x() > 150) {
        if (!core.flag() && t > 200) {
            core.moveAlong(180, 12);
            if (core.x() < 400 && core.timer2() > 0)
                core.setTimer2(core.timer2() - 2);
        } else {
            if (core.timer2() < kArmsOpen)
                core.incrementTimer2();
            core.toggleFlag();
        }
    }
    core.advanceStepAfter(280);
}

void creepBackFiring(GameObject& core)
{
    if (core.x() < 500) {
        if (!leadIn(core)) {
            if (core.timer3() > 30) {
                if (core.timer() % 10 == 0)
                    fire(core, 41, 200);
                if (core.timer3() > 120)
                    core.setTimer3(0);
            }
            core.incrementTimer3();
        }
        core.setX(core.x() + 1);
    }
    core.advanceStepAfter(400);
}

void scatterStorm(GameObject& core)
{
    int32_t t = core.timer();
    if (!leadIn(core) && t % 5 == 0) {
        core.incrementTimer3();
        int32_t c = core.timer3() % 30;
        fire(core, 42, scatterA(0, c) / 2 + 90);
        fire(core, 42, scatterA(1, c) / 3 + 135);
        fire(core, 42, scatterA(2, c) / 2 + 120);
        fire(core, 42, scatterA(3, c) / 3 + 90);
        fire(core, 42, scatterA(3, c));
        if (t % 60 == 0)
            fire(core, 41, 200);
    }
    core.advanceStepAfter(1000);
}

// Each fan of five turns ten degrees further down than the last.
void turningFans(GameObject& core)
{
    if (!leadIn(core) && core.timer() % 20 == 0) {
        for (int i = 0; i < 5; ++i)
            fire(core, 40, 75 + 15 * i + 10 * core.timer3());
        core.incrementTimer3();
    }
    core.advanceStepAfter(300);
}

void aimedShots(GameObject& core)
{
    if (!leadIn(core) && core.timer() % 90 == 0 && g_playerObject)
        fire(core, 43, angleDegrees(g_playerObject->x() - core.x(),
                                    g_playerObject->y() - core.y()));
    core.advanceStepAfter(1000);
}

void threeWay(GameObject& core)
{
    if (!leadIn(core) && core.timer() % 20 == 0) {
        for (double angle : {180, 235, 125})
            fire(core, 40, angle);
    }
    core.advanceStepAfter(200);
}

void straightShots(GameObject& core)
{
    if (!leadIn(core) && core.timer() % 20 == 0) {
        fire(core, 40, 180);
        core.incrementTimer3();
    }
    core.advanceStepAfter(300);
}

void dashBackFiring(GameObject& core)
{
    if (core.x() < 500) {
        if (!leadIn(core) && core.timer() % 3 == 0 && core.timer3() < 5) {
            fire(core, 43, 90 + 40 * core.timer3());
            core.incrementTimer3();
        }
        core.setX(core.x() + 5);
    }
    core.advanceStepAfter(300);
}

// Damage an arm took since its last update goes to the core. Death this way
// scores nothing, and needs the core's hit points below 0, not just at 0.
void passDamageOn(GameObject& arm, int32_t& stored, GameObject& core)
{
    if (arm.hp() == stored)
        return;
    core.setHp(core.hp() + (arm.hp() - stored));
    if (core.hp() < 0 && core.alive()) {
        spawnItems(&core, kItemKind, core.value());
        onDestroyed(core);
        core.kill();
    }
    stored = arm.hp();
}

}  // namespace

void updateSecondFormCore(GameObject& core)
{
    int32_t step = core.step();
    int pattern = step >= 0 && step < kCoreSteps ? kCorePatterns[step] : kRepeatFromStepOne;
    switch (pattern) {
    case 0: takePost(core); break;
    case 1: fanBursts(core); break;
    case 2: armSweepAndDash(core); break;
    case 3: creepBackFiring(core); break;
    case 4: scatterStorm(core); break;
    case 5: turningFans(core); break;
    case 6: aimedShots(core); break;
    case 7: threeWay(core); break;
    case 8: straightShots(core); break;
    case 9: dashBackFiring(core); break;
    default: core.setStepOne(); break;
    }
}

void updateSecondFormArm(GameObject& arm)
{
    GameObject* head = g_enemyList;
    if (!head || head->kind() != kCoreKind) {
        arm.kill();
        return;
    }
    bool armA = arm.kind() == kArmAKind;
    int32_t& stored = armA ? g_armHpA : g_armHpB;
    // A core removed by a shot leaves the pointer stale, so it is only
    // trusted while it is the core at the head of the list.
    GameObject* core = g_secondFormCore == head ? head : nullptr;
    if (arm.step() == 0) {
        stored = arm.hp();
        arm.setStepOne();
    } else if (core) {
        passDamageOn(arm, stored, *core);
    }
    if (!core)
        return;
    int32_t d = core->timer2() % kArmSwing;
    float offset = static_cast<float>(armA ? d : -d);
    arm.setX(core->x() + 64 + offset);
    arm.setY(core->y() + 64 + offset);
    arm.setAngle(armA ? d : -d);
}

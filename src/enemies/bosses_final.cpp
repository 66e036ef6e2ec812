// The final boss's first form (kind 8): fifteen patterns in a loop, until the
// damage taken makes it give way to its second form.
#include "enemies/Bosses.h"

#include <cmath>
#include <initializer_list>

#include "bullets/BulletSpawn.h"
#include "effects/Effects.h"
#include "enemies/BossesFinal.h"
#include "enemies/EnemySpawn.h"
#include "objects/GameObject.h"
#include "player/PlayerState.h"
#include "sound/Sound.h"
#include "text/Conversation.h"

namespace {

constexpr int kScatterRowsA = 4;
constexpr int kScatterColumnsA = 30;

constexpr int32_t kScatterTableA[kScatterRowsA * kScatterColumnsA] = {
    89,  99,  35,  125, 118, 114, 93,  54,  54,  20,  119, 12,  104, 127, 83,
    64,  19,  69,  68,  65,  49,  37,  23,  17,  5,   123, 61,  70,  24,  86,
    24,  345, 345, 127, 211, 146, 352, 377, 349, 365, 292, 59,  94,  58,  127,
    317, 137, 380, 314, 400, 56,  218, 117, 341, 277, 321, 12,  140, 126, 334,
    211, 302, 119, 275, 159, 320, 173, 283, 125, 156, 366, 308, 341, 338, 232,
    370, 71,  297, 205, 193, 269, 396, 325, 286, 337, 59,  241, 322, 175, 6,
    163, 368, 373, 270, 322, 115, 159, 336, 355, 218, 148, 381, 288, 323, 224,
    279, 318, 361, 220, 54,  198, 3,   352, 187, 314, 214, 147, 18,  68,  111,
};

// The pattern for each step; the last entry sends the loop back to step 1.
constexpr int kRepeatFromStepOne = -1;
constexpr int kFirstFormPatterns[] = {0, 1, 9, 10, 8, 7, 6, 1, 6, 2, 3, 4, 5, 6, 3, -1};
constexpr int kFirstFormSteps = sizeof(kFirstFormPatterns) / sizeof(kFirstFormPatterns[0]);

// Below half its hit points (as a truncated percentage) the form changes.
constexpr int kFormChangePercent = 50;
constexpr int kEffectFormChange = 4;
constexpr int kSecondFormCore = 17;
constexpr int kSecondFormArmA = 18;
constexpr int kSecondFormArmB = 19;

constexpr float kEntryStopX = 512;
constexpr int kPortrait = 8;
constexpr int kMusic = 3;
// The leap and the dive leave the boss moving at this speed from then on.
constexpr float kLeapSpeed = 30;

void fire(GameObject& boss, int kind, double angle)
{
    spawnBullet(&boss, kind, angle);
}

void fireCross(GameObject& boss)
{
    for (double angle : {0, 90, 180, 270})
        fire(boss, 20, angle);
}

// The column follows the timer, so a row plays out as a fixed spread sequence.
void scatterFire(GameObject& boss, int kind, int32_t row, double base)
{
    fire(boss, kind, scatterA(row, boss.timer() % kScatterColumnsA) + base);
}

void setFlag(GameObject& boss, bool on)
{
    if (boss.flag() != on)
        boss.toggleFlag();
}

// Swings the angle one degree a step between 90 and 270.
void angleSweep(GameObject& boss)
{
    boss.setAngle(boss.flag() ? boss.angle() + 1 : boss.angle() - 1);
    if (boss.angle() > 270 || boss.angle() < 90)
        boss.toggleFlag();
}

// Four widening streams, then (when the pattern lasts long enough) a climb to
// the top and a curtain fired down from there.
void streamRoutine(GameObject& boss)
{
    int32_t t = boss.timer();
    if (t <= 400) {
        if (t % 15 == 0) {
            for (int i = 0; i < 4; ++i)
                fire(boss, 21, 170 + boss.timer2() + 10 * i);
            boss.incrementTimer2();
        }
    } else if (t >= 551) {
        if (boss.y() > 80) {
            boss.setY(boss.y() - boss.speed());
        } else if (t % 10 == 0) {
            for (int i = 0; i < 10; ++i)
                fire(boss, 22, 158 + 5 * i);
        }
    }
}

void changeForm(GameObject& boss)
{
    spawnEffect(g_playerObject, kEffectFormChange);
    spawnEnemy(kSecondFormCore, 512, 100, 0);
    spawnEnemy(kSecondFormArmB, 560, 128, 0);
    spawnEnemy(kSecondFormArmA, 560, 128, 0);
    // Anything the last pattern fires from here on starts off screen.
    boss.setX(1000);
    boss.kill();
}

void entry(GameObject& boss)
{
    if (boss.x() >= kEntryStopX) {
        boss.setX(boss.x() - boss.speed());
        return;
    }
    boss.advanceStepAfter(0);
    g_portrait[1] = kPortrait;
    startConversation();
    playMusic(kMusic);
}

void scatterVolleys(GameObject& boss)
{
    int32_t t = boss.timer();
    if (t % 3 == 0)
        scatterFire(boss, 39, boss.timer2(), 110);
    if (t % 80 == 0) {
        boss.setTimer2((boss.timer2() + 1) % kScatterRowsA);
        boss.setAngle(180);
        fire(boss, 18, 180);
    }
    if (t % 450 == 0)
        fireCross(boss);
    boss.advanceStepAfter(300);
}

// Up off the top of the screen, then down to 300 and on to the next pattern.
void leap(GameObject& boss)
{
    if (boss.y() > -100 && boss.flag()) {
        boss.setY(boss.y() - boss.speed());
    } else {
        setFlag(boss, false);
        if (boss.y() >= 300) {
            setFlag(boss, true);
            boss.setSpeed(kLeapSpeed);
            boss.advanceStepAfter(0);
        } else {
            boss.setY(boss.y() + boss.speed());
        }
    }
    if (boss.timer() % 5 == 0 && boss.y() < 200)
        fire(boss, 21, 180);
    boss.advanceStepAfter(320);
}

// Sinks to 400 firing ahead, then climbs back to 100 and moves on.
void dive(GameObject& boss)
{
    int32_t t = boss.timer();
    if (t < 101) {
        if (boss.y() < 200)
            boss.setY(boss.y() + boss.speed());
        if (t % 90 == 0) {
            boss.setAngle(180);
            fire(boss, 18, 180);
        }
        if (t == 0)
            fireCross(boss);
    } else if (boss.y() >= 400 || !boss.flag()) {
        setFlag(boss, false);
        if (t % 5 == 0 && boss.y() > 250)
            fire(boss, 21, 180);
        if (boss.y() > 100) {
            boss.setY(boss.y() - boss.speed());
        } else {
            boss.toggleFlag();
            boss.advanceStepAfter(0);
            boss.setSpeed(kLeapSpeed);
        }
    } else {
        boss.setY(boss.y() + boss.speed());
        if (t % 5 == 0)
            fire(boss, 21, 180);
    }
    boss.advanceStepAfter(1000);
}

void pillars(GameObject& boss)
{
    // Bullet kind 24 reads its value as a mode: above 500 a turret on the top
    // wall, else one on the bottom, firing every (value mod 500) steps.
    if (boss.timer() == 0) {
        fire(boss, 24, 580);
        fire(boss, 24, 80);
    }
    boss.advanceStepAfter(800);
}

// A lopsided triangle walked one pixel a step, then back to the post.
void boxWalk(GameObject& boss)
{
    int32_t t = boss.timer();
    if (t % 160 == 0)
        fireCross(boss);
    if (t < 701) {
        int32_t leg = boss.timer2();
        if (leg < 90)
            boss.moveAlong(90, 1);
        else if (leg < 180)
            boss.moveAlong(180, 1);
        else if (leg < 270)
            boss.moveAlong(325, 1);
        else
            boss.setTimer2(0);
        boss.incrementTimer2();
    } else {
        if (boss.x() < 512)
            boss.setX(boss.x() + 1);
        if (boss.y() > 128)
            boss.setY(boss.y() - 1);
    }
    if (t % 20 == 0) {
        // Two curlers, one turning each way.
        fire(boss, 46, -1);
        fire(boss, 46, 1);
        int32_t spread = scatterA(2, boss.timer3() % kScatterColumnsA);
        fire(boss, 47, spread / 2 + 40);
        fire(boss, 47, spread / 3 + 40);
        fire(boss, 47, spread + 40);
        fire(boss, 47, spread / 3 + 120);
        boss.incrementTimer3();
    }
    boss.advanceStepAfter(800);
}

void sweepFans(GameObject& boss)
{
    int32_t t = boss.timer();
    if (t == 0)
        boss.setAngle(90);
    if (boss.timer3() > 30) {
        angleSweep(boss);
        if (t % 10 == 0)
            fire(boss, 48, boss.angle());
        if (boss.timer3() > 120)
            boss.setTimer3(0);
    }
    boss.incrementTimer3();
    if (t % 60 == 0) {
        for (int i = 0; i < 12; ++i)
            fire(boss, 48, 90 + 15 * i);
    }
    if (t % 65 == 0) {
        for (int i = 0; i < 4; ++i) {
            fire(boss, 48, 90 + 10 * i);
            fire(boss, 48, 140 + 10 * i);
        }
    }
    boss.advanceStepAfter(800);
}

void mirroredSweep(GameObject& boss)
{
    int32_t t = boss.timer();
    if (t == 0)
        boss.setAngle(90);
    int32_t row = boss.timer2();
    if (t % 55 == 0)
        scatterFire(boss, 39, row, 200);
    if (t % 60 == 0)
        scatterFire(boss, 39, row, 300);
    if (t % 50 == 0)
        scatterFire(boss, 39, row, 300);
    if (t % 45 == 0)
        scatterFire(boss, 39, row, 360);
    if (boss.timer3() > 30) {
        angleSweep(boss);
        if (t % 8 == 0) {
            fire(boss, 48, -boss.angle());
            fire(boss, 48, boss.angle());
        }
        if (boss.timer3() > 120)
            boss.setTimer3(0);
    }
    boss.incrementTimer3();
    boss.advanceStepAfter(800);
}

// The aim of the homing bullet starts 25 pixels above and left of the craft's
// corner, measured from 64 pixels inside the boss's.
double homingAim(const GameObject& boss)
{
    return angleDegrees((g_playerObject->x() - 25) - boss.x() - 64,
                        (g_playerObject->y() - 25) - boss.y() - 64);
}

void homingSweep(GameObject& boss)
{
    int32_t t = boss.timer();
    if (t == 0)
        boss.setAngle(90);
    if (boss.timer3() > 30) {
        angleSweep(boss);
        if (t % 8 == 0) {
            if (g_playerObject)
                fire(boss, 49, homingAim(boss));
            fire(boss, 48, boss.angle());
        }
        if (t % 3 == 0)
            scatterFire(boss, 39, boss.timer2(), 110);
        if (boss.timer3() > 120)
            boss.setTimer3(0);
    }
    boss.incrementTimer3();
    boss.advanceStepAfter(800);
}

}  // namespace

int32_t scatterA(int32_t row, int32_t column)
{
    row %= kScatterRowsA;
    if (row < 0)
        row += kScatterRowsA;
    column %= kScatterColumnsA;
    if (column < 0)
        column += kScatterColumnsA;
    return kScatterTableA[row * kScatterColumnsA + column];
}

void updateFirstForm(GameObject& boss)
{
    if (static_cast<int>(std::floor(boss.hpRatio() * 100)) < kFormChangePercent)
        changeForm(boss);
    // A step past the table's end restarts the loop like its last entry does.
    int32_t step = boss.step();
    int pattern = step >= 0 && step < kFirstFormSteps ? kFirstFormPatterns[step]
                                                      : kRepeatFromStepOne;
    switch (pattern) {
    case 0: entry(boss); break;
    case 1: scatterVolleys(boss); break;
    case 2: leap(boss); break;
    case 3: streamRoutine(boss); boss.advanceStepAfter(400); break;
    case 4: dive(boss); break;
    case 5: streamRoutine(boss); boss.advanceStepAfter(800); break;
    case 6: pillars(boss); break;
    case 7: boxWalk(boss); break;
    case 8: sweepFans(boss); break;
    case 9: mirroredSweep(boss); break;
    case 10: homingSweep(boss); break;
    default: boss.setStepOne(); break;
    }
}

// The first bosses (kinds 1, 7 and 9): each arrives with a conversation and
// the boss music, then runs its attack cycle until the player's shots wear it
// down. Their defeat is handled by the destruction handler.
#include <cmath>
#include <cstdlib>

#include "bullets/BulletSpawn.h"
#include "bullets/ScatterTable.h"
#include "effects/Effects.h"
#include "enemies/Bosses.h"
#include "enemies/EnemyRules.h"
#include "objects/GameObject.h"
#include "player/PlayerState.h"
#include "sound/Sound.h"
#include "text/Conversation.h"

namespace {

constexpr int kBossMusic = 4;

// Portrait cells of speaker 1 for each boss's arrival conversation.
constexpr int kPortraitKind1 = 13;
constexpr int kPortraitKind7 = 12;
constexpr int kPortraitKind9 = 14;

// The big bosses fly in from the right until this column.
constexpr float kBossStopX = 384;

// Kind 7 bounces inside this box and reverses the controls from its corner.
constexpr float kArenaRight = 512;
constexpr float kArenaBottom = 352;
constexpr float kCornerX = 512;
constexpr float kCornerY = 176;
constexpr double kBounceHeading = 120;
// The back effect that flashes the screen when the controls turn round.
constexpr int kEffectConfusion = 26;

// Kind 9's patterns in the order its steps run them; the end marker goes back
// to step 1, so the entry never repeats.
constexpr int kRepeatPatterns = -1;
constexpr int kKind9Patterns[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, kRepeatPatterns};
constexpr int kKind9Steps = sizeof(kKind9Patterns) / sizeof(kKind9Patterns[0]);

// The arrival: the boss's portrait for speaker 1, its conversation and the
// boss music.
void arrive(int portrait)
{
    g_portrait[1] = portrait;
    startConversation();
    playMusic(kBossMusic);
}

void fire(GameObject& boss, int kind, double angle) { spawnBullet(&boss, kind, angle); }

// Five tight groups of six, fanned to the left.
void fireFiveGroups(GameObject& boss)
{
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 6; ++j)
            fire(boss, 25, 130 + 20 * i + j);
}

// The step counts timer up to last, then moves on with timer back at 0.
bool countTo(GameObject& boss, int last)
{
    if (boss.timer() < last) {
        boss.incrementTimer();
        return false;
    }
    boss.incrementStep();
    boss.resetTimer();
    return true;
}

void moveByVelocity(GameObject& boss)
{
    boss.moveX();
    boss.moveY();
}

// --- kind 1 ---------------------------------------------------------------

void kind1Opening(GameObject& boss)
{
    bool volley = boss.timer() % 150 == 0;
    if (volley) {
        fire(boss, 14, aimAngle(boss) + 25);
        fire(boss, 11, -360);
        fire(boss, 11, 0);
        // Bullet kind 2 ignores its angle.
        fire(boss, 2, std::rand() % 3);
    }
    // The second cell is the firing flash, shown for one frame.
    boss.setAnim(volley ? 1.0f : 0.0f);
    if (boss.timer() % 50 == 0)
        fire(boss, 14, aimAngle(boss) + 25);
    countTo(boss, 501);
}

void kind1Scatter(GameObject& boss)
{
    patrolVertically(boss);
    if (boss.timer() % 100 == 0) {
        for (int i = 0; i < 7; ++i)
            fire(boss, 7, 135 + std::rand() % 90);
        fire(boss, 5, 0);
    }
    countTo(boss, 701);
}

void kind1Walls(GameObject& boss)
{
    patrolVertically(boss);
    if (boss.timer() % 60 == 0)
        fireFiveGroups(boss);
    if (boss.timer() % 10 == 0) {
        if (boss.timer2() > 18) {
            // A wall with three gaps to slip through.
            for (int i = 0; i < 90; ++i) {
                bool gap = (i >= 25 && i <= 27) || (i >= 35 && i <= 37) || (i >= 45 && i <= 47);
                if (!gap)
                    fire(boss, 28, 135 + i);
            }
            boss.resetTimer2();
        } else {
            boss.incrementTimer2();
            // Bullet kind 13 takes a column instead of a heading.
            fire(boss, 13, 640 - 32 * boss.timer2());
        }
    }
    if (boss.timer() < 441) {
        boss.setSpeed(3);
        boss.setAngle(110);
    }
    countTo(boss, 441);
}

void kind1Sweep(GameObject& boss)
{
    patrolVertically(boss);
    if (boss.timer() == 400)
        boss.setSpeed(7);
    if (boss.timer() < 600 && boss.timer() % 5 == 0) {
        for (int i = 0; i < 5; ++i)
            fire(boss, 1, boss.angle() + 30 * i);
    }
    if (countTo(boss, 701))
        boss.setSpeed(3);
}

void kind1Rings(GameObject& boss)
{
    patrolVertically(boss);
    if (boss.timer() % 25 == 0) {
        if (boss.timer() < 500) {
            for (int i = 0; i < 4; ++i)
                for (int j = 0; j < 4; ++j)
                    fire(boss, 1, 90 + 45 * i + 5 * j);
        } else {
            for (int i = 0; i < 36; ++i)
                for (int j = 0; j < 3; ++j)
                    fire(boss, 1, 10 * i + 2 * j);
        }
    }
    if (countTo(boss, 1001))
        boss.setSpeed(boss.baseSpeed());
}

void kind1Beams(GameObject& boss)
{
    patrolVertically(boss);
    // Bullet kind 16 takes the row of its beam instead of a heading.
    if (boss.timer() % 50 == 0)
        fire(boss, 16, boss.timer());
    if (boss.timer() % 20 == 0)
        fire(boss, 0, aimAngle(boss));
    if (countTo(boss, 491)) {
        boss.setSpeed(boss.baseSpeed());
        boss.setStep(1);
    }
}

// --- kind 7 ---------------------------------------------------------------

bool insideArena(const GameObject& boss)
{
    return boss.x() > 0 && boss.x() < kArenaRight && boss.y() > 0 && boss.y() < kArenaBottom;
}

bool outsideArena(const GameObject& boss)
{
    return boss.x() < 0 || boss.x() > kArenaRight || boss.y() < 0 || boss.y() > kArenaBottom;
}

void headFor(GameObject& boss, double angle)
{
    boss.setAngle(angle);
    setVelocity(boss, angle, boss.speed());
}

// baseSpeed marks the bounce: 0 once the boss is inside the arena, 1 after
// it has turned at the edge, so it turns again only after re-entering.
void kind7Bounce(GameObject& boss)
{
    if (insideArena(boss))
        boss.setBaseSpeed(0);
    if (boss.baseSpeed() == 0 && outsideArena(boss)) {
        boss.setBaseSpeed(1);
        headFor(boss, static_cast<int>(std::floor(boss.angle() + 90)) % 360);
        for (int i = 0; i < 10; ++i)
            fire(boss, 1, (90 - 5 * i) - boss.angle());
        fire(boss, 0, aimAngle(boss));
    }
    moveByVelocity(boss);
    if (boss.timer() % 10 == 0)
        boss.toggleFlag();
    boss.setAnim(boss.flag() ? 3.0f : 0.0f);
    if (boss.timer() < 601) {
        boss.incrementTimer();
        return;
    }
    headFor(boss, angleDegrees(kCornerX - boss.x(), kCornerY - boss.y()));
    boss.resetTimer();
    boss.incrementStep();
}

void kind7ReturnToCorner(GameObject& boss)
{
    if (boss.x() < 500 || boss.y() < 160) {
        moveByVelocity(boss);
        return;
    }
    boss.incrementTimer();
    boss.setAnim(boss.flag() ? 2.0f : 0.0f);
    if (boss.timer() % 8 == 0)
        boss.toggleFlag();
    if (boss.timer() % 100 == 0) {
        spawnBackEffect(&boss, kEffectConfusion);
        g_controlsNormal = false;
        boss.setAnim(2);
        boss.resetTimer();
        boss.incrementStep();
    }
}

void kind7Reversed(GameObject& boss)
{
    boss.incrementTimer();
    if (boss.timer() % 50 == 0) {
        for (int i = 0; i < 15; ++i)
            fire(boss, 1, 142 + 5 * i);
    }
    if (boss.timer() % 100 == 0) {
        // Fifteen beams, their rows shifted by half a gap every other volley.
        for (int i = 0; i < 15; ++i)
            fire(boss, 16, boss.flag() ? 32 * i : 32 * i - 16);
        boss.toggleFlag();
    }
    if (boss.timer() % 595 == 0) {
        headFor(boss, kBounceHeading);
        g_controlsNormal = true;
        boss.setAnim(0);
        boss.resetTimer();
        boss.setStep(1);
    }
}

// --- kind 9 ---------------------------------------------------------------

void kind9Entry(GameObject& boss)
{
    if (boss.x() >= kBossStopX) {
        boss.setX(boss.x() - boss.speed());
        return;
    }
    boss.advanceStepAfter(0);
    arrive(kPortraitKind9);
}

// A slow drift of one pixel every second step, turning at rows 0 and 224.
void kind9Drift(GameObject& boss)
{
    if (boss.timer() % 2 == 0) {
        if (boss.flag()) {
            boss.setY(boss.y() + 1);
            if (boss.y() > 224)
                boss.toggleFlag();
        } else {
            boss.setY(boss.y() - 1);
            if (boss.y() < 0)
                boss.toggleFlag();
        }
    }
    if (boss.timer() % 100 == 0)
        fire(boss, 38, 315);
    boss.advanceStepAfter(500);
}

void kind9Fans(GameObject& boss, int period, int count, int spread, int frames)
{
    if (boss.timer() % period == 0) {
        double aim = aimAngle(boss);
        for (int i = 0; i < count; ++i)
            fire(boss, 28, aim + spread * i);
    }
    boss.advanceStepAfter(frames);
}

void kind9Scatter(GameObject& boss)
{
    boss.setTimer2((boss.timer2() + 1) % kScatterRows);
    int column = boss.timer() % kScatterColumns;
    fire(boss, 26, kScatterTableB[boss.timer2() * kScatterColumns + column] + 110);
    boss.advanceStepAfter(200);
}

void kind9Walls(GameObject& boss)
{
    if (boss.timer() % 80 == 0) {
        boss.setAngle(180);
        fireFiveGroups(boss);
        fire(boss, 28, 90);
    }
    if (boss.timer() % 100 == 0) {
        // Two interleaved walls of fifty.
        for (int i = 0; i < 5; ++i)
            for (int j = 0; j < 10; ++j)
                fire(boss, 28, 110 + 40 * i + 10 * j);
        for (int i = 0; i < 5; ++i)
            for (int j = 0; j < 10; ++j)
                fire(boss, 28, 108 + 41 * i + 12 * j);
    }
    boss.advanceStepAfter(300);
}

}  // namespace

void updateBossKind1(GameObject& boss)
{
    switch (boss.step()) {
    case 0:
        boss.setStep(1);
        arrive(kPortraitKind1);
        break;
    case 1:
        if (boss.x() >= kBossStopX)
            boss.setX(boss.x() - boss.speed());
        else
            boss.setStep(2);
        break;
    case 2: kind1Opening(boss); break;
    case 3: kind1Scatter(boss); break;
    case 4: kind1Walls(boss); break;
    case 5: kind1Sweep(boss); break;
    case 6: kind1Rings(boss); break;
    case 7: kind1Beams(boss); break;
    default: break;
    }
}

void updateBossKind7(GameObject& boss)
{
    switch (boss.step()) {
    case 0:
        arrive(kPortraitKind7);
        boss.incrementStep();
        break;
    case 1: kind7Bounce(boss); break;
    case 2: kind7ReturnToCorner(boss); break;
    case 3: kind7Reversed(boss); break;
    default: break;
    }
}

void updateBossKind9(GameObject& boss)
{
    if (boss.step() < 0 || boss.step() >= kKind9Steps)
        return;
    switch (kKind9Patterns[boss.step()]) {
    case 0: kind9Entry(boss); break;
    case 1:
        if (boss.timer() == 0)
            fire(boss, 38, 315);
        boss.advanceStepAfter(50);
        break;
    case 2: kind9Drift(boss); break;
    case 3:
        fire(boss, 29, 315);
        boss.advanceStepAfter(0);
        break;
    case 4: kind9Fans(boss, 10, 2, 20, 100); break;
    case 5: kind9Fans(boss, 50, 5, 20, 110); break;
    case 6: kind9Fans(boss, 20, 3, 30, 100); break;
    case 7: kind9Scatter(boss); break;
    case 8: kind9Walls(boss); break;
    case kRepeatPatterns: boss.setStep(1); break;
    default: break;
    }
}

// Bullets that turn into others: ring bursts, the spinner, the rotating fan,
// and the spiral arms that two of them release.
#include <cmath>

#include "bullets/BulletRules.h"
#include "objects/GameObject.h"

namespace bullets {


namespace {

struct Burst {
    int kind;
    double spacing;
    int count;
};

// A ring seed acts on its first update: the ring, then nothing left of it.
Burst burstOf(int seedKind)
{
    switch (seedKind) {
    case 4: return {1, 18, 20};
    case 5: return {6, 6, 60};
    default: return {10, 30, 12};  // 11
    }
}

}  // namespace

void updateBulletRingBurst(GameObject& b)
{
    Burst burst = burstOf(b.kind());
    for (int i = 0; i < burst.count; ++i)
        fire(b, burst.kind, b.angle() + burst.spacing * i);
    b.kill();
}

void updateBulletSpinner(GameObject& b)
{
    // One needle every step, ten degrees further round, for a full turn.
    if (b.timer() < 36) {
        fire(b, 1, 10.0 * b.timer());
        b.incrementTimer();
    } else {
        b.kill();
    }
}

void updateBulletSpiralArm(GameObject& b)
{
    // vx, vy hold the spiral's centre and aux its radius.
    b.setX(static_cast<float>(b.vx() + b.aux() * std::cos(b.angle() * kDegToRad)));
    b.setY(static_cast<float>(b.vy() + b.aux() * std::sin(b.angle() * kDegToRad)));
    b.setAux(b.aux() + b.speed());
    double turn = b.speed() * 0.5;
    b.setAngle(b.flag() ? b.angle() + turn : b.angle() - turn);
    if (b.x() > 800)
        b.kill();
}

void updateBulletRotatingFan(GameObject& b)
{
    int step = b.step();
    if (step == 0 || step == 5 || step == 10 || step == 15)
        for (int i = 0; i < 5; ++i)
            fire(b, 1, b.angle() + 9 * i - 20);
    if (step == 16)
        b.kill();
    b.setAngle(b.angle() + 0.5);
    b.incrementStep();
}

}  // namespace bullets

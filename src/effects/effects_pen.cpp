// Character 0's special attack: two pens of light draw a six-pointed star of
// sparkles inside two circles, then the whole figure spins away to the left
// while every sparkle fires.
#include "effects/CharacterAttacks.h"

#include <cmath>

#include "app/PlayFlags.h"
#include "effects/EffectRules.h"
#include "effects/Effects.h"
#include "objects/GameObject.h"
#include "player/Shots.h"
#include "sound/Sound.h"

double g_specialSpin = 0.0;

namespace {

constexpr double kCentreX = 320;
constexpr double kCentreY = 240;
constexpr double kInnerRadius = 200;
constexpr double kOuterRadius = 250;
constexpr double kPenSpeed = 16;
constexpr double kSideLength = 386;
constexpr int32_t kSideMoves = 24;
constexpr int32_t kArcMoves = 39;
constexpr double kArcTurn = 4.6;
constexpr int32_t kLastSide = 3;
constexpr int32_t kArcStep = 4;

constexpr double kSpinStep = 0.1;
constexpr double kSpinEnd = 10;
constexpr float kOffScreen = 1000;

// The sparkles gather on the top-left corner of a 64-pixel sprite centred on
// the screen.
constexpr float kGatherX = 288;
constexpr float kGatherY = 208;
constexpr float kSpinAlpha = 128;
constexpr int32_t kSparkleHold = 4;
constexpr int32_t kSparkleLastFrame = 7;

constexpr int kSparkle = 10;
constexpr int kSparkleShot = 6;
constexpr int kMoveSound = 7;
constexpr int kFinishSound = 8;

// A figure: where its pen starts on the inner circle, the headings of the
// triangle's three sides, where its arcs start, and whether each move is
// announced with a sound and a flash.
struct PenFigure {
    double start;
    double sides[3];
    double arcStart;
    bool announces;
};

// The triangles point up and down, so together they make a star.
constexpr PenFigure kFirstFigure = {270, {60, 180, 300}, 270, true};
constexpr PenFigure kSecondFigure = {90, {240, 0, 120}, 90, false};

double cosDegrees(double degrees) { return std::cos(degrees * kDegToRad); }
double sinDegrees(double degrees) { return std::sin(degrees * kDegToRad); }

void centreAt(GameObject& e, double x, double y)
{
    e.setX(static_cast<float>(x - e.width() / 2));
    e.setY(static_cast<float>(y - e.height() / 2));
}

// The pen at the triangle's corner reached after the given number of sides.
void placeAtCorner(GameObject& e, const PenFigure& figure, int32_t sides)
{
    double x = kCentreX + kInnerRadius * cosDegrees(figure.start);
    double y = kCentreY + kInnerRadius * sinDegrees(figure.start);
    for (int32_t i = 0; i < sides; ++i) {
        x += kSideLength * cosDegrees(figure.sides[i]);
        y += kSideLength * sinDegrees(figure.sides[i]);
    }
    centreAt(e, x, y);
    spawnEffect(&e, kSparkle);
    e.setVx(static_cast<float>(kPenSpeed * cosDegrees(figure.sides[sides])));
    e.setVy(static_cast<float>(kPenSpeed * sinDegrees(figure.sides[sides])));
}

void endMove(GameObject& e, const PenFigure& figure)
{
    e.incrementStep();
    e.resetTimer();
    if (figure.announces) {
        playSound(kMoveSound);
        g_screenFlash = true;
    }
}

// One move of the pen: the first corner, a side of 24 sparkles and the turn
// to the next, or one sparkle on each circle. True once both arcs are done.
bool drawFigure(GameObject& e, const PenFigure& figure)
{
    int32_t step = e.step();
    if (step == 0) {
        placeAtCorner(e, figure, 0);
        endMove(e, figure);
        return false;
    }
    if (step <= kLastSide) {
        if (e.timer() < kSideMoves) {
            e.moveX();
            e.moveY();
            spawnEffect(&e, kSparkle);
            e.incrementTimer();
            return false;
        }
        if (step < kLastSide)
            placeAtCorner(e, figure, step);
        else
            e.setAngle(figure.arcStart);
        endMove(e, figure);
        return false;
    }
    if (e.timer() >= kArcMoves)
        return true;
    // The two arcs turn in opposite directions.
    centreAt(e, kCentreX + kInnerRadius * cosDegrees(e.angle()),
             kCentreY + kInnerRadius * sinDegrees(e.angle()));
    spawnEffect(&e, kSparkle);
    centreAt(e, kCentreX + kOuterRadius * cosDegrees(-e.angle()),
             kCentreY + kOuterRadius * sinDegrees(-e.angle()));
    spawnEffect(&e, kSparkle);
    e.setAngle(e.angle() + kArcTurn);
    e.incrementTimer();
    return false;
}

}  // namespace

// On its first update a sparkle takes its bearing and distance to the gather
// point; during the finale it circles the centre at that distance, ever
// faster, squeezed and sliding left, firing a shot each time its animation
// comes round.
void updateSpecialSparkle(GameObject& e)
{
    if (e.step() == 0) {
        e.setStepOne();
        e.setAngle(angleDegrees(kGatherX - e.x(), kGatherY - e.y()));
        // The threshold is the screen centre while the reference is the
        // gather point; only the distance is kept, so the sign never matters.
        float vx = e.x() > kCentreX ? e.x() - kGatherX : kGatherX - e.x();
        float vy = e.y() > kGatherY ? e.y() - kGatherY : kGatherY - e.y();
        e.setVx(vx);
        e.setVy(vy);
        e.setSpeed(static_cast<float>(std::sqrt(double(vx) * vx + double(vy) * vy)));
    }
    bool comesRound = e.cell() == kSparkleHold - 1 && e.anim() >= kSparkleLastFrame;
    effects::loopFrames(e, kSparkleLastFrame, kSparkleHold);
    if (comesRound && g_specialSpin > 0)
        spawnShot(&e, kSparkleShot);
    if (g_specialSpin <= 0)
        return;
    if (g_specialSpin >= kSpinEnd) {
        e.kill();
        return;
    }
    e.setAlpha(kSpinAlpha);
    double angle = -e.angle() * kDegToRad;
    e.setX(static_cast<float>((e.speed() * std::cos(angle) - e.width() / 2) /
                                  (g_specialSpin / 5 + 1) +
                              kCentreX - 32 * g_specialSpin));
    e.setY(static_cast<float>(e.speed() * std::sin(angle) + kCentreY - e.height() / 2));
    e.setAngle(e.angle() + g_specialSpin);
}

// The triangle pointing up and the arcs, each move with a sound and a flash.
void updatePenFirstFigure(GameObject& e)
{
    if (!drawFigure(e, kFirstFigure))
        return;
    playSound(kFinishSound);
    g_screenFlash = true;
    e.kill();
}

// The triangle pointing down and the arcs, then the spin finale, which ends
// the attack.
void updatePenSecondFigure(GameObject& e)
{
    if (e.step() == 0) {
        g_playerFrozen = true;
        // A finale cut short by a stage restart from the pause menu must not
        // carry its spin into the next attack.
        g_specialSpin = 0;
    }
    if (!drawFigure(e, kSecondFigure))
        return;
    e.setX(kOffScreen);
    if (g_specialSpin < kSpinEnd) {
        g_specialSpin += kSpinStep;
        return;
    }
    e.kill();
    g_specialSpin = 0;
    g_playerFrozen = false;
    g_specialInUse = 0;
    g_worldFrozen = false;
}

// The one record of every sprite object: craft, shots, enemies, bullets, items
// and effects. Behaviour by kind lives in the list passes, not here.
#pragma once

#include <cstdint>

// Degrees to radians for every game angle. Deliberately not pi / 180: the game's
// motion and tables are built on this factor, so a full turn is 6.27984 radians.
constexpr double kDegToRad = 0.017444;

// The direction of (dx, dy) in degrees, in [0, 360); 0 for the zero vector.
double angleDegrees(double dx, double dy);

class GameObject {
public:
    GameObject(int32_t category, int32_t kind, float x, float y);
    virtual ~GameObject() = default;

    // Bulk set-up used by the spawners. Sizes are truncated toward zero; hp also
    // becomes maxHp; speed also becomes baseSpeed and aux.
    void init(float width, float height, float hitLeft, float hitTop, float hitRight,
              float hitBottom, int32_t cell, int32_t hp, int32_t power, float speed,
              double angle, int32_t alpha, float anim, int32_t value);
    // Set-up of the craft and the stand-alone objects.
    void setShape(bool alive, float width, float height, float hitLeft, float hitTop,
                  float hitRight, float hitBottom);

    int32_t red() const { return red_; }
    int32_t green() const { return green_; }
    int32_t blue() const { return blue_; }
    bool alive() const { return alive_; }
    int32_t category() const { return category_; }
    int32_t kind() const { return kind_; }
    float x() const { return x_; }
    float y() const { return y_; }
    float vx() const { return vx_; }
    float vy() const { return vy_; }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    float hitLeft() const { return hitLeft_; }
    float hitTop() const { return hitTop_; }
    float hitRight() const { return hitRight_; }
    float hitBottom() const { return hitBottom_; }
    int32_t cell() const { return cell_; }
    float anim() const { return anim_; }
    int32_t hp() const { return hp_; }
    int32_t power() const { return power_; }
    float speed() const { return speed_; }
    float baseSpeed() const { return baseSpeed_; }
    float aux() const { return aux_; }
    double angle() const { return angle_; }
    int32_t alpha() const { return alpha_; }
    int32_t step() const { return step_; }
    int32_t timer() const { return timer_; }
    int32_t timer2() const { return timer2_; }
    int32_t timer3() const { return timer3_; }
    bool flag() const { return flag_; }
    int32_t value() const { return value_; }
    int32_t ownerIndex() const { return ownerIndex_; }
    double rotation() const { return rotation_; }

    void setX(float v) { x_ = v; }
    void setY(float v) { y_ = v; }
    void setVx(float v) { vx_ = v; }
    void setVy(float v) { vy_ = v; }
    void setWidth(int32_t v) { width_ = v; }
    void setHeight(int32_t v) { height_ = v; }
    void setHitLeft(float v) { hitLeft_ = v; }
    void setHitTop(float v) { hitTop_ = v; }
    void setHitRight(float v) { hitRight_ = v; }
    void setHitBottom(float v) { hitBottom_ = v; }
    void setCell(int32_t v) { cell_ = v; }
    void setAnim(float v) { anim_ = v; }
    void setHp(int32_t v) { hp_ = v; }
    void setMaxHp(int32_t v) { maxHp_ = v; }
    void setPower(int32_t v) { power_ = v; }
    void setBaseSpeed(float v) { baseSpeed_ = v; }
    void setAux(float v) { aux_ = v; }
    void setAlpha(int32_t v) { alpha_ = v; }
    void setRed(int32_t v) { red_ = v; }
    void setGreen(int32_t v) { green_ = v; }
    void setBlue(int32_t v) { blue_ = v; }
    void setOwnerIndex(int32_t v) { ownerIndex_ = v; }
    void setAngle(double v) { angle_ = v; }
    void setRotation(double v) { rotation_ = v; }
    // Speed has no setter of its own: slow-downs change it and restore baseSpeed.
    void setSpeed(float v) { speed_ = v; baseSpeed_ = v; }
    void kill() { alive_ = false; }
    void incrementStep() { ++step_; }
    void setStep(int32_t v) { step_ = v; }
    void resetStep() { step_ = 0; }
    void setStepOne() { step_ = 1; }
    void incrementTimer() { ++timer_; }
    void setTimer(int32_t v) { timer_ = v; }
    void resetTimer() { timer_ = 0; }
    void incrementTimer2() { ++timer2_; }
    void setTimer2(int32_t v) { timer2_ = v; }
    void resetTimer2() { timer2_ = 0; }
    void incrementTimer3() { ++timer3_; }
    void setTimer3(int32_t v) { timer3_ = v; }
    void toggleFlag() { flag_ = !flag_; }
    void addValueTo(int32_t* counter) const { *counter += value_; }

    // Hit box in screen coordinates.
    float boxLeft() const { return x_ + hitLeft_; }
    float boxTop() const { return y_ + hitTop_; }
    float boxRight() const { return x_ + hitRight_; }
    float boxBottom() const { return y_ + hitBottom_; }
    // Sprite centre; the size is halved as an integer before it is added.
    float centreX() const { return x_ + width_ / 2; }
    float centreY() const { return y_ + height_ / 2; }

    // Takes the other's power off hp; true when that leaves hp at 0 or below.
    bool takeHit(const GameObject& other);
    // hp / maxHp; 0 for an object that never had hit points.
    float hpRatio() const;

    void moveX() { x_ += vx_; }
    void moveY() { y_ += vy_; }
    // vx, vy hold a direction here, scaled by speed.
    void moveScaled();
    // Moves by distance along angle without touching the object's own heading.
    void moveAlong(double angle, float distance);
    // Restores speed and turns the heading into a velocity (kinds 10, 32, 33
    // keep their velocity).
    void aimVelocity();
    // Every period frames of timer: the next cell, wrapping from last to first.
    void cycleCell(int32_t period, int32_t first, int32_t last);
    // Waits frames frames, then goes to the next step with the timers cleared.
    bool advanceStepAfter(int32_t frames);

    // Proximity tests against another object (kind 16 uses its hit box).
    void slowNear(const GameObject& other);
    void sweepTouch(const GameObject& other, float stepX, float stepY, int32_t size,
                    int32_t count);
    void sweepDamage(const GameObject& other, float stepX, float stepY, int32_t size,
                     int32_t count);
    void killOnTouch(const GameObject& other);

    // List links, owned by the list code.
    GameObject* next = nullptr;
    GameObject* prev = nullptr;

private:
    bool boxesOverlap(const GameObject& other) const;
    double centreDistance(const GameObject& other) const;
    double radius() const { return (hitRight_ - hitLeft_) / 2.0; }
    void headingToVelocity();

    int32_t red_ = 255;
    int32_t green_ = 255;
    int32_t blue_ = 255;
    bool alive_ = true;
    int32_t category_;
    int32_t kind_;
    float x_;
    float y_;
    float vx_ = 0;
    float vy_ = 0;
    int32_t width_ = 0;
    int32_t height_ = 0;
    float hitLeft_ = 0;
    float hitTop_ = 0;
    float hitRight_ = 0;
    float hitBottom_ = 0;
    int32_t cell_ = 0;
    float anim_ = 0;
    int32_t hp_ = 0;
    int32_t maxHp_ = 0;
    int32_t power_ = 0;
    float speed_ = 0;
    float baseSpeed_ = 0;
    float aux_ = 0;
    double angle_ = 0;
    int32_t alpha_ = 0;
    int32_t step_ = 0;
    int32_t timer_ = 0;
    int32_t timer2_ = 0;
    int32_t timer3_ = 0;
    bool flag_ = true;
    int32_t value_ = 0;
    int32_t ownerIndex_ = 0;
    double rotation_ = 0.0;
};

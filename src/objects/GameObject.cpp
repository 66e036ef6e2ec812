// GameObject set-up, movement and proximity tests.
#include "objects/GameObject.h"

#include <cmath>
#include <limits>

namespace {

// Float to int32 truncating toward zero, as the game stores sizes; values no
// int32 can hold are clamped instead of being undefined.
int32_t truncToInt(float v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0f) return std::numeric_limits<int32_t>::max();
    if (v <= -2147483648.0f) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

// The kinds whose vx and vy hold something other than a velocity.
bool keepsVelocity(int32_t kind) { return kind == 10 || kind == 32 || kind == 33; }

}  // namespace

double angleDegrees(double dx, double dy) {
    if (dx == 0) {
        if (dy > 0) return 90;
        if (dy < 0) return 270;
        return 0;
    }
    double a = std::atan(dy / dx) * 180 / 3.14159265359;
    if (dx < 0) a += 180;
    if (a < 0) a += 360;
    return a;
}

GameObject::GameObject(int32_t category, int32_t kind, float x, float y)
    : category_(category), kind_(kind), x_(x), y_(y) {}

void GameObject::init(float width, float height, float hitLeft, float hitTop, float hitRight,
                      float hitBottom, int32_t cell, int32_t hp, int32_t power, float speed,
                      double angle, int32_t alpha, float anim, int32_t value) {
    width_ = truncToInt(width);
    height_ = truncToInt(height);
    hitLeft_ = hitLeft;
    hitTop_ = hitTop;
    hitRight_ = hitRight;
    hitBottom_ = hitBottom;
    cell_ = cell;
    hp_ = hp;
    maxHp_ = hp;
    power_ = power;
    speed_ = speed;
    baseSpeed_ = speed;
    aux_ = speed;
    angle_ = angle;
    alpha_ = alpha;
    anim_ = anim;
    value_ = value;
}

void GameObject::setShape(bool alive, float width, float height, float hitLeft, float hitTop,
                          float hitRight, float hitBottom) {
    alive_ = alive;
    width_ = truncToInt(width);
    height_ = truncToInt(height);
    hitLeft_ = hitLeft;
    hitTop_ = hitTop;
    hitRight_ = hitRight;
    hitBottom_ = hitBottom;
}

bool GameObject::takeHit(const GameObject& other) {
    hp_ -= other.power_;
    return hp_ <= 0;
}

float GameObject::hpRatio() const {
    if (maxHp_ == 0) return 0.0f;
    return static_cast<float>(hp_) / static_cast<float>(maxHp_);
}

void GameObject::moveScaled() {
    x_ += vx_ * speed_;
    y_ += vy_ * speed_;
}

void GameObject::moveAlong(double angle, float distance) {
    x_ = static_cast<float>(x_ + std::cos(angle * kDegToRad) * distance);
    y_ = static_cast<float>(y_ + std::sin(angle * kDegToRad) * distance);
}

void GameObject::headingToVelocity() {
    if (keepsVelocity(kind_)) return;
    vx_ = static_cast<float>(std::cos(angle_ * kDegToRad) * speed_);
    vy_ = static_cast<float>(std::sin(angle_ * kDegToRad) * speed_);
}

void GameObject::aimVelocity() {
    speed_ = baseSpeed_;
    headingToVelocity();
}

void GameObject::cycleCell(int32_t period, int32_t first, int32_t last) {
    // A period of 0 or less would divide by zero; such a cycle never turns.
    if (period <= 0 || timer_ % period != 0) return;
    if (cell_ == last)
        cell_ = first;
    else
        ++cell_;
}

bool GameObject::advanceStepAfter(int32_t frames) {
    if (timer_ >= frames) {
        ++step_;
        timer_ = 0;
        timer2_ = 0;
        timer3_ = 0;
        flag_ = true;
        return true;
    }
    ++timer_;
    return false;
}

bool GameObject::boxesOverlap(const GameObject& other) const {
    return other.boxLeft() < boxRight() && other.boxRight() > boxLeft() &&
           other.boxTop() < boxBottom() && other.boxBottom() > boxTop();
}

double GameObject::centreDistance(const GameObject& other) const {
    double dx = static_cast<double>(centreX()) - other.centreX();
    double dy = static_cast<double>(centreY()) - other.centreY();
    return std::sqrt(dx * dx + dy * dy);
}

void GameObject::slowNear(const GameObject& other) {
    if (kind_ == 16) {
        speed_ = boxesOverlap(other) ? baseSpeed_ / 20 : baseSpeed_;
        return;
    }
    double t = centreDistance(other) - radius() - other.width_ / 2;
    speed_ = t < 0 ? baseSpeed_ / 3 : baseSpeed_;
    headingToVelocity();
}

void GameObject::killOnTouch(const GameObject& other) {
    if (kind_ == 16) {
        if (boxesOverlap(other)) alive_ = false;
        return;
    }
    if (centreDistance(other) - radius() - other.width_ / 2 < 0) alive_ = false;
}

void GameObject::sweepTouch(const GameObject& other, float stepX, float stepY, int32_t size,
                            int32_t count) {
    if (kind_ == 16) return;
    int32_t px = truncToInt(stepX);
    int32_t py = truncToInt(stepY);
    double cx = centreX();
    double cy = centreY();
    float ox = other.centreX();
    float oy = other.centreY();
    for (int32_t i = 0; i < count; ++i) {
        double dx = cx - static_cast<float>(ox + px);
        double dy = cy - static_cast<float>(oy + py);
        if (std::sqrt(dx * dx + dy * dy) - radius() - size < 0) {
            alive_ = false;
            return;
        }
        px = truncToInt(px + stepX);
        py = truncToInt(py + stepY);
    }
}

void GameObject::sweepDamage(const GameObject& other, float stepX, float stepY, int32_t size,
                             int32_t count) {
    if (kind_ == 16) return;
    int32_t px = truncToInt(stepX);
    int32_t py = truncToInt(stepY);
    double cx = centreX();
    double cy = centreY();
    for (int32_t i = 0; i < count; ++i) {
        // The damage ray starts at the other's top-left corner, not its centre.
        double dx = cx - static_cast<float>(other.x_ + px);
        double dy = cy - static_cast<float>(other.y_ + py);
        if (std::sqrt(dx * dx + dy * dy) - radius() - size / 2 < 0) {
            hp_ -= 2000;
            if (hp_ < 0) alive_ = false;
            green_ = 0;
            blue_ = 0;
            return;
        }
        px = truncToInt(px + stepX);
        py = truncToInt(py + stepY);
    }
}

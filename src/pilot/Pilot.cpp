// The pilot's frame: what the scene on screen asks for, from the title menu
// through the selection, the stages and their conversations, the continue
// menu and the stage-clear screens, to the ending and back to the title.
#include "pilot/Pilot.h"

#include <cmath>

#include "app/FrameClock.h"
#include "app/PlayFlags.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "pilot/Gunnery.h"
#include "pilot/Hazards.h"
#include "pilot/Sight.h"
#include "pilot/StageRecord.h"
#include "pilot/Steering.h"
#include "player/PlayerState.h"
#include "scenes/SelectScene.h"
#include "scenes/TitleMenu.h"

namespace pilot {

namespace {

using platform::Key;

// Stage-clear screen: the effect that banks the score on this frame.
constexpr int kStageClearEffect = 1000;
constexpr int kBankingStep = 280;
constexpr int kLastStage = 5;
// Shot A is charged only with this much gauge (the special's 700 and the
// charged shot's 100 to spare), and let go once held this long.
constexpr float kChargeGauge = 800;
constexpr int kFullCharge = 90;
// A stage that costs this many continues is beyond the pilot.
constexpr int kContinueLimit = 30;

struct PilotState {
    Plan plan;
    Outcome outcome = Outcome::Playing;
    std::string gaveUp;
    bool pressedLastFrame = false;  // menus move once per press: release in between
    bool fireDown = false;
    int chargeHeld = 0;             // frames shot A has been held to charge
    bool reversed = false;          // the craft moves against the arrow keys
    Move lastMove;
    int lastKeyDx = 0;
    int lastKeyDy = 0;
    float lastX = 0;
    float lastY = 0;
    bool controlledLastFrame = false;
    Weapons weapons;
    TrackSet bullets;
    TrackSet enemies;
    StageRecord record;
    bool inStage = false;
    int stagesCleared = 0;
    bool endingStarted = false;
    bool sawGameOver = false;
};

PilotState g_pilot;

void press(Keys& keys, Key key) { keys[static_cast<size_t>(key)] = true; }

// One press at a time towards the wanted entry, then a confirm; every press
// is followed by a frame with every key up.
void driveMenu(Keys& keys, int cursor, int wanted)
{
    if (g_pilot.pressedLastFrame) {
        g_pilot.pressedLastFrame = false;
        return;
    }
    press(keys, cursor < wanted ? Key::Down : cursor > wanted ? Key::Up : Key::Z);
    g_pilot.pressedLastFrame = true;
}

// A confirm on every other frame: turns conversation pages, takes the continue.
void tapConfirm(Keys& keys)
{
    g_pilot.pressedLastFrame = !g_pilot.pressedLastFrame;
    if (g_pilot.pressedLastFrame)
        press(keys, Key::Z);
}

bool stageClearBanked()
{
    for (const GameObject* e = g_effectFrontList; e; e = e->next)
        if (e->kind() == kStageClearEffect && e->step() > kBankingStep)
            return true;
    return false;
}

bool stageClearShown()
{
    for (const GameObject* e = g_effectFrontList; e; e = e->next)
        if (e->kind() == kStageClearEffect)
            return true;
    return false;
}

void followStage(int frame, std::vector<std::string>& lines)
{
    int stage = g_stageIndex + 1;
    StageRecord& r = g_pilot.record;
    if (!g_pilot.inStage || r.stage != stage) {
        r = StageRecord{};
        r.stage = stage;
        r.startFrame = frame;
        r.lastHp = g_playerObject->hp();
        g_pilot.inStage = true;
    }
    noteHitPoints(r, g_playerObject->hp());
    int bullets = 0;
    for (const GameObject* b = g_bulletList; b; b = b->next)
        ++bullets;
    noteBulletsInSight(r, bullets);
    if (g_gameOver && !g_pilot.sawGameOver) {
        r.continues += 1;
        if (r.continues > kContinueLimit) {
            g_pilot.outcome = Outcome::GaveUp;
            g_pilot.gaveUp = "stage " + std::to_string(stage) + " not cleared after " +
                             std::to_string(kContinueLimit) + " continues";
        }
    }
    g_pilot.sawGameOver = g_gameOver;
    if (r.clearFrame < 0 && stageClearShown())
        r.clearFrame = frame;
    if (!r.banked && stageClearBanked()) {
        r.banked = true;
        g_pilot.stagesCleared = stage;
        lines.push_back(clearLine(r, g_bankedScore));
        lines.push_back(pressureLine(r));
    }
    if (g_endingStarted)
        g_pilot.endingStarted = true;
}

// The craft's own motion shows whether the arrows are reversed.
void noticeReversal()
{
    float x = g_playerObject->x();
    float y = g_playerObject->y();
    if (g_pilot.controlledLastFrame) {
        float dx = x - g_pilot.lastX;
        float dy = y - g_pilot.lastY;
        if (g_pilot.lastKeyDx != 0 && std::fabs(dx) > 0.5f)
            g_pilot.reversed = (dx > 0) != (g_pilot.lastKeyDx > 0);
        else if (g_pilot.lastKeyDy != 0 && std::fabs(dy) > 0.5f)
            g_pilot.reversed = (dy > 0) != (g_pilot.lastKeyDy > 0);
    }
    g_pilot.lastX = x;
    g_pilot.lastY = y;
}

void fly(Keys& keys)
{
    const GameObject& craft = *g_playerObject;
    observe(g_pilot.bullets, g_bulletList, bulletFirstVelocity);
    observe(g_pilot.enemies, g_enemyList, enemyFirstVelocity);
    noticeReversal();
    bool controlled = !g_playerFrozen && !g_messageMode && !g_gameOver;
    g_pilot.controlledLastFrame = controlled;
    if (!controlled) {
        g_pilot.lastKeyDx = 0;
        g_pilot.lastKeyDy = 0;
        g_pilot.chargeHeld = 0;
        return;
    }

    HazardField field;
    gatherBulletHazards(g_pilot.bullets, field);
    gatherEnemyHazards(g_pilot.enemies, field);
    gatherMapHazards(field);
    field.tilesHurt = !g_stageClearing;

    Target target = chooseTarget(g_pilot.enemies, craft.x(), craft.y());
    Aim aim = aimFor(target, craft.x());
    SteeringResult steering = steer(field, craft.x(), craft.y(), aim, g_pilot.lastMove);
    g_pilot.lastMove = steering.move;
    g_pilot.weapons =
        chooseWeapons(target, steering, g_pilot.bullets, craft.x(), craft.y(), g_pilot.weapons);

    int kx = g_pilot.reversed ? -steering.move.dx : steering.move.dx;
    int ky = g_pilot.reversed ? -steering.move.dy : steering.move.dy;
    if (kx > 0) press(keys, Key::Right);
    if (kx < 0) press(keys, Key::Left);
    if (ky > 0) press(keys, Key::Down);
    if (ky < 0) press(keys, Key::Up);
    g_pilot.lastKeyDx = kx;
    g_pilot.lastKeyDy = ky;
    if (steering.move.focus)
        press(keys, Key::Shift);
    // Tap fire: each press of a shot button is one shot. With gauge to
    // spare beyond the special's, shot A is held instead until fully charged
    // and let go: ten pellets that home on an enemy.
    g_pilot.fireDown = !g_pilot.fireDown;
    if (g_pilot.fireDown)
        press(keys, Key::X);
    bool charging = g_pilot.chargeHeld > 0 || (g_gauge >= kChargeGauge && target.has);
    if (charging && g_pilot.chargeHeld <= kFullCharge) {
        press(keys, Key::Z);
        g_pilot.chargeHeld += 1;
    } else {
        g_pilot.chargeHeld = 0;
        if (g_pilot.fireDown)
            press(keys, Key::Z);
    }
    if (g_pilot.weapons.subWeapon)
        press(keys, Key::Ctrl);
    if (g_pilot.weapons.special)
        press(keys, Key::C);
}

}  // namespace

void startPilot(const Plan& plan)
{
    g_pilot = PilotState{};
    g_pilot.plan = plan;
}

Keys pilotFrame(int frame, std::vector<std::string>& lines)
{
    Keys keys{};
    if (g_pilot.outcome != Outcome::Playing)
        return keys;
    switch (g_scene) {
    case kSceneTitle:
        g_pilot.inStage = false;
        if (g_pilot.stagesCleared == kLastStage && (g_pilot.endingStarted || !g_pilot.plan.story)) {
            g_pilot.outcome = Outcome::Ending;
            lines.push_back(endingLine(frame));
            break;
        }
        driveMenu(keys, titleCursor(), g_pilot.plan.story ? 1 : 0);
        break;
    case kSceneSelect:
        driveMenu(keys, g_selectCursor,
                  g_character == 99 ? g_pilot.plan.character : g_pilot.plan.subWeapon);
        break;
    case kSceneStage:
        if (!g_playerObject)
            break;
        followStage(frame, lines);
        if (g_messageMode || g_gameOver) {
            // Turn the pages; take the continue (its cursor starts on it).
            fly(keys);
            keys = Keys{};
            tapConfirm(keys);
        } else {
            fly(keys);
        }
        break;
    default:
        break;
    }
    return keys;
}

Outcome pilotOutcome() { return g_pilot.outcome; }

std::string giveUpLine(int frame)
{
    std::string reason = g_pilot.gaveUp;
    if (reason.empty()) {
        reason = "no ending within " + std::to_string(frame + 1) + " frames";
        if (g_pilot.inStage)
            reason += " (in stage " + std::to_string(g_pilot.record.stage) + ")";
    }
    return "pilot: gave up at frame " + std::to_string(frame) + ": " + reason;
}

}  // namespace pilot

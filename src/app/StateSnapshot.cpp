// The state snapshot (scene, clock digits, player, scroll and the flags of
// play) and the hash of the whole game state that frame-exact checks compare.
#include "app/StateSnapshot.h"

#include <cstring>
#include <limits>
#include <sstream>
#include <type_traits>

#include "app/FrameClock.h"
#include "app/PlayFlags.h"
#include "collision/Destruction.h"
#include "enemies/SweepOrigin.h"
#include "objects/ObjectList.h"
#include "player/Player.h"
#include "player/PlayerState.h"
#include "player/ShotRules.h"
#include "player/Shots.h"
#include "scenes/SelectScene.h"
#include "scenes/TitleMenu.h"
#include "stage/DrawScreenMap.h"
#include "stage/MapCharMove.h"
#include "stage/StageScript.h"
#include "text/Conversation.h"

namespace {

// Flags print as 0 or 1, floating-point numbers with the digits that read
// back to the same value, other numbers as they are.
template <typename T>
void put(std::ostringstream& out, T value)
{
    if constexpr (std::is_same_v<T, bool>) {
        out << (value ? 1 : 0);
    } else if constexpr (std::is_floating_point_v<T>) {
        const std::streamsize kept = out.precision(std::numeric_limits<T>::max_digits10);
        out << value;
        out.precision(kept);
    } else if constexpr (sizeof(T) == 1) {
        out << static_cast<int>(value);
    } else {
        out << value;
    }
}

template <typename T>
void field(std::ostringstream& out, const char* name, T value, bool last = false)
{
    out << '"' << name << "\":";
    put(out, value);
    out << (last ? "" : ",");
}

template <typename T, size_t N>
void arrayField(std::ostringstream& out, const char* name, const T (&values)[N], bool last = false)
{
    out << '"' << name << "\":[";
    for (size_t i = 0; i < N; ++i) {
        if (i) out << ',';
        put(out, values[i]);
    }
    out << ']' << (last ? "" : ",");
}

long long listSize(const GameObject* head)
{
    long long size = 0;
    for (; head; head = head->next)
        ++size;
    return size;
}

// The kinds of a list's objects in list order.
void kindsField(std::ostringstream& out, const GameObject* head)
{
    out << '[';
    for (const GameObject* obj = head; obj; obj = obj->next)
        out << (obj != head ? "," : "") << obj->kind();
    out << ']';
}

}  // namespace

std::string stateSnapshotJson()
{
    std::ostringstream out;
    out << '{';
    field(out, "step", stepsRun());
    field(out, "scene", g_scene);
    field(out, "stageIndex", g_stageIndex);
    field(out, "quitRequested", g_quitRequested);
    field(out, "fpsTens", g_fpsTens);
    field(out, "fpsOnes", g_fpsOnes);
    out << "\"script\":{";
    field(out, "clock", g_stageClock);
    field(out, "position", g_scriptPosition);
    field(out, "nextEventTime", g_nextEventTime);
    field(out, "waitFlag", g_scriptWaitFlag, true);
    out << "},\"player\":{";
    if (g_playerObject) {
        field(out, "x", g_playerObject->x());
        field(out, "y", g_playerObject->y());
        field(out, "hp", g_playerObject->hp());
    }
    field(out, "gauge", g_gauge);
    field(out, "score", g_score);
    field(out, "bankedScore", g_bankedScore);
    field(out, "state", g_playerState);
    field(out, "character", g_character);
    field(out, "subWeapon", g_subWeapon);
    arrayField(out, "buttonHeld", g_buttonHeld);
    arrayField(out, "buttonDown", g_buttonDown);
    arrayField(out, "chargeBlink", g_chargeBlink);
    field(out, "aimX", g_aimX);
    field(out, "aimY", g_aimY);
    field(out, "focus", g_focusActive);
    field(out, "toggle", g_toggleOn);
    arrayField(out, "subWeaponBusy", g_subWeaponBusy);
    field(out, "releaseTimer", g_releaseTimer, true);
    out << "},\"menus\":{";
    field(out, "titleCursor", titleCursor());
    field(out, "titleChoice", g_titleChoice);
    field(out, "selectCursor", g_selectCursor);
    field(out, "previewRunning", g_previewRunning, true);
    out << "},\"conversation\":{";
    field(out, "block", g_messageBlock);
    field(out, "side", g_messageSide);
    arrayField(out, "windowShown", g_windowShown);
    arrayField(out, "portrait", g_portrait);
    field(out, "waiting", g_messageWaiting);
    field(out, "lineStart", g_typewriter.lineStart);
    field(out, "charIndex", g_typewriter.charIndex, true);
    out << "},\"scroll\":{";
    field(out, "tileX", scrollTileX);
    field(out, "tileY", scrollTileY);
    field(out, "pixelX", scrollPixelX);
    field(out, "pixelY", scrollPixelY);
    field(out, "cameraX", cameraX);
    field(out, "cameraY", cameraY);
    field(out, "segment", segmentIndex);
    field(out, "segmentFrame", segmentFrame, true);
    out << "},\"shotKinds\":";
    kindsField(out, g_shotList);
    out << ",\"enemyKinds\":";
    kindsField(out, g_enemyList);
    out << ",\"bulletKinds\":";
    kindsField(out, g_bulletList);
    out << ",\"lists\":{";
    field(out, "enemies", listSize(g_enemyList));
    field(out, "bullets", listSize(g_bulletList));
    field(out, "shots", listSize(g_shotList));
    field(out, "items", listSize(g_itemList));
    field(out, "effectsBack", listSize(g_effectBackList));
    field(out, "effectsFront", listSize(g_effectFrontList), true);
    out << "},\"flags\":{";
    field(out, "playerFrozen", g_playerFrozen);
    field(out, "worldFrozen", g_worldFrozen);
    field(out, "messageMode", g_messageMode);
    field(out, "storyMode", g_storyMode);
    field(out, "specialInUse", g_specialInUse);
    field(out, "screenFlash", g_screenFlash);
    field(out, "releaseInvulnerable", g_releaseInvulnerable);
    field(out, "gameOver", g_gameOver);
    field(out, "menuOpen", g_menuOpen);
    field(out, "returnToTitle", g_returnToTitle);
    field(out, "stageClearing", g_stageClearing);
    field(out, "endingStarted", g_endingStarted);
    field(out, "endingFinished", g_endingFinished, true);
    out << "}}";
    return out.str();
}

uint64_t fnv1a(const void* data, size_t size, uint64_t hash)
{
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) {
        hash ^= bytes[i];
        hash *= 1099511628211ull;
    }
    return hash;
}

namespace {

// Feeds values to FNV-1a by their bytes: floats bit for bit, so that a run
// that differs in the last bit of a position hashes differently.
class StateHasher {
public:
    template <typename T>
    void add(T value)
    {
        static_assert(std::is_arithmetic_v<T>);
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        hash_ = fnv1a(bytes, sizeof(T), hash_);
    }
    template <typename T, size_t N>
    void add(const T (&values)[N])
    {
        for (const T& value : values)
            add(value);
    }
    uint64_t value() const { return hash_; }

private:
    uint64_t hash_ = 1469598103934665603ull;
};

// Every field of the object. maxHp has no reader of its own; hpRatio() is
// hp / maxHp, which together with hp pins maxHp down while hp is not 0.
void addObject(StateHasher& h, const GameObject& o)
{
    h.add(o.category());
    h.add(o.kind());
    h.add(o.alive());
    h.add(o.red());
    h.add(o.green());
    h.add(o.blue());
    h.add(o.x());
    h.add(o.y());
    h.add(o.vx());
    h.add(o.vy());
    h.add(o.width());
    h.add(o.height());
    h.add(o.hitLeft());
    h.add(o.hitTop());
    h.add(o.hitRight());
    h.add(o.hitBottom());
    h.add(o.cell());
    h.add(o.anim());
    h.add(o.hp());
    h.add(o.hpRatio());
    h.add(o.power());
    h.add(o.speed());
    h.add(o.baseSpeed());
    h.add(o.aux());
    h.add(o.angle());
    h.add(o.alpha());
    h.add(o.step());
    h.add(o.timer());
    h.add(o.timer2());
    h.add(o.timer3());
    h.add(o.flag());
    h.add(o.value());
    h.add(o.ownerIndex());
    h.add(o.rotation());
}

// A missing object and each list's length are hashed too, so that an object
// moving from the end of one list to the start of the next changes the hash.
void addObjectIfAny(StateHasher& h, const GameObject* object)
{
    h.add(object != nullptr);
    if (object) addObject(h, *object);
}

void addList(StateHasher& h, const GameObject* head)
{
    h.add(listSize(head));
    for (const GameObject* o = head; o; o = o->next)
        addObject(h, *o);
}

void addMapChar(StateHasher& h, const MapChar& c)
{
    for (int32_t v : {c.type, c.index, c.mapX, c.mapY, c.width, c.height, c.hitLeft, c.hitTop, c.hitRight,
                      c.hitBottom, c.speed, c.angle, c.frame, c.hp, c.power, c.param0, c.param1, c.param2,
                      c.param3, c.phase, c.shotCounter, c.clock})
        h.add(v);
    for (float v : {c.u, c.v, c.du, c.dv})
        h.add(v);
    for (bool v : {c.dead, c.hitFlash, c.extending})
        h.add(v);
}

void addPlayerState(StateHasher& h)
{
    addObjectIfAny(h, g_playerObject);
    for (int v : {g_playerState, g_releaseTimer, g_moveX, g_moveY, g_aimX, g_aimY, g_subWeapon, g_character,
                  g_score, g_bankedScore, g_spreadCounter})
        h.add(v);
    h.add(g_buttonDown);
    h.add(g_buttonHeld);
    h.add(g_chargeFrames);
    h.add(g_chargeBlink);
    h.add(g_gauge);
    h.add(g_gaugeMax);
    h.add(g_gaugeCost);
    for (bool v : {g_controlsNormal, g_focusActive, g_toggleOn, g_joystickUsed})
        h.add(v);
    h.add(g_subWeaponBusy);
    h.add(g_afterImages.fill);
    h.add(g_afterImages.ringIndex);
    for (const AfterImage& a : g_afterImages.images) {
        h.add(a.x);
        h.add(a.y);
        h.add(a.cell);
        h.add(a.anim);
        h.add(a.alpha);
        h.add(a.poseSheet);
    }
}

void addShotState(StateHasher& h)
{
    for (int32_t v : {g_swordState.sweep, g_swordState.fadeStage, g_swordState.fadeFrame, g_boomerangTrail.ringIndex,
                      g_boomerangTrail.fill, g_boomerangTrail.spin, g_barrierSpin})
        h.add(v);
    for (const TrailRecord& r : g_boomerangTrail.records) {
        h.add(r.x);
        h.add(r.y);
        h.add(r.alpha);
    }
    h.add(g_burstAngle);
    h.add(g_rainAngle);
}

void addMenuState(StateHasher& h)
{
    h.add(g_titleChoice);
    for (bool v : {g_titleEntered, g_titleLatches.move, g_titleLatches.confirm})
        h.add(v);
    const SelectScreenState& s = g_selectScreen;
    for (int32_t v : {g_selectCursor, g_selectLastCursor, s.lineY, s.lineX, s.frameAlpha})
        h.add(v);
    h.add(s.rowCounter);
    h.add(s.row);
    for (bool v : {g_selectConfirm, g_previewRunning, g_texturesTrimmed, s.moveLatch, s.confirmLatch, s.frameRising})
        h.add(v);
}

void addStageState(StateHasher& h, bool withStepRate)
{
    for (int32_t v : {g_scene, g_stageIndex, g_quitRequested})
        h.add(v);
    if (withStepRate) {
        h.add(g_fpsTens);
        h.add(g_fpsOnes);
    }
    h.add(stepsRun());
    for (int32_t v : {g_stageClock, g_scriptPosition, g_nextEventTime, g_stageScriptLength})
        h.add(v);
    h.add(g_scriptWaitFlag);
    for (int32_t v : {g_messageBlock, g_messageSide})
        h.add(v);
    h.add(g_windowShown);
    h.add(g_portrait);
    h.add(g_messageWaiting);
    const Typewriter& t = g_typewriter;
    for (int32_t v : {t.lineStart, t.charIndex, t.penX, t.penY, t.waitFrames})
        h.add(v);
    for (bool v : {t.pageDone, t.started, t.confirmLatch})
        h.add(v);
    for (int32_t v : {scrollTileX, scrollTileY, scrollPixelX, scrollPixelY, scrollSegmentCount, segmentIndex,
                      segmentFrame, speedAccumulator, cameraX, cameraY})
        h.add(v);
    h.add(mapCharCount);
    h.add(static_cast<uint64_t>(mapChars.size()));
    for (const MapChar& c : mapChars)
        addMapChar(h, c);
    for (bool v : {g_playerFrozen, g_worldFrozen, g_messageMode, g_storyMode, g_screenFlash, g_releaseInvulnerable,
                   g_gameOver, g_menuOpen, g_returnToTitle, g_stageClearing, g_endingStarted, g_endingFinished})
        h.add(v);
    h.add(g_specialInUse);
    h.add(g_itemsCollected);
}

// The C library's rand() keeps its state out of reach, so it is left out: a
// run whose random numbers differ shows in the hash as soon as one of them
// lands in the state.
uint64_t hashState(bool withStepRate)
{
    StateHasher h;
    addStageState(h, withStepRate);
    addPlayerState(h);
    addShotState(h);
    addMenuState(h);
    for (const GameObject* list : {g_enemyList, g_bulletList, g_shotList, g_itemList, g_effectBackList,
                                   g_effectFrontList})
        addList(h, list);
    addList(h, g_mapEmitterObject);
    addObjectIfAny(h, g_sweepOriginObject);
    return h.value();
}

}  // namespace

uint64_t stateHash() { return hashState(true); }

uint64_t replayStateHash() { return hashState(false); }

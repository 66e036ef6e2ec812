// The state snapshot: scene, clock digits and the flags of play.
#include "app/StateSnapshot.h"

#include <sstream>
#include <type_traits>

#include "app/FrameClock.h"
#include "app/PlayFlags.h"
#include "objects/ObjectList.h"
#include "player/PlayerState.h"
#include "stage/DrawScreenMap.h"
#include "stage/StageScript.h"

namespace {

// Flags print as 0 or 1, numbers as they are.
template <typename T>
void field(std::ostringstream& out, const char* name, T value, bool last = false)
{
    out << '"' << name << "\":";
    if constexpr (std::is_same_v<T, bool>)
        out << (value ? 1 : 0);
    else
        out << value;
    out << (last ? "" : ",");
}

long long listSize(const GameObject* head)
{
    long long size = 0;
    for (; head; head = head->next)
        ++size;
    return size;
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
    out << "\"buttonHeld\":[";
    for (int i = 0; i < kPhysicalButtons; ++i)
        out << (i ? "," : "") << g_buttonHeld[i];
    out << "],\"buttonDown\":[";
    for (int i = 0; i < kPhysicalButtons; ++i)
        out << (i ? "," : "") << static_cast<int>(g_buttonDown[i]);
    out << "]},\"scroll\":{";
    field(out, "tileX", scrollTileX);
    field(out, "tileY", scrollTileY);
    field(out, "pixelX", scrollPixelX);
    field(out, "pixelY", scrollPixelY);
    field(out, "segment", segmentIndex);
    field(out, "segmentFrame", segmentFrame, true);
    out << "},\"shotKinds\":[";
    for (const GameObject* shot = g_shotList; shot; shot = shot->next)
        out << (shot != g_shotList ? "," : "") << shot->kind();
    out << "],\"lists\":{";
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

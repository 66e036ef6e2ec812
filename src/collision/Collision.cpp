// The collision passes: what a contact does to each side.
#include "collision/Collision.h"

#include "app/PlayFlags.h"
#include "collision/Destruction.h"
#include "collision/Items.h"
#include "effects/Effects.h"
#include "objects/ObjectList.h"
#include "player/PlayerState.h"
#include "sound/Sound.h"

namespace {

constexpr int kCategoryPlayerShot = 2;
constexpr int kEffectContactSpark = 200;
constexpr int kEffectCraftDestroyed = 27;
constexpr int kSoundItemTaken = 10;

// A hit shows as a red tint for the frame it happens in.
void tintRed(GameObject& obj)
{
    obj.setGreen(0);
    obj.setBlue(0);
}

// The lasers spark on themselves; every other shot sparks where it crosses the
// middle of what it hit.
bool sparksOnItself(int kind) { return kind >= 7 && kind <= 10; }

}  // namespace

bool boxesOverlap(const GameObject& a, const GameObject& b)
{
    return a.boxLeft() < b.boxRight() && a.boxRight() > b.boxLeft() &&
           a.boxTop() < b.boxBottom() && a.boxBottom() > b.boxTop();
}

void hitSpark(GameObject& shot, const GameObject& other)
{
    if (shot.category() != kCategoryPlayerShot)
        return;
    if (shot.timer3() % 2 == 0) {
        if (sparksOnItself(shot.kind()))
            spawnEffect(&shot, kEffectContactSpark);
        else
            spawnEffectAt(&shot, kEffectContactSpark,
                          static_cast<int>(other.x() + other.width() / 2),
                          static_cast<int>(shot.y() + 32));
    }
    shot.incrementTimer3();
}

void collideItemsWithPlayer(GameObject** items, GameObject** players)
{
    if (!items || !players || !*players)
        return;
    GameObject& player = **players;
    bool soundPlayed = false;
    GameObject* item = *items;
    while (item) {
        if (!boxesOverlap(*item, player) || !item->takeHit(player)) {
            item = item->next;
            continue;
        }
        item->addValueTo(&g_score);
        ++g_itemsCollected;
        onDestroyed(*item);
        if (!soundPlayed) {
            playSound(kSoundItemTaken);
            soundPlayed = true;
        }
        item = removeObject(items, item);
    }
}

void collideEnemiesWithShots(GameObject** enemies, GameObject** shots)
{
    if (!enemies || !shots)
        return;
    GameObject* enemy = *enemies;
    while (enemy) {
        // An enemy already destroyed by another path (a core finished off
        // through its arm) waits in the list for its removal; shooting it
        // again would destroy it, and clear the stage, a second time.
        if (!enemy->alive()) {
            enemy = enemy->next;
            continue;
        }
        bool usedUp = false;
        GameObject* shot = *shots;
        while (shot && !usedUp) {
            if (!boxesOverlap(*shot, *enemy)) {
                shot = shot->next;
                continue;
            }
            usedUp = enemy->takeHit(*shot);
            tintRed(*enemy);
            if (shot->takeHit(*enemy)) {
                onDestroyed(*shot);
                shot = removeObject(shots, shot);
            } else {
                hitSpark(*shot, *enemy);
                shot = shot->next;
            }
        }
        if (!usedUp) {
            enemy = enemy->next;
            continue;
        }
        enemy->addValueTo(&g_score);
        spawnItems(enemy, 0, enemy->value());
        onDestroyed(*enemy);
        enemy = removeObject(enemies, enemy);
    }
}

void collidePlayerWithList(GameObject** players, GameObject** others)
{
    if (!players || !*players || !others)
        return;
    GameObject& player = **players;
    bool playerUsedUp = false;
    GameObject* other = *others;
    while (other && !playerUsedUp) {
        if (!boxesOverlap(player, *other)) {
            other = other->next;
            continue;
        }
        playerUsedUp = player.takeHit(*other);
        tintRed(player);
        if (other->takeHit(player)) {
            onDestroyed(*other);
            other = removeObject(others, other);
        } else {
            other = other->next;
        }
    }
    // The hit points decide, not this pass's contacts: a craft brought to
    // exactly 0 by a wall is destroyed by the next pass that runs.
    if (player.hp() <= 0 && !g_gameOver) {
        g_gameOver = true;
        spawnEffect(&player, kEffectCraftDestroyed);
    }
}

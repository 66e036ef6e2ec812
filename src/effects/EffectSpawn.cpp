// Effect creation: the new object goes to its list's tail, takes its kind's
// starting values and is placed by kind or centred on its source.
#include <cmath>

#include "effects/EffectKinds.h"
#include "effects/Effects.h"
#include "objects/ObjectList.h"
#include "player/PlayerState.h"
#include "text/Conversation.h"

namespace {

constexpr int kCategoryFrontEffect = 3;
constexpr int kCategoryBackEffect = 5;

constexpr double kStartAngle = 7.0;

void spawnInList(GameObject** list, GameObject** lastCreated, int category, GameObject* source,
                 int kind, float x, float y)
{
    // An unknown kind would be an invisible object that never ends; a missing
    // source leaves nothing to place it by.
    if (!source || !effectKindRow(kind))
        return;
    GameObject* effect = spawnInto(list, lastCreated, category, kind, x, y);
    initEffect(*effect, *source);
}

}  // namespace

void spawnEffect(GameObject* source, int kind)
{
    spawnInList(&g_effectFrontList, &g_lastEffectFront, kCategoryFrontEffect, source, kind, 0, 0);
}

void spawnEffectAt(GameObject* source, int kind, int x, int y)
{
    spawnInList(&g_effectFrontList, &g_lastEffectFront, kCategoryFrontEffect, source, kind,
                static_cast<float>(x), static_cast<float>(y));
}

void spawnBackEffect(GameObject* source, int kind)
{
    spawnInList(&g_effectBackList, &g_lastEffectBack, kCategoryBackEffect, source, kind, 0, 0);
}

void initEffect(GameObject& effect, const GameObject& source)
{
    const EffectKindRow* row = effectKindRow(effect.kind());
    if (!row)
        return;
    effect.init(row->width, row->height, row->hitLeft, row->hitTop, row->hitRight,
                row->hitBottom, 0, 1, row->power, row->speed, kStartAngle, row->alpha, 0, 0);

    switch (effect.kind()) {
    case 4:
        if (g_playerObject) {
            effect.setX(g_playerObject->x() - effect.width() / 2 + 80);
            effect.setY(g_playerObject->y() - effect.height() / 2 + 20);
        }
        break;
    case 9:
        effect.setX(0);
        effect.setY(0);
        return;
    case 23:
        // At the bottom right corner of the window being typed into.
        effect.setX(g_messageSide == 1 ? 490 : 618);
        effect.setY(g_messageSide == 1 ? 442 : 160);
        return;
    default:
        break;
    }

    if (std::trunc(effect.x()) == 0 && std::trunc(effect.y()) == 0) {
        effect.setX(source.x() + (source.width() - effect.width()) / 2);
        effect.setY(source.y() + (source.height() - effect.height()) / 2);
    }
}

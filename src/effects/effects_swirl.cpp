// Character 1's special attack: sixteen comets run out along the swirl paths,
// gather into eight orbs that radiate light and spark on every enemy, and the
// attack ends by dealing its power to every enemy at once.
#include <cmath>
#include <cstdint>

#include "app/PlayFlags.h"
#include "app/PrecomputedTables.h"
#include "collision/Destruction.h"
#include "collision/Items.h"
#include "effects/EffectKinds.h"
#include "effects/Effects.h"
#include "effects/CharacterAttacks.h"
#include "graphics/Sprites.h"
#include "objects/ObjectList.h"
#include "player/PlayerState.h"
#include "stage/MapCharMove.h"

namespace {

constexpr int kHitOffsetCount = 15;

// Where the sparks land on an enemy, around its centre; consecutive enemies
// alternate rows, and each round of sparks moves one entry on.
constexpr int32_t kSpecialHitOffsets[2][kHitOffsetCount][2] = {
    {{89, 99}, {35, 125}, {118, 114}, {93, 54}, {54, 20}, {119, 12}, {104, 127}, {83, 64},
     {19, 69}, {68, 65}, {49, 37}, {23, 17}, {5, 123}, {61, 70}, {24, 86}},
    {{122, 109}, {29, 16}, {105, 30}, {55, 93}, {77, 48}, {99, 76}, {70, 15}, {12, 34},
     {113, 42}, {9, 98}, {42, 50}, {110, 89}, {114, 117}, {125, 74}, {105, 83}},
};

constexpr int32_t kPathEnd = kSwirlPoints - 1;
constexpr float kCometSize = 48;
constexpr float kCellSize = 0.125f;
constexpr float kCellV = 0.375f;
constexpr int32_t kAnimFrames = 8;
constexpr int32_t kOrbFrames = 150;
constexpr int32_t kSparkEvery = 10;
constexpr float kWedgeBase = 256;
constexpr double kWedgeSpread = 20;
constexpr float kWedgeWidth = 64;
constexpr int kWedgeTexture = 4;
constexpr int kSpecialHit = 38;
constexpr int kItemKind = 0;

const platform::Texture* swirlTexture() { return effectTexture(EffectSheet::Effect, 2); }

float cellU(const GameObject& e) { return static_cast<float>(e.angle() * kCellSize); }

void nextAnimFrame(GameObject& e)
{
    e.setAngle((static_cast<int32_t>(e.angle()) + 1) % kAnimFrames);
}

// Each comet's tail runs from its head back towards the centre; once the
// heads reach the path ends, aux draws the tails in.
void drawComets(const GameObject& e)
{
    int32_t first = static_cast<int32_t>(e.aux());
    int32_t last = static_cast<int32_t>(e.speed());
    for (int path = 0; path < kSwirlPaths; ++path) {
        for (int32_t j = first; j < last; ++j) {
            int32_t n = e.timer() - j + first;
            if (n < 0 || n >= kSwirlPoints)
                continue;
            for (int family = 0; family < kSwirlFamilies; ++family) {
                const SwirlPoint& p = g_swirlPaths[family][path][n];
                drawSpriteAdditive(swirlTexture(), p.x, p.y, kCometSize, kCometSize, cellU(e),
                                   kCellSize, kCellV, kCellSize);
            }
        }
    }
}

void drawOrb(const GameObject& e, int path)
{
    float side = e.aux() * 3 + 64;
    int32_t half = static_cast<int32_t>(e.aux() * 3 / 2);
    const SwirlPoint& p = g_swirlPaths[0][path][kPathEnd];
    drawSpriteAdditive(swirlTexture(), p.x - half, p.y - half, side, side, cellU(e), kCellSize,
                       kCellV, kCellSize);
}

// Eight wedges of light fanning out from an orb's centre.
void drawWedges(int path, float length, double start)
{
    const SwirlPoint& p = g_swirlPaths[0][path][kPathEnd];
    float cx = p.x + 32;
    float cy = p.y + 32;
    bindTexture(effectTexture(EffectSheet::Shot2, kWedgeTexture));
    enableAlphaBlend();
    setModulateStage();
    setGlowBlend();
    constexpr uint32_t white = 0xFFFFFFFF;
    double a = start;
    for (int w = 0; w < 8; ++w) {
        double tip = a * kDegToRad;
        double edge = (a + kWedgeSpread) * kDegToRad;
        platform::Vertex quad[4] = {
            spriteVertex(static_cast<float>(cx + length * std::cos(tip)),
                         static_cast<float>(cy + length * std::sin(tip)), white, 0, 0),
            spriteVertex(static_cast<float>(cx + kWedgeWidth * std::cos(edge)),
                         static_cast<float>(cy + kWedgeWidth * std::sin(edge)), white, 1, 0),
            spriteVertex(cx, cy, white, 1, 1),
            spriteVertex(cx, cy, white, 0, 1),
        };
        drawQuad(quad);
        a += ((w + 1) * 45) % 360;
    }
}

// A spark on every enemy, scattered by the offset table.
void sparkOnEnemies(GameObject& e)
{
    if (g_mapEmitterObject) {
        int row = 0;
        for (GameObject* enemy = g_enemyList; enemy; enemy = enemy->next) {
            const int32_t* offset = kSpecialHitOffsets[row][e.timer2()];
            g_mapEmitterObject->setX(enemy->x() + offset[0] + enemy->width() / 2 - 64);
            g_mapEmitterObject->setY(enemy->y() + offset[1] + enemy->height() / 2 - 64);
            spawnEffect(g_mapEmitterObject, kSpecialHit);
            row = 1 - row;
        }
    }
    e.setTimer2(e.timer2() >= kHitOffsetCount - 1 ? 0 : e.timer2() + 1);
}

// The final blow: every enemy loses the attack's power; those used up score,
// scatter their items and are destroyed like any shot-down enemy.
void strikeEveryEnemy(const GameObject& e)
{
    GameObject* enemy = g_enemyList;
    while (enemy) {
        enemy->setHp(enemy->hp() - e.power());
        if (enemy->hp() >= 1) {
            enemy = enemy->next;
            continue;
        }
        enemy->addValueTo(&g_score);
        spawnItems(enemy, kItemKind, enemy->value());
        onDestroyed(*enemy);
        enemy = removeObject(&g_enemyList, enemy);
    }
}

void runComets(GameObject& e)
{
    drawComets(e);
    if (static_cast<int32_t>(e.aux()) > 0)
        for (int path = 0; path < kSwirlPaths; ++path)
            drawOrb(e, path);
    if (e.cell() % 2 == 0) {
        if (e.timer() < kPathEnd) {
            e.incrementTimer();
            e.setSpeed(e.speed() + 1);
        } else if (static_cast<int32_t>(e.aux()) < kPathEnd) {
            e.setAux(static_cast<float>(static_cast<int32_t>(e.aux()) + 1));
        } else {
            e.setStep(2);
            e.resetTimer();
        }
    }
    e.setCell(e.cell() + 1);
    nextAnimFrame(e);
}

void runOrbs(GameObject& e)
{
    if (e.timer() >= kOrbFrames) {
        strikeEveryEnemy(e);
        g_playerFrozen = false;
        g_worldFrozen = false;
        g_specialInUse = 0;
        e.kill();
        return;
    }
    for (int path = 0; path < kSwirlPaths; ++path) {
        drawOrb(e, path);
        drawWedges(path, static_cast<float>(e.timer()) + kWedgeBase, path * 45.0 + e.timer());
    }
    nextAnimFrame(e);
    if (e.timer() % kSparkEvery == 0)
        sparkOnEnemies(e);
    e.incrementTimer();
}

}  // namespace

// Its quad in the pass is a single pixel; everything it shows, it draws here.
void updateSwirlAttack(GameObject& e)
{
    switch (e.step()) {
    case 0:
        g_playerFrozen = true;
        e.setX(320);
        e.setY(240);
        e.setSpeed(1.0f);
        e.setAux(0);
        e.setStepOne();
        break;
    case 1: runComets(e); break;
    default: runOrbs(e); break;
    }
}

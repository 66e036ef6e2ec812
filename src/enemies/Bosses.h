// The stage bosses' per-step behaviours, one entry per boss kind, called from
// the enemy update's kind switch.
#pragma once

class GameObject;

void updateBossKind1(GameObject& boss);        // kind 1
void updateBossKind7(GameObject& boss);        // kind 7
void updateBossKind9(GameObject& boss);        // kind 9
void updateFirstForm(GameObject& boss);        // kind 8, until it changes form
void updateSecondFormCore(GameObject& core);   // kind 17
void updateSecondFormArm(GameObject& arm);     // kinds 18 and 19
void updateOrbitBoss(GameObject& boss);        // kind 10
void updateOrbitSatellite(GameObject& satellite);  // kind 11

// The orbit boss, set on its first update; its satellites follow it only
// while it leads the enemy list.
extern GameObject* g_orbitBoss;
// Set once the boss has reached its place on the ring: the ring turns.
extern bool g_orbitTurning;

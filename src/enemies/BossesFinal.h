// What the final boss's two forms share: the scatter table of their spread
// fire, and the second form's core pointer and arm hit-point memory.
#pragma once

#include <cstdint>

class GameObject;

// The core of the second form, set when the core takes up its post. The arms
// trust it only while it is the kind-17 enemy at the head of the list.
extern GameObject* g_secondFormCore;
// The hit points each arm had at its previous update (kind 18, kind 19).
extern int32_t g_armHpA;
extern int32_t g_armHpB;

// A spread from scatter table A: row 0-3, column 0-29. Both wrap into range.
int32_t scatterA(int32_t row, int32_t column);

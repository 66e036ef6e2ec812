// The characters placed on the stage map and the stand-alone object they
// spawn from.
#pragma once

class GameObject;

extern GameObject* g_mapEmitterObject;

// Wakes, moves and draws the characters as the map scrolls.
void mapCharsStep();
// Frees the stage's map-character table.
void freeMapCharacters();

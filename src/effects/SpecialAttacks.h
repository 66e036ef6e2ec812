// The special attacks' effects: character 0's two figures drawn by a pen of
// light with their sparkles, and character 1's swirl.
#pragma once

class GameObject;

void updateSpecialSparkle(GameObject& e);  // 10
void updatePenFirstFigure(GameObject& e);  // 11
void updatePenSecondFigure(GameObject& e); // 12
void updateSwirlAttack(GameObject& e);     // 32

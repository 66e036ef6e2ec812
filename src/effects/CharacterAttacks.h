// The special attacks' effects: character 0's two figures drawn by a pen of
// light with their sparkles, and character 1's swirl. Each attack releases the
// freeze and the special's latch when it ends.
#pragma once

class GameObject;

// The spin of character 0's finale: 0 while no finale runs; the figure and
// every sparkle end once it reaches 10.
extern double g_specialSpin;

void updateSpecialSparkle(GameObject& e);  // 10
void updatePenFirstFigure(GameObject& e);  // 11
void updatePenSecondFigure(GameObject& e); // 12
void updateSwirlAttack(GameObject& e);     // 32

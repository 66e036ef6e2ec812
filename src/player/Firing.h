// The craft's firing rules, run in this order by the control step.
#pragma once

class GameObject;

// Release attack (state 2): four poses of four frames each, then the release shot.
void stepRelease(GameObject& craft);
void fireSpecial(GameObject& craft);
void holdFocus(GameObject& craft);
void useSubWeapon(GameObject& craft);
void useToggle(GameObject& craft);
void useShotButtons(GameObject& craft);

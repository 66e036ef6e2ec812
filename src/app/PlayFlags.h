// The plain flags that carry the state of play between subsystems, all on the
// one thread. Each comment names who sets it.
#pragma once

extern bool g_playerFrozen;         // an event runs: no control input, no player collisions
extern bool g_worldFrozen;          // scrolling, map characters, shots and bullets stop
extern bool g_messageMode;          // a story conversation window is open
extern bool g_storyMode;            // the game was started with the story
extern int g_specialInUse;          // a special attack runs, until its effect ends
extern bool g_screenFlash;          // the next stage frame is one white flash
extern bool g_releaseInvulnerable;  // after a double-charge release the craft cannot be hit
extern bool g_gameOver;             // the craft has been destroyed
extern bool g_menuOpen;             // the pause menu is open
extern bool g_returnToTitle;        // the continue menu chose the title
extern bool g_stageClearing;        // a boss is destroyed and the stage clear runs
extern bool g_endingStarted;        // the ending conversation has begun
extern bool g_endingFinished;       // the ending conversation has been read to its end

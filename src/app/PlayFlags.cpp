#include "app/PlayFlags.h"

bool g_playerFrozen = false;
bool g_worldFrozen = false;
bool g_messageMode = false;
bool g_storyMode = false;
int g_specialInUse = 0;
bool g_screenFlash = false;
bool g_releaseInvulnerable = false;
bool g_gameOver = false;
bool g_menuOpen = false;
bool g_returnToTitle = false;
bool g_stageClearing = false;
bool g_endingStarted = false;
bool g_endingFinished = false;

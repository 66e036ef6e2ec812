// Music and sound effects by number, loaded once at start-up from dxm/.
#pragma once

constexpr int kSoundCount = 16;
constexpr int kMusicCount = 5;

void initSound();
void playSound(int n);   // 0-15, over whatever plays; the same sound may overlap itself
void playMusic(int n);   // 0-4, loops for ever from its start, replacing the piece before
void stopAllSound();     // music and sound effects alike
void releaseSound();

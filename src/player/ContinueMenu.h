// The in-game menu shown by the game-over and pause screens: retry, title
// and (when paused) resume.
#pragma once

// Moves the cursor, acts on a confirm and draws the menu; once per frame
// while the menu shows.
void continueMenu();

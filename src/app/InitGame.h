// The game's start-up state: everything that stays loaded for the whole run,
// the objects outside the lists, every global and the precomputed tables.
#pragma once

// False when a start-up archive cannot be read (its message has been shown);
// there is nothing to play without it.
bool initGame();

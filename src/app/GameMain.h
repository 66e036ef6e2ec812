// The process entry: start-up, the message loop and shutdown.
#pragma once

// Runs the game on the backend already set. Returns 1 after an orderly end,
// 0 after a start-up failure.
int runLanternfall();

// The process entry: start-up, the message loop and shutdown.
#pragma once

// Runs the game on the backend already set. Returns 1 after an orderly end,
// 0 after a start-up failure.
// afterStartup, when given, runs once the start-up state is built, before the
// first step; a false result ends the program as a start-up failure does.
int runLanternfall(bool (*afterStartup)() = nullptr);

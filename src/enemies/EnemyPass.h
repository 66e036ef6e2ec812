// The enemy list's pass: draws and updates every enemy.
#pragma once

void enemyPass();

// The enemy-bullet list's pass: draws and updates every bullet.
#pragma once

void bulletPass();

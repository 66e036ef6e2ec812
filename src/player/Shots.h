// The player-shot list's pass.
#pragma once

void shotPass();

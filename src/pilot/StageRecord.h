// The pilot's record of each stage: frames, damage, continues and score,
// and the report lines made from it.
#pragma once

#include <cstdint>
#include <string>

namespace pilot {

struct StageRecord {
    int stage = 0;          // 1-5
    int startFrame = 0;     // the first frame played in the stage
    int clearFrame = -1;    // the frame the boss was destroyed, -1 before
    int damage = 0;         // hit points lost in the stage, retries included
    int continues = 0;      // game overs continued from in the stage
    int lastHp = 0;         // the craft's hit points on the last frame seen
    bool banked = false;
    // Enemy bullets in sight over the stage's frames: how hard it pressed.
    int64_t bulletSum = 0;
    int bulletFrames = 0;
    int bulletPeak = 0;
};

// Follows the craft's hit points: a drop is damage, a rise is a restart.
void noteHitPoints(StageRecord& record, int hp);
void noteBulletsInSight(StageRecord& record, int bullets);

std::string clearLine(const StageRecord& record, int bankedScore);
// "pilot: stage N bullets in sight: M.M a frame, P at most"
std::string pressureLine(const StageRecord& record);
std::string endingLine(int frame);

}  // namespace pilot

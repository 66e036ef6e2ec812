// Stage records and their report lines.
#include "pilot/StageRecord.h"

#include <cstdio>

namespace pilot {

void noteHitPoints(StageRecord& record, int hp)
{
    // A craft destroyed below 0 has lost only what it had.
    int left = hp < 0 ? 0 : hp;
    if (left < record.lastHp)
        record.damage += record.lastHp - left;
    record.lastHp = left;
}

void noteBulletsInSight(StageRecord& record, int bullets)
{
    record.bulletSum += bullets;
    record.bulletFrames += 1;
    if (bullets > record.bulletPeak)
        record.bulletPeak = bullets;
}

std::string clearLine(const StageRecord& record, int bankedScore)
{
    char line[160];
    std::snprintf(line, sizeof line, "pilot: stage %d cleared at frame %d, damage %d, continues %d, score %d",
                  record.stage, record.clearFrame, record.damage, record.continues, bankedScore);
    return line;
}

std::string pressureLine(const StageRecord& record)
{
    const double mean = record.bulletFrames > 0 ? double(record.bulletSum) / record.bulletFrames : 0.0;
    char line[120];
    std::snprintf(line, sizeof line, "pilot: stage %d bullets in sight: %.1f a frame, %d at most", record.stage,
                  mean, record.bulletPeak);
    return line;
}

std::string endingLine(int frame)
{
    return "pilot: ending at frame " + std::to_string(frame);
}

}  // namespace pilot

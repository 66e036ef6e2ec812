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

std::string clearLine(const StageRecord& record, int bankedScore)
{
    char line[160];
    std::snprintf(line, sizeof line, "pilot: stage %d cleared at frame %d, damage %d, continues %d, score %d",
                  record.stage, record.clearFrame, record.damage, record.continues, bankedScore);
    return line;
}

std::string endingLine(int frame)
{
    return "pilot: ending at frame " + std::to_string(frame);
}

}  // namespace pilot

// The stage script. Its file holds raw little-endian int32s:
//   offset 0        4  record count N
//   offset 4 + 16i  16 record i: time step, then three values the game stores
//                      but never reads
#include "stage/StageScript.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/PlayFlags.h"
#include "data/WholeFile.h"
#include "objects/ObjectList.h"

int32_t g_stageScript[kStageScriptSlots][4];
int32_t g_stageScriptLength = 0;
int32_t g_scriptPosition = 0;
int32_t g_stageClock = 0;
int32_t g_nextEventTime = kFirstEventTime;
bool g_scriptWaitFlag = false;

namespace {

int32_t readInt32(const unsigned char* p)
{
    uint32_t value = p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
    return static_cast<int32_t>(value);
}

}  // namespace

void loadStageScriptFrom(const char* bytes, size_t size, const char* name)
{
    std::memset(g_stageScript, 0, sizeof g_stageScript);
    g_stageScriptLength = 0;
    const unsigned char* data = reinterpret_cast<const unsigned char*>(bytes);
    if (size < 4) {
        std::printf("%s: the record count is missing\n", name);
        return;
    }
    int32_t count = readInt32(data);
    if (count < 0) {
        std::printf("%s: the record count %d is negative; the schedule is empty\n", name, count);
        return;
    }
    if (count > kStageScriptSlots) {
        std::printf("%s: %d records exceed the %d the schedule holds; the rest are ignored\n", name,
                    count, kStageScriptSlots);
        count = kStageScriptSlots;
    }
    size_t available = (size - 4) / 16;
    if (static_cast<size_t>(count) > available) {
        std::printf("%s: the file ends after %zu of %d records\n", name, available, count);
        count = static_cast<int32_t>(available);
    }
    // The clock adds the time steps to the first event time; a record that
    // would carry that sum past what an int32 holds could never come due.
    int64_t eventTime = kFirstEventTime;
    for (int32_t i = 0; i < count; ++i) {
        const unsigned char* record = data + 4 + 16 * i;
        eventTime += readInt32(record);
        if (eventTime > INT32_MAX || eventTime < INT32_MIN) {
            std::printf("%s: record %d lies beyond the clock's range; it and the rest are ignored\n",
                        name, i + 1);
            return;
        }
        for (int field = 0; field < 4; ++field)
            g_stageScript[i][field] = readInt32(record + 4 * field);
        g_stageScriptLength = i + 1;
    }
}

void loadStageScript()
{
    const char* name = "out.txt";
    std::vector<uint8_t> bytes;
    FileReadResult read = readWholeFile(name, bytes);
    if (read != FileReadResult::Read) {
        if (read == FileReadResult::CannotOpen)
            std::printf("%s\n", name);
        else
            std::printf("%s: the file cannot be read; the schedule is empty\n", name);
        std::memset(g_stageScript, 0, sizeof g_stageScript);
        g_stageScriptLength = 0;
        return;
    }
    loadStageScriptFrom(reinterpret_cast<const char*>(bytes.data()), bytes.size(), name);
}

void resetStageScript()
{
    g_scriptPosition = 0;
    g_stageClock = 0;
    g_nextEventTime = kFirstEventTime;
    g_scriptWaitFlag = false;
}

void stageScriptStep()
{
    // The end of the schedule is the end of all events: without this limit the
    // zero time steps past the last record would keep the loop going for ever.
    while (g_stageClock == g_nextEventTime && g_scriptPosition < g_stageScriptLength) {
        g_nextEventTime += g_stageScript[g_scriptPosition][0];
        g_scriptPosition += 1;
    }
    if (g_messageMode)
        return;
    if (!g_scriptWaitFlag)
        g_stageClock += 1;
    else if (g_enemyList == nullptr)
        g_scriptWaitFlag = false;
}

// The stage schedule: a readable source turned into the binary "out.txt".
//
// Source: one record per line, "STEP [V2 [V3 [V4]]]" as decimal integers
// (missing values are 0); ";" or "#" starts a comment; blank lines are ignored.
// Output, little-endian int32: the record count N, then N records of four
// values (time step, then the three values the game stores but never reads).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "FileIo.h"

namespace tools {

constexpr std::size_t kMaxScheduleRecords = 9999;

using ScheduleRecord = std::array<std::int32_t, 4>;

// Fills records, or sets error to "FILE:LINE: problem". Refuses an empty
// schedule, more than kMaxScheduleRecords records, negative time steps (the
// next event would lie in the past and never come) and a last record whose
// step is 0 (the clock would consume past the end of the schedule at once).
bool parseSchedule(const std::string& fileName, const std::string& source, std::vector<ScheduleRecord>& records,
                   std::string& error);

Bytes encodeSchedule(const std::vector<ScheduleRecord>& records);

}  // namespace tools

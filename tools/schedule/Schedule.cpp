// The stage schedule: a readable source turned into the binary "out.txt".
#include "Schedule.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

namespace tools {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

bool parseSchedule(const std::string& fileName, const std::string& source, std::vector<ScheduleRecord>& records,
                   std::string& error) {
    records.clear();
    const auto fail = [&](int line, const std::string& message) {
        error = fileName + ":" + std::to_string(line) + ": " + message;
        records.clear();
        return false;
    };
    int lineNumber = 0;
    int lastRecordLine = 0;
    std::size_t start = 0;
    while (start < source.size()) {
        std::size_t end = source.find('\n', start);
        if (end == std::string::npos) end = source.size();
        ++lineNumber;
        std::string line = source.substr(start, end - start);
        start = end + 1;
        const std::size_t comment = line.find_first_of(";#");
        if (comment != std::string::npos) line.resize(comment);

        ScheduleRecord record{};
        int count = 0;
        std::size_t pos = 0;
        while (true) {
            while (pos < line.size() && isSpace(line[pos])) ++pos;
            if (pos >= line.size()) break;
            if (count == 4) return fail(lineNumber, "more than four values on a line");
            const std::size_t tokenEnd = line.find_first_of(" \t\r", pos);
            const std::string token = line.substr(pos, tokenEnd == std::string::npos ? std::string::npos : tokenEnd - pos);
            pos = tokenEnd == std::string::npos ? line.size() : tokenEnd;
            char* parsedEnd = nullptr;
            errno = 0;
            const long long value = std::strtoll(token.c_str(), &parsedEnd, 10);
            if (*parsedEnd != '\0' || token == "-" || token == "+")
                return fail(lineNumber, "\"" + token + "\" is not a decimal integer");
            if (errno == ERANGE || value < std::numeric_limits<std::int32_t>::min() ||
                value > std::numeric_limits<std::int32_t>::max())
                return fail(lineNumber, token + " does not fit a 32-bit integer");
            record[count++] = static_cast<std::int32_t>(value);
        }
        if (count == 0) continue;
        if (record[0] < 0) return fail(lineNumber, "time step " + std::to_string(record[0]) + " is negative");
        if (records.size() == kMaxScheduleRecords)
            return fail(lineNumber, "more than " + std::to_string(kMaxScheduleRecords) + " records");
        records.push_back(record);
        lastRecordLine = lineNumber;
    }
    if (records.empty()) return fail(lineNumber, "the schedule has no records");
    if (records.back()[0] == 0)
        return fail(lastRecordLine, "the last record's time step is 0; the schedule would run past its end");
    return true;
}

Bytes encodeSchedule(const std::vector<ScheduleRecord>& records) {
    Bytes out;
    out.reserve(4 + 16 * records.size());
    putU32(out, static_cast<std::uint32_t>(records.size()));
    for (const ScheduleRecord& record : records)
        for (std::int32_t value : record) putU32(out, static_cast<std::uint32_t>(value));
    return out;
}

}  // namespace tools

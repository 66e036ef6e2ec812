// schedule: writes the binary stage schedule from its readable source.
//   schedule SOURCE.txt out.txt
#include <cstdio>
#include <string>

#include "FileIo.h"
#include "Schedule.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: schedule SOURCE.txt out.txt\n");
        return 1;
    }
    tools::Bytes source;
    std::vector<tools::ScheduleRecord> records;
    std::string error;
    if (!tools::readFile(argv[1], source, error) ||
        !tools::parseSchedule(argv[1], std::string(source.begin(), source.end()), records, error) ||
        !tools::writeFile(argv[2], tools::encodeSchedule(records), error)) {
        std::fprintf(stderr, "schedule: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

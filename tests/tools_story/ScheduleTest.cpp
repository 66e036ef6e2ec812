// The schedule writer: the records it reads and the schedules it refuses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Schedule.h"

TEST(Schedule, ReadsRecordsWithDefaultsAndComments) {
    const std::string source =
        "; the stage schedule\n"
        "\n"
        "25            # one value\n"
        "0 1 -2 3\n"
        "  40 7 ; two values\r\n"
        "2147483647 -2147483648\n";
    std::vector<tools::ScheduleRecord> records;
    std::string error;
    ASSERT_TRUE(tools::parseSchedule("s.txt", source, records, error)) << error;
    const std::vector<tools::ScheduleRecord> expected = {
        {25, 0, 0, 0}, {0, 1, -2, 3}, {40, 7, 0, 0}, {2147483647, -2147483648, 0, 0}};
    EXPECT_EQ(records, expected);

    const tools::Bytes bytes = tools::encodeSchedule({{25, -1, 0, 0}});
    const tools::Bytes expectedBytes = {1, 0, 0, 0, 25, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(bytes, expectedBytes);
}

TEST(Schedule, RefusesSchedulesTheClockCannotWalk) {
    std::string tooMany;
    for (int i = 0; i < 10000; ++i) tooMany += "1\n";
    std::string mostAllowed;
    for (int i = 0; i < 9999; ++i) mostAllowed += "1\n";
    struct Case {
        const char* what;
        std::string source;
        std::string message;
    };
    const Case cases[] = {
        {"empty", "; nothing\n\n", "s.txt:2: the schedule has no records"},
        {"negative step", "10\n-5\n10\n", "s.txt:2: time step -5 is negative"},
        {"last step zero", "10\n0\n\n", "s.txt:2: the last record's time step is 0"},
        {"not a number", "10\n1x\n", "s.txt:2: \"1x\" is not a decimal integer"},
        {"lone sign", "10 -\n", "s.txt:1: \"-\" is not a decimal integer"},
        {"too big", "2147483648\n", "s.txt:1: 2147483648 does not fit a 32-bit integer"},
        {"five values", "1 2 3 4 5\n", "s.txt:1: more than four values on a line"},
        {"too many records", tooMany, "s.txt:10000: more than 9999 records"},
    };
    for (const Case& c : cases) {
        std::vector<tools::ScheduleRecord> records;
        std::string error;
        EXPECT_FALSE(tools::parseSchedule("s.txt", c.source, records, error)) << c.what;
        EXPECT_TRUE(records.empty()) << c.what;
        EXPECT_EQ(error.compare(0, c.message.size(), c.message), 0) << c.what << ": " << error;
    }
    std::vector<tools::ScheduleRecord> records;
    std::string error;
    EXPECT_TRUE(tools::parseSchedule("s.txt", mostAllowed, records, error)) << error;
    EXPECT_EQ(records.size(), 9999u);
}

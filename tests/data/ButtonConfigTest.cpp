// The button assignment file: parsing, the defaults, and round trips.
#include <gtest/gtest.h>

#include <algorithm>

#include "data/ButtonConfig.h"
#include "TestFiles.h"

namespace {

std::vector<int> current() { return std::vector<int>(g_actionButton, g_actionButton + kActionCount); }
const std::vector<int> kDefaults(kDefaultActionButton, kDefaultActionButton + kActionCount);

}  // namespace

TEST(ButtonConfig, ParsesSixButtonNumbersOrNothing) {
    struct Case { const char* text; bool ok; std::vector<int> buttons; } cases[] = {
        {"0\n1\n6\n2\n7\n4", true, {0, 1, 6, 2, 7, 4}},
        {"3 1 6 2 7 4\n", true, {3, 1, 6, 2, 7, 4}},
        {"  7\t7 7\n7 7 7 trailing words", true, {7, 7, 7, 7, 7, 7}},  // two on one button stays
        {"0 1 6 2 7", false, {}},
        {"", false, {}},
        {"0 1 six 2 7 4", false, {}},
        {"0 1 6 2 7 8", false, {}},
        {"0 -1 6 2 7 4", false, {}},
        {"0 1 6 2 7 99999999999999999999", false, {}},
    };
    for (const Case& c : cases) {
        int buttons[kActionCount] = {9, 9, 9, 9, 9, 9};
        EXPECT_EQ(parseButtonConfig(c.text, buttons), c.ok) << c.text;
        std::vector<int> got(buttons, buttons + kActionCount);
        EXPECT_EQ(got, c.ok ? c.buttons : std::vector<int>(kActionCount, 9)) << c.text;
    }
}

class ButtonConfigFile : public testfiles::InTempDir {};

TEST_F(ButtonConfigFile, WritesTheFileTheGameReadsBack) {
    int assignment[kActionCount] = {3, 1, 6, 2, 7, 4};
    std::copy(assignment, assignment + kActionCount, g_actionButton);
    ASSERT_TRUE(writeButtonConfig());
    std::vector<uint8_t> bytes = readFile("joyconfig.dat");
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "3\n1\n6\n2\n7\n4");
    setDefaultActionButtons();
    ASSERT_TRUE(readButtonConfig());
    EXPECT_EQ(current(), (std::vector<int>{3, 1, 6, 2, 7, 4}));
    EXPECT_EQ(g_actionButton[kActionShotA], 3);
    EXPECT_TRUE(messages().empty());
}

TEST_F(ButtonConfigFile, MissingOrBadFilesFallBackToTheDefaultsWithAMessage) {
    struct Case { const char* contents; const char* message; } cases[] = {
        {nullptr, "joyconfig.datファイルが開けません"},
        {"1 2 3", "joyconfig.datの内容が正しくありません"},
        {"0 1 2 3 4 9", "joyconfig.datの内容が正しくありません"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove("joyconfig.dat");
        if (c.contents) writeFile("joyconfig.dat", std::string(c.contents));
        std::fill(g_actionButton, g_actionButton + kActionCount, 5);
        size_t before = messages().size();
        EXPECT_FALSE(readButtonConfig());
        EXPECT_EQ(current(), kDefaults);
        ASSERT_EQ(messages().size(), before + 1);
        EXPECT_NE(messages().back().find(c.message), std::string::npos) << messages().back();
    }
    EXPECT_EQ(g_actionButton[kActionFocus], 7);
}

TEST_F(ButtonConfigFile, AFailedWriteKeepsTheAssignmentInMemory) {
    std::filesystem::create_directory("joyconfig.dat");  // cannot be opened as a file
    g_actionButton[kActionShotA] = 5;
    EXPECT_FALSE(writeButtonConfig());
    EXPECT_EQ(g_actionButton[kActionShotA], 5);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(messages()[0].find("joyconfig.datファイルが開けません"), std::string::npos);
    setDefaultActionButtons();
}

TEST_F(ButtonConfigFile, AFailedWriteKeepsTheSavedFileWhole) {
    writeFile("joyconfig.dat", std::string("3\n1\n6\n2\n7\n4"));
    std::filesystem::create_directory("joyconfig.dat.tmp");  // the new file cannot be written
    g_actionButton[kActionShotA] = 5;
    EXPECT_FALSE(writeButtonConfig());
    std::vector<uint8_t> bytes = readFile("joyconfig.dat");
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "3\n1\n6\n2\n7\n4");
    setDefaultActionButtons();
}

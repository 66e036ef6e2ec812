// The window settings: damaged files, where they live, how they are saved,
// and the size a window opens at.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "platform/WindowSettings.h"

using namespace platform;

namespace {

std::filesystem::path scratchDir()
{
    auto dir = std::filesystem::temp_directory_path() / ("lnf_window_settings_" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

}  // namespace

TEST(WindowSettings, DamagedTextIsRefusedWholeAndGoodTextReads)
{
    const struct {
        const char* text;
        std::optional<WindowSettings> result;  // nothing: damaged
        const char* error = "";
    } cases[] = {
        {"", WindowSettings{}},
        {"fullscreen yes\nsize 1280 960\n", WindowSettings{true, 1280, 960}},
        {"size 800 600\r\nfullscreen no\r\n", WindowSettings{false, 800, 600}},
        {"# written by hand\n\n  size\t800  600  \n", WindowSettings{false, 800, 600}},
        {"colour-depth 32\nsize 800 600", WindowSettings{false, 800, 600}},  // a newer version's key
        {"size 1280", std::nullopt, "line 1: size must be two whole numbers from 1 to 16384"},
        {"size 1280 960 2", std::nullopt},
        {"size 0 960", std::nullopt},
        {"size -640 480", std::nullopt},
        {"size 16385 480", std::nullopt},
        {"size 12a 960", std::nullopt},
        {"fullscreen maybe", std::nullopt, "line 1: fullscreen must be yes or no"},
        {"fullscreen", std::nullopt, "line 1: \"fullscreen\" has no value"},
        {"size 1280 960\nfullscr", std::nullopt, "line 2: \"fullscr\" has no value"},  // cut short
        {"\x89PNG\r\n\x1a\n", std::nullopt, "line 1: not a setting"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        WindowSettings settings{true, 1, 1};
        std::string error;
        const bool ok = parseWindowSettings(c.text, settings, error);
        ASSERT_EQ(ok, c.result.has_value()) << error;
        if (ok) {
            EXPECT_EQ(settings, *c.result);
            WindowSettings again;
            ASSERT_TRUE(parseWindowSettings(formatWindowSettings(settings), again, error));
            EXPECT_EQ(again, settings) << "what is written reads back";
        } else {
            EXPECT_EQ(settings, (WindowSettings{true, 1, 1})) << "nothing of a damaged file is taken";
            if (*c.error) {
                EXPECT_EQ(error, c.error);
            }
        }
    }
}

TEST(WindowSettings, LoadingNamesADamagedFileInOneLineAndGivesTheDefaults)
{
    const auto dir = scratchDir();
    const struct {
        std::string name, bytes;
        WindowSettings expected;
        bool complaint;
    } cases[] = {
        {"missing.conf", "", {}, false},
        {"good.conf", "fullscreen yes\nsize 800 600\n", {true, 800, 600}, false},
        {"binary.conf", std::string("size 800 600\0\0\0", 15), {}, true},
        {"huge.conf", std::string(5000, '#'), {}, true},
        {"cut.conf", "fullscreen yes\nsize 80", {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = (dir / c.name).string();
        if (c.name != "missing.conf") std::ofstream(path, std::ios::binary) << c.bytes;
        testing::internal::CaptureStderr();
        const WindowSettings settings = loadWindowSettings(path);
        const std::string complaint = testing::internal::GetCapturedStderr();
        EXPECT_EQ(settings, c.expected);
        if (c.complaint) {
            EXPECT_EQ(complaint.rfind(path + ": damaged window settings ignored", 0), 0u) << complaint;
            EXPECT_EQ(std::count(complaint.begin(), complaint.end(), '\n'), 1);
        } else {
            EXPECT_EQ(complaint, "");
        }
    }
    std::filesystem::remove_all(dir);
}

TEST(WindowSettings, SavingMakesTheFolderAndReplacesTheFileWhole)
{
    const auto dir = scratchDir();
    const std::string path = (dir / "config/lanternfall/window.conf").string();
    ASSERT_TRUE(saveWindowSettings(path, {false, 1280, 960}));
    ASSERT_TRUE(saveWindowSettings(path, {true, 1024, 768}));
    EXPECT_EQ(loadWindowSettings(path), (WindowSettings{true, 1024, 768}));
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir / "config/lanternfall")) ++files;
    EXPECT_EQ(files, 1) << "no temporary is left behind";

    // A file where the folder should be: the save fails with one line naming the file.
    std::ofstream(dir / "blocker") << "x";
    const std::string blocked = (dir / "blocker/lanternfall/window.conf").string();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(saveWindowSettings(blocked, {}));
    const std::string complaint = testing::internal::GetCapturedStderr();
    EXPECT_EQ(complaint.rfind(blocked + ": cannot save the window settings", 0), 0u) << complaint;
    std::filesystem::remove_all(dir);
}

TEST(WindowSettings, FileLivesInTheConfigurationFolder)
{
    setenv("HOME", "/h", 1);
    setenv("XDG_CONFIG_HOME", "/x/cfg/", 1);
    EXPECT_EQ(windowSettingsPath(), "/x/cfg/lanternfall/window.conf");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(windowSettingsPath(), "/h/.config/lanternfall/window.conf");
}

TEST(WindowSettings, WindowOpensAtTheRememberedSizeOrTheLargestMultipleThatFits)
{
    const struct {
        WindowSettings remembered;
        WindowSize usable, expected;
    } cases[] = {
        {{}, {1920, 1080}, {1280, 960}},
        {{}, {1920, 1040}, {1280, 960}},   // a panel leaves room for 2x still
        {{}, {1280, 960}, {1280, 960}},    // exactly 2x
        {{}, {1366, 728}, {640, 480}},
        {{}, {3840, 2160}, {2560, 1920}},
        {{}, {600, 400}, {640, 480}},      // never less than 1x
        {{false, 1000, 700}, {1920, 1080}, {1000, 700}},
        {{true, 1920, 1080}, {1920, 1080}, {1920, 1080}},
        {{false, 2000, 900}, {1920, 1080}, {1280, 960}},  // too wide for this display now
        {{false, 1000, 1100}, {1920, 1080}, {1280, 960}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(chooseWindowSize(c.remembered, c.usable, {640, 480}), c.expected)
            << c.usable.width << "x" << c.usable.height << " remembered " << c.remembered.width;
}

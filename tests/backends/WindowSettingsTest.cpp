// The window settings: damaged files, a folder that cannot be made, and the
// size a window opens at.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

#include "platform/WindowSettings.h"

using namespace platform;

namespace {

std::filesystem::path scratchDir()
{
    auto dir = std::filesystem::temp_directory_path() / ("lnf_window_settings_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    return dir;
}

}  // namespace

TEST(WindowSettings, ADamagedFileIsIgnoredWholeWithOneLineNamingIt)
{
    const struct {
        std::string text;
        std::optional<WindowSettings> result;  // nothing: damaged, the defaults are used
        const char* problem = "";
    } cases[] = {
        {"fullscreen yes\nsize 1280 960\n", WindowSettings{true, 1280, 960}},
        {"# by hand\r\n\r\n  size\t800  600  \r\n", WindowSettings{false, 800, 600}},
        {"colour-depth 32\nsize 800 600", WindowSettings{false, 800, 600}},  // a newer version's key
        {"size 1280", std::nullopt, "line 1: size must be two whole numbers from 1 to 16384"},
        {"size 16385 480", std::nullopt},
        {"fullscreen maybe", std::nullopt, "line 1: fullscreen must be yes or no"},
        {"size 1280 960\nfullscr", std::nullopt, "line 2: \"fullscr\" has no value"},  // cut short
        {"\x89PNG\r\n\x1a\n", std::nullopt, "line 1: not a setting"},
        {std::string("size 800 600\0\0", 14), std::nullopt, "holds binary data"},
        {std::string(5000, '#'), std::nullopt, "too large"},
    };
    const std::string path = (scratchDir() / "window.conf").string();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        std::ofstream(path, std::ios::binary) << c.text;
        testing::internal::CaptureStderr();
        const WindowSettings settings = loadWindowSettings(path);
        const std::string complaint = testing::internal::GetCapturedStderr();
        EXPECT_EQ(settings, c.result.value_or(WindowSettings{}));
        if (c.result) {
            EXPECT_EQ(complaint, "");
            continue;
        }
        EXPECT_EQ(complaint.rfind(path + ": damaged window settings ignored (", 0), 0u) << complaint;
        EXPECT_NE(complaint.find(c.problem), std::string::npos) << complaint;
        EXPECT_EQ(std::count(complaint.begin(), complaint.end(), '\n'), 1);
    }
    std::filesystem::remove_all(scratchDir());
}

TEST(WindowSettings, AFolderThatCannotBeMadeCostsOneLineNamingTheFile)
{
    const auto dir = scratchDir();
    std::ofstream(dir / "blocker") << "a file where the folder should be";
    const std::string path = (dir / "blocker/lanternfall/window.conf").string();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(saveWindowSettings(path, {}));
    const std::string complaint = testing::internal::GetCapturedStderr();
    EXPECT_EQ(complaint.rfind(path + ": cannot save the window settings", 0), 0u) << complaint;
    std::filesystem::remove_all(dir);
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
    };
    for (const auto& c : cases)
        EXPECT_EQ(chooseWindowSize(c.remembered, c.usable, {640, 480}), c.expected)
            << c.usable.width << "x" << c.usable.height << " remembered " << c.remembered.width;
}

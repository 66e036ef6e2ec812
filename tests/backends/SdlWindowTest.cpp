// The window's mode and size across runs, on SDL's dummy display (1024 x 768):
// which mode each build starts in, what it leaves in the settings file, and
// what a missing or damaged icon costs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/sdl/SdlWindow.h"

using namespace platform;

TEST(SdlWindow, EachBuildStartsInItsModeAndRemembersWhatThePlayerChose)
{
    enum class Icon { Built, Missing, Damaged };
    const struct {
        const char* name;
        bool fullScreenBuild;
        const char* remembered;  // nullptr: no file yet
        bool toggle;             // F11 once while running
        bool startsFullScreen;
        const char* saved;
        Icon icon;
    } cases[] = {
        {"first run", false, nullptr, false, false, "fullscreen no\nsize 640 480\n", Icon::Built},
        {"left full screen", false, "fullscreen yes\nsize 800 600\n", false, true, "fullscreen yes\nsize 800 600\n",
         Icon::Missing},
        {"switched to full screen", false, "size 800 600\n", true, false, "fullscreen yes\nsize 800 600\n",
         Icon::Damaged},
        {"full-screen build", true, "fullscreen no\nsize 800 600\n", false, true, "fullscreen no\nsize 800 600\n",
         Icon::Built},
    };
    // The window reads its icon from the working directory, the game folder.
    const auto folder = std::filesystem::temp_directory_path() / ("lnf_sdl_window_" + std::to_string(getpid()));
    const auto previous = std::filesystem::current_path();
    setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    const auto path = folder / "config/lanternfall/window.conf";
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        if (c.remembered) {
            std::filesystem::create_directories(path.parent_path());
            std::ofstream(path) << c.remembered;
        }
        if (c.icon == Icon::Built)
            std::filesystem::copy_file(std::filesystem::path(LNF_GAME_DIR) / "lanternfall.png", folder / "lanternfall.png");
        if (c.icon == Icon::Damaged) std::ofstream(folder / "lanternfall.png") << "\x89PNG\r\n\x1a\n cut short";
        std::filesystem::current_path(folder);
        sdl::Window window;
        WindowOptions options;
        options.fullScreen = c.fullScreenBuild;
        testing::internal::CaptureStderr();
        ASSERT_TRUE(window.create(options));
        window.show();
        const std::string complaints = testing::internal::GetCapturedStderr();
        std::filesystem::current_path(previous);
        EXPECT_EQ(std::count(complaints.begin(), complaints.end(), '\n'), c.icon == Icon::Built ? 0 : 1) << complaints;
        EXPECT_EQ(complaints.rfind("lanternfall.png: no window icon: ", 0), c.icon == Icon::Built ? std::string::npos : 0u);
        EXPECT_EQ(window.fullScreen(), c.startsFullScreen);
        if (c.toggle) window.setFullScreen(!window.fullScreen());
        window.destroy();
        WindowSettings expected;
        std::string error;
        ASSERT_TRUE(parseWindowSettings(c.saved, expected, error));
        EXPECT_EQ(loadWindowSettings(path.string()), expected);
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    std::filesystem::remove_all(folder);
}

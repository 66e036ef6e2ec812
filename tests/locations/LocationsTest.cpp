// Where the game finds its folder, and how the player's folder in the XDG
// data home is set up: the search order, the first-run copy, the defaults of
// the XDG rules, and a data home that cannot be written.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#include "data/ButtonConfig.h"
#include "data/Progress.h"
#include "data/TestFiles.h"
#include "platform/GameFolder.h"
#include "platform/Locations.h"
#include "platform/PlayerFolder.h"
#include "platform/XdgDirectories.h"

namespace fs = std::filesystem;

namespace {

// Sets an environment variable (null unsets it) until the end of the scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

void makeGameFolder(const fs::path& dir)
{
    fs::create_directories(dir / "lnfpac");
    std::ofstream(dir / "out.txt") << "schedule";
}

std::vector<std::string> paths(const std::vector<platform::GameFolderPlace>& places)
{
    std::vector<std::string> result;
    for (const platform::GameFolderPlace& place : places) result.push_back(place.path);
    return result;
}

}  // namespace

TEST(GameFolderPlaces, EnvironmentThenBesideTheProgramThenTheWorkingDirectory)
{
    struct Case { const char* variable; const char* program; std::vector<std::string> expected; } cases[] = {
        {nullptr, "/usr/games", {"/usr/share/games/lanternfall", "/home/p/w"}},
        {"", "/usr/games", {"/usr/share/games/lanternfall", "/home/p/w"}},
        {"/srv/lf", "/opt/lf/games", {"/srv/lf", "/opt/lf/share/games/lanternfall", "/home/p/w"}},
        {"../data", "", {"/home/p/data", "/home/p/w"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(paths(platform::gameFolderPlaces(c.variable, c.program, "/home/p/w")), c.expected)
            << (c.variable ? c.variable : "unset");
}

class GameFolderSearch : public testfiles::InTempDir {};

TEST_F(GameFolderSearch, TheFirstPlaceHoldingTheGameFilesIsUsed)
{
    const fs::path root = fs::current_path();
    const std::vector<platform::GameFolderPlace> places =
        platform::gameFolderPlaces((root / "env").c_str(), (root / "prefix/games").string(), (root / "work").string());
    ASSERT_EQ(places.size(), 3u);
    struct Case { bool env, installed, work; int found; } cases[] = {
        {true, true, true, 0},   {true, false, false, 0}, {false, true, true, 1}, {false, true, false, 1},
        {false, false, true, 2}, {true, false, true, 0},  {true, true, false, 0}, {false, false, false, -1},
    };
    for (const Case& c : cases) {
        const bool holds[3] = {c.env, c.installed, c.work};
        for (int i = 0; i < 3; ++i) {
            fs::remove_all(places[i].path);
            fs::create_directories(places[i].path);
            if (holds[i]) makeGameFolder(places[i].path);
        }
        const platform::GameFolderPlace* found = platform::findGameFolder(places);
        if (c.found < 0) {
            ASSERT_EQ(found, nullptr);
            const std::string message = platform::gameFolderNotFoundMessage(places);
            for (const platform::GameFolderPlace& place : places)
                EXPECT_NE(message.find(place.path), std::string::npos) << message;
            EXPECT_NE(message.find("LANTERNFALL_DATA"), std::string::npos);
        } else {
            ASSERT_NE(found, nullptr) << c.found;
            EXPECT_EQ(found->path, places[c.found].path);
        }
    }
    // lnfpac/ alone is not the game folder.
    fs::remove(fs::path(places[0].path) / "out.txt");
    makeGameFolder(places[2].path);
    EXPECT_EQ(platform::findGameFolder(places), &places[2]);
}

TEST(XdgDirectories, AnUnsetEmptyOrRelativeValueFallsBackToHome)
{
    struct Case { const char* value; const char* home; const char* expected; } cases[] = {
        {nullptr, "/home/p", "/home/p/.local/share"},
        {"", "/home/p", "/home/p/.local/share"},
        {"data", "/home/p", "/home/p/.local/share"},
        {"./data", "/home/p/", "/home/p/.local/share"},
        {"/srv/data/", "/home/p", "/srv/data"},
        {nullptr, "/", "/.local/share"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::xdgBaseDirectory(c.value, c.home, ".local/share"), c.expected)
            << (c.value ? c.value : "unset");

    ScopedEnv relativeHome("HOME", "relative");
    EXPECT_EQ(platform::homeDirectory().front(), '/');  // from the password database
}

class PlayerFolderSetUp : public testfiles::InTempDir {
protected:
    void TearDown() override
    {
        platform::setPlayerDirectory("");
        setDefaultActionButtons();
        InTempDir::TearDown();
    }
};

TEST_F(PlayerFolderSetUp, TheFirstStartCopiesTheShippedAssignmentButNeverOverwritesThePlayers)
{
    struct Case { const char* shipped; const char* own; const char* expected; } cases[] = {
        {"0\n1\n6\n2\n7\n4", nullptr, "0\n1\n6\n2\n7\n4"},
        {"0\n1\n6\n2\n7\n4", "3 1 6 2 7 4", "3 1 6 2 7 4"},
        {nullptr, "3 1 6 2 7 4", "3 1 6 2 7 4"},
        {nullptr, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        fs::remove_all("player");
        fs::remove("shipped.dat");
        if (c.shipped) writeFile("shipped.dat", std::string(c.shipped));
        if (c.own) {
            fs::create_directory("player");
            writeFile("player/joyconfig.dat", std::string(c.own));
        }
        EXPECT_EQ(platform::preparePlayerDirectory("player/", "shipped.dat"), "");
        EXPECT_TRUE(fs::is_directory("player/lnfpac"));
        EXPECT_FALSE(fs::exists("player/joyconfig.dat.tmp"));
        if (c.expected) {
            std::vector<uint8_t> bytes = readFile("player/joyconfig.dat");
            EXPECT_EQ(std::string(bytes.begin(), bytes.end()), c.expected);
        } else {
            EXPECT_FALSE(fs::exists("player/joyconfig.dat"));
        }
    }
}

TEST_F(PlayerFolderSetUp, AnUnwritableDataHomeCostsOneMessageAndTheGamePlaysOn)
{
    // Nobody, root included, can make a folder inside a regular file.
    writeFile("file", std::string("not a folder"));
    const std::string dataHome = (fs::current_path() / "file" / "data").string();
    ScopedEnv data("XDG_DATA_HOME", dataHome.c_str());
    for (bool shipped : {true, false}) {
        fs::remove("joyconfig.dat");
        if (shipped) writeFile("joyconfig.dat", std::string("3\n1\n6\n2\n7\n4"));
        const size_t before = messages().size();
        platform::keepPlayerFilesInDataHome();
        ASSERT_EQ(messages().size(), before + 1);
        EXPECT_NE(messages().back().find(dataHome + "/lanternfall/"), std::string::npos) << messages().back();

        // The shipped assignment is read in place; with neither copy there the
        // missing file is reported as it always was.
        EXPECT_EQ(readButtonConfig(), shipped);
        EXPECT_EQ(g_actionButton[kActionShotA], shipped ? 3 : 0);
        ASSERT_EQ(messages().size(), before + (shipped ? 1 : 2));
        if (!shipped) {
            EXPECT_NE(messages().back().find("joyconfig.datファイルが開けません"), std::string::npos);
        }

        g_unlockFlags[0] = 1;
        EXPECT_FALSE(writeProgress());
        EXPECT_FALSE(writeProgress());
        EXPECT_EQ(g_unlockFlags[0], 1);
        EXPECT_EQ(messages().size(), before + (shipped ? 1 : 2));
    }
}

// What the headless runner records: the state hash, the snapshot, the numbers
// in the audio log, and whole runs of the built runner program.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/FrameClock.h"
#include "app/StateSnapshot.h"
#include "objects/ObjectList.h"
#include "player/PlayerState.h"
#include "sound/Sound.h"
#include "stage/DrawScreenMap.h"
#include "stage/StageScript.h"
#include "support/HeadlessFixture.h"

namespace {

float nextUp(float v) { return std::nextafter(v, INFINITY); }

TEST(StateHash, EveryFieldOfEveryListCountsToTheLastBit)
{
    GameObject** lists[] = {&g_enemyList, &g_bulletList, &g_shotList, &g_itemList, &g_effectBackList,
                            &g_effectFrontList};
    GameObject* second[6] = {};
    for (int i = 0; i < 6; ++i) {
        GameObject* last = nullptr;
        spawnInto(lists[i], &last, 0, 1, 10.0f, 20.0f);
        second[i] = spawnInto(lists[i], &last, 0, 1, 10.0f, 20.0f);
    }
    GameObject player(1, 0, 300.0f, 200.0f);
    GameObject* const savedPlayer = g_playerObject;
    g_playerObject = &player;

    // Each change is made, hashed and undone.
    struct Change {
        const char* what;
        std::function<void()> make, undo;
    };
    std::vector<Change> changes;
    for (int i = 0; i < 6; ++i) {
        GameObject* o = second[i];
        changes.push_back({"x one ulp up", [o] { o->setX(nextUp(o->x())); }, [o] { o->setX(10.0f); }});
        changes.push_back({"vx from 0 to -0", [o] { o->setVx(-0.0f); }, [o] { o->setVx(0.0f); }});
        changes.push_back({"timer3", [o] { o->setTimer3(1); }, [o] { o->setTimer3(0); }});
    }
    GameObject* const lastEnemy = second[0];
    changes.push_back({"maxHp", [&] { lastEnemy->setHp(5); lastEnemy->setMaxHp(9); },
                       [&] { lastEnemy->setMaxHp(10); }});
    changes.push_back({"player rotation", [&] { player.setRotation(std::nextafter(0.0, 1.0)); },
                       [&] { player.setRotation(0.0); }});
    changes.push_back({"charge frames", [] { ++g_chargeFrames[5]; }, [] { --g_chargeFrames[5]; }});
    changes.push_back({"gauge", [] { g_gauge = nextUp(g_gauge); }, [] { g_gauge = std::nextafter(g_gauge, 0.0f); }});
    changes.push_back({"score", [] { ++g_score; }, [] { --g_score; }});
    changes.push_back({"stage clock", [] { ++g_stageClock; }, [] { --g_stageClock; }});
    changes.push_back({"wait flag", [] { g_scriptWaitFlag = !g_scriptWaitFlag; },
                       [] { g_scriptWaitFlag = !g_scriptWaitFlag; }});
    changes.push_back({"scroll", [] { ++speedAccumulator; }, [] { --speedAccumulator; }});

    lastEnemy->setHp(5);
    lastEnemy->setMaxHp(10);
    const uint64_t before = stateHash();
    EXPECT_EQ(stateHash(), before) << "the hash is a function of the state";
    // The steps-per-second digits follow the wall clock: a replay's hash leaves them out.
    const uint64_t replayBefore = replayStateHash();
    ++g_fpsOnes;
    EXPECT_NE(stateHash(), before);
    EXPECT_EQ(replayStateHash(), replayBefore);
    --g_fpsOnes;
    for (size_t i = 0; i < changes.size(); ++i) {
        changes[i].make();
        EXPECT_NE(stateHash(), before) << changes[i].what << " (change " << i << ")";
        changes[i].undo();
        EXPECT_EQ(stateHash(), before) << changes[i].what << " undone (change " << i << ")";
    }

    // The same objects split differently between two lists.
    GameObject* moved = nullptr;
    spawnInto(&g_enemyList, &moved, 0, 1, 10.0f, 20.0f);
    const uint64_t threeEnemies = stateHash();
    removeObject(&g_enemyList, moved);
    moved = nullptr;
    spawnInto(&g_bulletList, &moved, 0, 1, 10.0f, 20.0f);
    EXPECT_NE(stateHash(), threeEnemies);

    g_playerObject = savedPlayer;
    for (GameObject** list : lists)
        emptyList(list);
}

// The number after "key": in the JSON text, as written.
std::string valueOf(const std::string& json, const std::string& key)
{
    const std::string quoted = "\"" + key + "\":";
    const size_t at = json.find(quoted);
    if (at == std::string::npos) return "(missing)";
    const size_t start = at + quoted.size();
    size_t end = start;
    int depth = 0;
    while (end < json.size() && (depth > 0 || (json[end] != ',' && json[end] != '}'))) {
        depth += json[end] == '[' ? 1 : json[end] == ']' ? -1 : 0;
        ++end;
    }
    return json.substr(start, end - start);
}

TEST(StateSnapshot, FloatsReadBackExactlyAndThePlayerControlsAreShown)
{
    GameObject player(1, 0, 1.0f / 3.0f, nextUp(200.0f));
    GameObject* const savedPlayer = g_playerObject;
    const float savedGauge = g_gauge;
    g_playerObject = &player;
    g_gauge = 0.1f;
    g_chargeBlink[2] = 3;
    g_aimX = -1;
    g_aimY = 1;
    g_focusActive = true;
    g_subWeaponBusy[6] = true;
    g_releaseTimer = 7;

    const std::string json = stateSnapshotJson();
    EXPECT_EQ(std::strtof(valueOf(json, "x").c_str(), nullptr), 1.0f / 3.0f);
    EXPECT_EQ(std::strtof(valueOf(json, "y").c_str(), nullptr), nextUp(200.0f));
    EXPECT_EQ(std::strtof(valueOf(json, "gauge").c_str(), nullptr), 0.1f);
    EXPECT_EQ(valueOf(json, "chargeBlink"), "[0,0,3,0,0,0,0,0]");
    EXPECT_EQ(valueOf(json, "aimX"), "-1");
    EXPECT_EQ(valueOf(json, "aimY"), "1");
    EXPECT_EQ(valueOf(json, "focus"), "1");
    EXPECT_EQ(valueOf(json, "toggle"), "0");
    EXPECT_EQ(valueOf(json, "subWeaponBusy"), "[0,0,0,0,0,0,1,0]");
    EXPECT_EQ(valueOf(json, "releaseTimer"), "7");
    EXPECT_EQ(valueOf(json, "buttonHeld"), "[0,0,0,0,0,0,0,0]") << "the older keys stay";
    EXPECT_EQ(valueOf(json, "score"), "0");

    g_playerObject = savedPlayer;
    g_gauge = savedGauge;
    g_chargeBlink[2] = 0;
    g_aimX = 1;
    g_aimY = 0;
    g_focusActive = false;
    g_subWeaponBusy[6] = false;
    g_releaseTimer = 0;
}

// The built runner program, run as a reviewer runs it.
class RunnerProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(std::filesystem::exists(program)) << program;
        char pattern[] = "/tmp/lnf-runner-XXXXXX";
        folder = mkdtemp(pattern);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    // Runs the program; the exit status, and the lines of its standard output
    // (and of its error stream when asked) in output.
    int run(const std::string& arguments, bool withErrors = false)
    {
        const std::string command =
            program.string() + " --data " + LNF_GAME_DIR + " " + arguments + (withErrors ? " 2>&1" : " 2>/dev/null");
        output.clear();
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) return -1;
        char line[4096];
        while (std::fgets(line, sizeof line, pipe)) output.emplace_back(line);
        const int status = pclose(pipe);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::vector<std::string> lines(const std::filesystem::path& path, const std::string& needle) const
    {
        std::vector<std::string> found;
        std::ifstream file(path);
        for (std::string line; std::getline(file, line);)
            if (line.find(needle) != std::string::npos) found.push_back(line);
        return found;
    }
    // The hash lines of the output ("frame F state S image I").
    std::vector<std::string> hashes() const
    {
        std::vector<std::string> found;
        for (const std::string& line : output)
            if (line.rfind("frame ", 0) == 0) found.push_back(line);
        return found;
    }

    std::filesystem::path program = std::filesystem::path(LNF_GAME_DIR) / ".." / "src" / "lanternfall-headless";
    std::filesystem::path folder;
    std::vector<std::string> output;
};

TEST_F(RunnerProgram, AScenesFirstLogLineCarriesItsFirstFrame)
{
    const auto log = folder / "run.jsonl";
    const struct {
        const char* arguments;
        int scene;
    } runs[] = {
        {"--frames 3", kSceneTitle},
        {"--frames 3 --stage 2 --character 1 --sub-weapon 3", kSceneStage},
    };
    for (const auto& r : runs) {
        ASSERT_EQ(run(std::string(r.arguments) + " --log " + log.string()), 0) << r.arguments;
        const std::vector<std::string> scenes = lines(log, "\"type\":\"scene\"");
        ASSERT_EQ(scenes.size(), 1u) << r.arguments;
        EXPECT_EQ(scenes[0], "{\"frame\":0,\"type\":\"scene\",\"scene\":" + std::to_string(r.scene) + "}");
    }
}

TEST_F(RunnerProgram, NoFramesMeansNothingIsDrawn)
{
    const auto log = folder / "run.jsonl";
    const auto shot = folder / "0.png";
    ASSERT_EQ(run("--frames 0 --hash-every 1 --screenshot 0:" + shot.string() + " --log " + log.string()), 0);
    EXPECT_TRUE(hashes().empty());
    EXPECT_FALSE(std::filesystem::exists(shot));
    EXPECT_TRUE(lines(log, "\"type\":\"scene\"").empty());
}

TEST_F(RunnerProgram, TheSameRunHashesTheSameAndInputChangesIt)
{
    const std::string common = "--frames 30 --stage 1 --hash-every 10";
    ASSERT_EQ(run(common), 0);
    const std::vector<std::string> first = hashes();
    ASSERT_EQ(first.size(), 3u);
    ASSERT_EQ(run(common), 0);
    EXPECT_EQ(hashes(), first);

    // Held from frame 5, the up key has moved the craft by frame 10; the
    // picture and the state of frame 0 are as before.
    std::ofstream(folder / "input.txt") << "5 key up down\n";
    ASSERT_EQ(run(common + " --input " + (folder / "input.txt").string()), 0);
    const std::vector<std::string> moved = hashes();
    ASSERT_EQ(moved.size(), 3u);
    EXPECT_EQ(moved[0], first[0]);
    const auto stateOf = [](const std::string& line) { return line.substr(0, line.find(" image")); };
    EXPECT_NE(stateOf(moved[1]), stateOf(first[1]));
}

TEST_F(RunnerProgram, ALoadoutWithoutAStageIsRefused)
{
    for (const char* arguments : {"--character 1", "--sub-weapon 2"}) {
        EXPECT_NE(run(std::string(arguments) + " --frames 1", true), 0) << arguments;
        ASSERT_FALSE(output.empty());
        EXPECT_NE(output[0].find("--character and --sub-weapon need --stage"), std::string::npos) << output[0];
    }
}

}  // namespace

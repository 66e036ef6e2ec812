// Whole sessions recorded and played back: a scripted run of the runner
// program, and a session recorded in-process through a backend that answers
// the way SDL does, each played back by the runner program.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/FrameClock.h"
#include "app/GameMain.h"
#include "platform/HeadlessBackend.h"
#include "replay/ReplayRecorder.h"

namespace {

namespace fs = std::filesystem;
using platform::Event;
using platform::EventType;
using platform::Key;

// Into stage 1 of a free game with the first loadout, then a few moves and a pause.
const char* const kToTheStage = "10 key z down\n14 key z up\n40 key z down\n44 key z up\n80 key z down\n84 key z up\n";

class SessionReplay : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/lnf-session-XXXXXX";
        folder = mkdtemp(pattern);
    }
    void TearDown() override { fs::remove_all(folder); }

    // The runner's exit status; its standard output and error in output.
    int run(const std::string& arguments)
    {
        const fs::path program = fs::path(LNF_GAME_DIR) / ".." / "src" / "lanternfall-headless";
        FILE* pipe = popen((program.string() + " --data " + LNF_GAME_DIR + " " + arguments + " 2>&1").c_str(), "r");
        output.clear();
        char line[4096];
        while (pipe && std::fgets(line, sizeof line, pipe)) output += line;
        const int status = pipe ? pclose(pipe) : -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string hashes() const
    {
        std::istringstream lines(output);
        std::string found;
        for (std::string line; std::getline(lines, line);)
            if (line.rfind("frame ", 0) == 0) found += line + "\n";
        return found;
    }
    static std::string read(const fs::path& path)
    {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static void write(const fs::path& path, const std::string& text) { std::ofstream(path) << text; }

    fs::path folder;
    std::string output;
};

TEST_F(SessionReplay, ARecordedRunReplaysEveryHashAndAnEditedOneSaysWhereItParts)
{
    const fs::path script = folder / "in.txt", replay = folder / "run.replay", edited = folder / "edited.replay";
    write(script, std::string(kToTheStage) +
                      "120 key left down\n150 key left up\n170 key escape down\n172 key escape up\n");
    ASSERT_EQ(run("--frames 240 --hash-every 30 --input " + script.string() + " --record " + replay.string()), 0)
        << output;
    const std::string recorded = hashes();
    ASSERT_EQ(run("--hash-every 30 --replay " + replay.string()), 0) << output;
    EXPECT_EQ(hashes(), recorded) << "every frame's state and picture, not only the replay's own hash lines";

    std::string text = read(replay);
    const size_t at = text.find("\n120 key left down\n");
    ASSERT_NE(at, std::string::npos) << text;
    text.replace(at, 19, "\n120 key right down\n");
    write(edited, text);
    EXPECT_EQ(run("--replay " + edited.string()), 3);
    EXPECT_NE(output.find(edited.string() + ": desynchronised at frame 120 "), std::string::npos) << output;
}

// Answers as the SDL backend does where a script alone would not: a held
// Escape repeats its key-down, the pad cannot be read while the window is in
// the background or for a while as if pulled out, and a key-down comes in
// between the step that loads the stage and the stage's first frame.
class SdlLikeBackend : public platform::HeadlessBackend {
public:
    bool present(const uint32_t* pixels, int width, int height) override
    {
        const bool shown = HeadlessBackend::present(pixels, width, height);
        if (keyDown(Key::Escape) && framesPresented() % 3 == 0) postEvent({EventType::KeyDown, Key::Escape});
        sceneAtPresent_ = g_scene;
        return shown;
    }
    bool pollEvent(Event& event) override
    {
        if (!pressedWhileLoading_ && sceneAtPresent_ == kSceneLoad && g_scene == kSceneStage) {
            pressedWhileLoading_ = true;
            postEvent({EventType::KeyDown, Key::Escape});
        }
        if (!HeadlessBackend::pollEvent(event)) return false;
        if (event.type == EventType::Activate || event.type == EventType::Deactivate)
            focused_ = event.type == EventType::Activate;
        return true;
    }
    bool readJoystick(platform::JoystickState& state) override
    {
        const int frame = framesPresented();
        if (!focused_ || (frame >= 230 && frame < 240)) return false;
        return HeadlessBackend::readJoystick(state);
    }

private:
    int sceneAtPresent_ = -1;
    bool pressedWhileLoading_ = false;
    bool focused_ = true;
};

TEST_F(SessionReplay, ASessionRecordedTheWaySdlAnswersReplaysHeadless)
{
    const fs::path replay = folder / "session.replay";
    const fs::path previous = fs::current_path();
    fs::current_path(LNF_GAME_DIR);
    SdlLikeBackend live;
    ASSERT_TRUE(live.parseInputScript(std::string("0 joy attach\n") + kToTheStage +
                                          "100 joy axis x 100\n110 joy button 0 down\n130 joy axis x 0\n"
                                          "135 joy button 0 up\n150 key escape down\n160 key escape up\n"
                                          "165 joy button 1 down\n200 focus lost\n210 joy axis y -60\n"
                                          "220 focus gained\n250 joy axis y 0\n",
                                      nullptr));
    live.quitAfterFrames(300);
    resetFrameClock();
    platform::setTimeOverride(7);
    {
        ReplayWriter writer(std::fopen(replay.c_str(), "wb"), replay.string());
        ReplayRecorder recorder(live, sessionHeader(7, 0), writer);
        platform::setBackend(&recorder.backend());
        EXPECT_EQ(runLanternfall(), 1);
        platform::setBackend(nullptr);
        recorder.finish();
    }
    fs::current_path(previous);

    const std::string text = read(replay);
    EXPECT_NE(text.find("# stage 81 start 1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n82 press escape\n"), std::string::npos) << "the key-down during the loading waits a frame";
    EXPECT_NE(text.find("\n153 press escape\n"), std::string::npos) << "auto-repeat";
    EXPECT_NE(text.find(" joy lost\n"), std::string::npos) << text;
    ASSERT_EQ(run("--replay " + replay.string()), 0) << output;
}

}  // namespace

// The headless runner: the same game on the headless backend, driven by a
// script, with screenshots, a log, state dumps and frame hashes.
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/FrameClock.h"
#include "app/DirectStart.h"
#include "app/GameMain.h"
#include "app/RunnerOptions.h"
#include "app/StateSnapshot.h"
#include "graphics/Direct3D.h"
#include "pilot/Pilot.h"
#include "pilot/PilotRun.h"
#include "platform/HeadlessBackend.h"
#include "replay/RunnerReplay.h"

namespace {

RunnerOptions g_options;

bool startInStage()
{
    return startStageDirectly(g_options.stage, g_options.character, g_options.subWeapon);
}

std::string absolute(const std::string& path)
{
    return path.empty() ? path : std::filesystem::absolute(path).string();
}

}  // namespace

int main(int argc, char** argv)
{
    RunnerOptions& options = g_options;
    std::string error;
    if (!parseRunnerOptions(argc, argv, options, &error)) {
        std::fprintf(stderr, "lanternfall-headless: %s\n%s", error.c_str(), kRunnerUsage);
        return 2;
    }

    RunnerReplay replay;
    if (!replay.prepare(options, &error)) {
        std::fprintf(stderr, "lanternfall-headless: %s\n", error.c_str());
        return 2;
    }
    platform::HeadlessBackend backend;
    if (!options.inputScript.empty() && !backend.loadInputScript(options.inputScript, &error)) {
        std::fprintf(stderr, "lanternfall-headless: %s\n", error.c_str());
        return 2;
    }
    backend.setLogPath(absolute(options.logPath));
    for (auto& [frame, path] : options.screenshots)
        backend.requestScreenshot(frame, absolute(path));
    std::vector<std::pair<int, std::string>> dumps;
    for (auto& [frame, path] : options.dumps)
        dumps.emplace_back(frame, absolute(path));

    std::error_code changed;
    std::filesystem::current_path(options.dataDir, changed);
    if (changed) {
        std::fprintf(stderr, "lanternfall-headless: cannot enter %s: %s\n", options.dataDir.c_str(),
                     changed.message().c_str());
        return 2;
    }
    if (!replay.start(backend, options, &error)) {
        std::fprintf(stderr, "lanternfall-headless: %s\n", error.c_str());
        return 2;
    }

    bool piloted = options.pilot != RunnerOptions::Pilot::None;
    if (piloted)
        pilot::startPilot({options.pilot == RunnerOptions::Pilot::Story, options.character,
                           options.subWeapon});

    // The hook runs as each frame is presented, and what it logs carries that
    // frame's number: a scene change is logged with the first frame presented
    // in the new scene.
    int lastScene = -1;
    backend.setFrameHook([&](int frame) {
        if (g_scene != lastScene) {
            backend.log("scene", "\"scene\":" + std::to_string(g_scene));
            lastScene = g_scene;
        }
        for (auto& [dumpFrame, path] : dumps) {
            if (dumpFrame == frame) {
                std::ofstream out(path, std::ios::binary);
                out << stateSnapshotJson() << '\n';
            }
        }
        if (options.hashEvery > 0 && frame % options.hashEvery == 0) {
            const std::vector<uint32_t>& pixels = backend.lastFrame();
            std::printf("frame %d state %016" PRIx64 " image %016" PRIx64 "\n", frame, stateHash(),
                        fnv1a(pixels.data(), pixels.size() * sizeof(uint32_t)));
        }
        replay.afterFrame(frame);
        // The pilot decides the keys for the next frame from this one.
        if (piloted)
            pilot::pilotOnFrame(backend, frame);
    });
    backend.quitAfterFrames(options.frames);

    platform::setTimeOverride(static_cast<std::time_t>(options.seed));
    platform::setBackend(&replay.gameBackend(backend));
    g_windowedBuild = true;
    int result = runLanternfall(options.stage > 0 ? startInStage : nullptr);
    platform::setBackend(nullptr);
    const bool replayed = replay.finish(backend, options);
    if (result != 1)
        return 1;
    if (!replayed)
        return 3;
    return piloted ? pilot::finishPilot(backend) : 0;
}

// Sixteen sound effects and five music pieces over the platform's audio. A
// piece that failed to load is skipped when played.
#include "sound/Sound.h"

#include <cstdio>
#include <string>

#include "app/Message.h"
#include "platform/Backend.h"

namespace {

constexpr platform::AudioHandle kNone = -1;
platform::AudioHandle g_soundSegments[kSoundCount] = {kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone,
                                                      kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone};
platform::AudioHandle g_musicSegments[kMusicCount] = {kNone, kNone, kNone, kNone, kNone};

// The message keeps the game's own words; the file and the reason go to the
// error stream for whoever runs the game from a terminal.
void reportLoadFailure(const char* message, const std::string& file, const std::string& error)
{
    std::fprintf(stderr, "%s: %s\n", file.c_str(), error.c_str());
    messageBox(message);
}

}  // namespace

void initSound()
{
    platform::Backend& backend = platform::backend();
    backend.openAudio();
    for (int n = 0; n < kSoundCount; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "dxm/wav%d%d.wav", n / 10, n % 10);
        std::string error;
        g_soundSegments[n] = backend.loadSound(name, &error);
        if (g_soundSegments[n] < 0)
            reportLoadFailure("dxm/wav?.wavを読み込めませんでした", name, error);
    }
    std::string name = "dxm/mid00.mid";
    for (int n = 0; n < kMusicCount; ++n) {
        std::string error;
        g_musicSegments[n] = backend.loadMusic(name, &error);
        if (g_musicSegments[n] < 0)
            reportLoadFailure("dxm/mid?.midを読み込めませんでした", name, error);
        name[name.size() - 5] += 1;
    }
}

void playSound(int n)
{
    if (n >= 0 && n < kSoundCount && g_soundSegments[n] >= 0)
        platform::backend().playSound(g_soundSegments[n]);
}

void playMusic(int n)
{
    if (n >= 0 && n < kMusicCount && g_musicSegments[n] >= 0)
        platform::backend().playMusic(g_musicSegments[n]);
}

void stopAllSound() { platform::backend().stopAllSound(); }

void releaseSound()
{
    platform::Backend& backend = platform::backend();
    backend.stopAllSound();
    backend.freeAudio();
    for (platform::AudioHandle& sound : g_soundSegments)
        sound = kNone;
    for (platform::AudioHandle& music : g_musicSegments)
        music = kNone;
    backend.closeAudio();
}

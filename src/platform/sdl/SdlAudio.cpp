// SDL2_mixer audio: WAV effects on 32 channels so that sounds overlap (the same
// one with itself), MIDI music through FluidSynth and a General MIDI font.
#include "platform/sdl/SdlAudio.h"

#include <unistd.h>

#include <iostream>

#include "platform/HeadlessBackend.h"

namespace platform::sdl {

namespace {

constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr int kChannels = 32;
// Loud MIDI pieces clip at full volume; this leaves room under the effects.
constexpr int kMusicVolume = 80;

}  // namespace

bool Audio::openMixer()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

void Audio::open()
{
    if (open_) return;
    open_ = true;
    if (access(kSoundFont, R_OK) == 0) Mix_SetSoundFonts(kSoundFont);
    Mix_Init(MIX_INIT_MID);
    mixerOpen_ = openMixer();
    if (!mixerOpen_) {
        const std::string reason = SDL_GetError();
        // Overrides SDL_AUDIODRIVER too, which may name the driver that failed.
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        mixerOpen_ = openMixer();
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
        silent_ = true;
        std::cerr << "Lanternfall: no audio device (" << reason << "); running without sound\n";
    }
    if (!mixerOpen_) return;
    Mix_AllocateChannels(kChannels);
    Mix_VolumeMusic(kMusicVolume);
}

void Audio::close()
{
    if (!open_) return;
    freeAll();
    if (mixerOpen_) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    Mix_Quit();
    open_ = mixerOpen_ = silent_ = false;
}

AudioHandle Audio::loadSound(const std::string& path, std::string* error)
{
    // The same checks as the headless backend, so both fail on the same files.
    if (!checkAudioFile(path, false, error)) return -1;
    if (!mixerOpen_) {
        sounds_.push_back(nullptr);  // no mixer at all: the handle plays nothing
        return static_cast<AudioHandle>(sounds_.size() - 1);
    }
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (!chunk) {
        if (error) *error = path + ": " + Mix_GetError();
        return -1;
    }
    sounds_.push_back(chunk);
    return static_cast<AudioHandle>(sounds_.size() - 1);
}

AudioHandle Audio::loadMusic(const std::string& path, std::string* error)
{
    if (!checkAudioFile(path, true, error)) return -1;
    if (!mixerOpen_) {
        music_.push_back(nullptr);
        return static_cast<AudioHandle>(music_.size() - 1);
    }
    Mix_Music* music = Mix_LoadMUS(path.c_str());
    if (!music) {
        if (error) *error = path + ": " + Mix_GetError();
        return -1;
    }
    music_.push_back(music);
    return static_cast<AudioHandle>(music_.size() - 1);
}

void Audio::playSound(AudioHandle sound)
{
    if (sound < 0 || static_cast<size_t>(sound) >= sounds_.size() || !sounds_[sound]) return;
    Mix_PlayChannel(-1, sounds_[sound], 0);
}

void Audio::playMusic(AudioHandle music)
{
    if (music < 0 || static_cast<size_t>(music) >= music_.size() || !music_[music]) return;
    // Starting a piece replaces the one playing, and starts it from its beginning.
    Mix_PlayMusic(music_[music], -1);
}

void Audio::stopAll()
{
    if (!mixerOpen_) return;
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
}

void Audio::freeAll()
{
    stopAll();
    for (Mix_Chunk* chunk : sounds_)
        if (chunk) Mix_FreeChunk(chunk);
    for (Mix_Music* music : music_)
        if (music) Mix_FreeMusic(music);
    sounds_.clear();
    music_.clear();
}

}  // namespace platform::sdl

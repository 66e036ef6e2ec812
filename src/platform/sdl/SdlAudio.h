// Music and sound effects through SDL2_mixer. Without an audio device the
// mixer runs on SDL's dummy driver: everything works, nothing is heard.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <string>
#include <vector>

#include "platform/Backend.h"

namespace platform::sdl {

class Audio {
public:
    ~Audio() { close(); }

    void open();
    void close();
    bool isOpen() const { return open_; }
    // True when no real device opened and output goes nowhere.
    bool silent() const { return silent_; }

    AudioHandle loadSound(const std::string& path, std::string* error);
    AudioHandle loadMusic(const std::string& path, std::string* error);
    void playSound(AudioHandle sound);
    void playMusic(AudioHandle music);
    void stopAll();
    void freeAll();

private:
    bool openMixer();

    bool open_ = false;
    bool silent_ = false;
    bool mixerOpen_ = false;
    std::vector<Mix_Chunk*> sounds_;
    std::vector<Mix_Music*> music_;
};

}  // namespace platform::sdl

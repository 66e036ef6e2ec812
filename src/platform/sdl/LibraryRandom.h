// Keeps the game's rand() sequence to itself while SDL and the libraries under
// it run. FluidSynth fills its dither table with some 96,000 calls of rand()
// when the first piece of music loads, and PulseAudio's client draws while it
// connects, more or fewer times from one machine and one run to the next.
// The game's sequence must follow its seed alone, or a recorded session would
// not play back, so every call into SDL runs on a sequence of its own.
#pragma once

namespace platform::sdl {

// While one lives, rand() and random() draw from the libraries' sequence;
// the game's sequence resumes where it stood when the last one ends.
class LibraryRandom {
public:
    LibraryRandom();
    ~LibraryRandom();
    LibraryRandom(const LibraryRandom&) = delete;
    LibraryRandom& operator=(const LibraryRandom&) = delete;

private:
    char* previous_;
};

}  // namespace platform::sdl

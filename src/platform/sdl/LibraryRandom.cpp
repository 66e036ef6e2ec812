// The C library's rand() is random() over one state array; setstate() swaps
// the array in and out, keeping each one's place inside it.
#include "platform/sdl/LibraryRandom.h"

#include <stdlib.h>

namespace platform::sdl {

namespace {

// The size of the C library's default state, so both sequences are alike.
char g_librarySequence[128];
bool g_librarySequenceReady = false;

}  // namespace

LibraryRandom::LibraryRandom()
{
    if (!g_librarySequenceReady) {
        g_librarySequenceReady = true;
        previous_ = initstate(1, g_librarySequence, sizeof g_librarySequence);
    } else {
        previous_ = setstate(g_librarySequence);
    }
}

LibraryRandom::~LibraryRandom() { setstate(previous_); }

}  // namespace platform::sdl

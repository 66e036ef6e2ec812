// storyenc: encodes a story source into the stored story text the game reads.
//   storyenc SOURCE.txt OUT.fdat
#include <cstdio>
#include <string>

#include "FileIo.h"
#include "StoryEncoder.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: storyenc SOURCE.txt OUT.fdat\n");
        return 1;
    }
    tools::Bytes source;
    tools::Bytes stored;
    std::string error;
    if (!tools::readFile(argv[1], source, error) ||
        !tools::encodeStory(argv[1], std::string(source.begin(), source.end()), stored, error) ||
        !tools::writeFile(argv[2], stored, error)) {
        std::fprintf(stderr, "storyenc: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

// mmlc SCORE.mml OUT.mid: compiles one MML score to a Standard MIDI File.
#include "Score.h"

#include <cstdio>

#include "FileIo.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: mmlc SCORE.mml OUT.mid\n");
        return 2;
    }
    tools::Bytes source;
    std::string error;
    if (!tools::readFile(argv[1], source, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    mmlc::Score score;
    tools::Bytes bytes;
    if (!mmlc::parseScore(std::string(source.begin(), source.end()), argv[1], score, error) ||
        !mmlc::scoreToMidi(score, bytes, error) || !tools::writeFile(argv[2], bytes, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}

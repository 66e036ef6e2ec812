// mmlc SCORE.mml OUT.mid: compiles one MML score to a Standard MIDI File.
#include "Score.h"

#include <cstdio>
#include <fstream>
#include <iterator>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: mmlc SCORE.mml OUT.mid\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "%s: cannot open\n", argv[1]);
        return 1;
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    mmlc::Score score;
    std::string error;
    std::vector<std::uint8_t> bytes;
    if (!mmlc::parseScore(text, argv[1], score, error) || !mmlc::scoreToMidi(score, bytes, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    // Written to a side file first so a failed run never leaves a half file behind.
    std::string temporary = std::string(argv[2]) + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "%s: cannot write\n", temporary.c_str());
            out.close();
            std::remove(temporary.c_str());
            return 1;
        }
    }
    if (std::rename(temporary.c_str(), argv[2]) != 0) {
        std::fprintf(stderr, "%s: cannot replace\n", argv[2]);
        return 1;
    }
    return 0;
}

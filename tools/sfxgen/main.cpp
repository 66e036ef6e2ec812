// sfxgen RECIPE.txt OUT.wav: renders one sound-effect recipe to a WAV file.
#include "Recipe.h"
#include "Synth.h"
#include "WavWriter.h"

#include <cstdio>

#include "FileIo.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: sfxgen RECIPE.txt OUT.wav\n");
        return 2;
    }
    tools::Bytes source;
    std::string error;
    if (!tools::readFile(argv[1], source, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    sfxgen::Recipe recipe;
    if (!sfxgen::parseRecipe(std::string(source.begin(), source.end()), argv[1], recipe, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::vector<std::int16_t> pcm;
    if (!sfxgen::finishSamples(recipe, sfxgen::renderVoices(recipe), pcm, error)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
        return 1;
    }
    if (!tools::writeFile(argv[2], sfxgen::encodeWav(pcm, recipe.sampleRate, 1), error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}

// The sound-effect generator: recipe parsing, rendering, normalising and the
// WAV file it writes, and every recipe the game ships.
#include "AudioFileReaders.h"
#include "Recipe.h"
#include "Synth.h"
#include "WavWriter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace sfxgen;

bool renderText(const std::string& text, std::vector<std::uint8_t>& wav, std::string& error) {
    Recipe recipe;
    std::vector<std::int16_t> pcm;
    if (!parseRecipe(text, "test.txt", recipe, error) || !finishSamples(recipe, renderVoices(recipe), pcm, error))
        return false;
    wav = encodeWav(pcm, recipe.sampleRate, 1);
    return true;
}

std::vector<std::uint8_t> renderOrFail(const std::string& text) {
    std::vector<std::uint8_t> wav;
    std::string error;
    EXPECT_TRUE(renderText(text, wav, error)) << error;
    return wav;
}

int peakOf(const audiotest::Wav& wav) {
    int peak = 0;
    for (std::int16_t s : wav.samples) peak = std::max(peak, std::abs(int(s)));
    return peak;
}

TEST(Sfxgen, WavHeaderFieldsDescribeTheSamples) {
    std::vector<std::uint8_t> bytes = renderOrFail(
        "rate 22050\nlength 0.5\nvoice\n wave sine\n freq 440\n dur 0.2\nend\n");
    const std::uint32_t samples = 11025, dataBytes = 2 * samples;
    ASSERT_EQ(bytes.size(), 44u + dataBytes);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
    EXPECT_EQ(audiotest::le(bytes, 4, 4), 36u + dataBytes);
    EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(audiotest::le(bytes, 16, 4), 16u);     // fmt chunk size
    EXPECT_EQ(audiotest::le(bytes, 20, 2), 1u);      // PCM
    EXPECT_EQ(audiotest::le(bytes, 22, 2), 1u);      // mono
    EXPECT_EQ(audiotest::le(bytes, 24, 4), 22050u);  // sample rate
    EXPECT_EQ(audiotest::le(bytes, 28, 4), 44100u);  // bytes per second
    EXPECT_EQ(audiotest::le(bytes, 32, 2), 2u);      // block align
    EXPECT_EQ(audiotest::le(bytes, 34, 2), 16u);     // bits per sample
    EXPECT_EQ(std::string(bytes.begin() + 36, bytes.begin() + 40), "data");
    EXPECT_EQ(audiotest::le(bytes, 40, 4), dataBytes);

    std::vector<std::int16_t> stereo = {1, -1, 2, -2};
    std::vector<std::uint8_t> two = encodeWav(stereo, 44100, 2);
    EXPECT_EQ(audiotest::le(two, 28, 4), 176400u);
    EXPECT_EQ(audiotest::le(two, 32, 2), 4u);
    EXPECT_EQ(audiotest::le(two, 44, 2), 1u);
    EXPECT_EQ(audiotest::le(two, 46, 2), 0xFFFFu);
}

TEST(Sfxgen, ParserRejectsBadLinesWithFileAndLine) {
    const std::string voice = "voice\n wave sine\nend\n";
    struct Case {
        std::string text;
        std::string expected;
    } cases[] = {
        {"rate 48000\n" + voice, "test.txt:1: rate"},
        {"peak 0\n" + voice, "test.txt:1: peak 0 is outside"},
        {"seed 1.5\n" + voice, "test.txt:1: seed must be a whole number"},
        {"# comment\n\nlouder 3\n" + voice, "test.txt:3: unknown setting 'louder'"},
        {"voice\n wave sqare\nend\n", "test.txt:2: unknown wave 'sqare'"},
        {"voice\n wave saw 0.5\nend\n", "test.txt:2: only a square wave takes a duty"},
        {"voice\n freq 30000\nend\n", "test.txt:2: freq 30000 is outside"},
        {"voice\n freq 440 to\nend\n", "test.txt:2: expected 'freq"},
        {"voice\n dur 0.1s\nend\n", "test.txt:2: duration: '0.1s' is not a number"},
        {"voice\n dur nan\nend\n", "test.txt:2: duration: 'nan' is not a number"},
        {"voice\n adsr 0 0 2 0\nend\n", "test.txt:2: sustain 2 is outside"},
        {"voice\n adsr 0 0 1\nend\n", "test.txt:2: expected 'adsr"},
        {"voice\n filter notch 100\nend\n", "test.txt:2: unknown filter 'notch'"},
        {"voice\nvoice\n", "test.txt:2: 'voice' inside a voice"},
        {"end\n", "test.txt:1: 'end' without a 'voice'"},
        {"voice\n wave sine\n", "test.txt:3: the last voice has no 'end'"},
        {"at 0.1\n", "test.txt:1: unknown setting 'at'"},
        {"voice\n rate 22050\nend\n", "test.txt:2: unknown voice setting 'rate'"},
        {voice + "rate 22050\n", "test.txt:4: rate must come before the first voice"},
        {"rate 22050\n", "test.txt:2: the recipe has no voice"},
        {"echo 0.1 0.5 0.95\n" + voice, "test.txt:1: echo feedback 0.95 is outside"},
    };
    for (const Case& c : cases) {
        Recipe recipe;
        std::string error;
        EXPECT_FALSE(parseRecipe(c.text, "test.txt", recipe, error)) << c.text;
        EXPECT_EQ(error.rfind(c.expected, 0), 0u) << "got: " << error << "\nfor:\n" << c.text;
    }
}

TEST(Sfxgen, SilenceIsReportedNotNormalised) {
    std::vector<std::uint8_t> wav;
    std::string error;
    EXPECT_FALSE(renderText("length 0.05\nvoice\n at 0.2\nend\n", wav, error));
    EXPECT_EQ(error, "the recipe renders silence");
}

TEST(Sfxgen, LengthCoversEveryVoiceAndTheEcho) {
    struct Case {
        std::string text;
        double seconds;
    } cases[] = {
        {"voice\n at 0.1\n dur 0.2\n adsr 0 0 1 0.05\nend\n", 0.35},
        {"voice\n dur 0.1\n adsr 0 0 1 0.1\nend\nvoice\n at 0.3\n dur 0.05\n adsr 0 0 1 0\nend\n", 0.35},
        // The first echo at 0.1 s, then repeats at half level until 40 dB down: 1 + 7 repeats.
        {"echo 0.1 0.5 0.5\nvoice\n dur 0.1\n adsr 0 0 1 0\nend\n", 0.1 + 0.8},
        {"length 0.25\nvoice\n dur 1\nend\n", 0.25},
    };
    for (const Case& c : cases) {
        audiotest::Wav wav = audiotest::parseWav(renderOrFail(c.text));
        ASSERT_TRUE(wav.ok) << wav.problem;
        EXPECT_NEAR(wav.seconds(), c.seconds, 1.5 / 44100) << c.text;
    }
}

TEST(Sfxgen, RenderingIsReproducibleAndTheSeedMatters) {
    const std::string noisy = "voice\n wave noise\n freq 20000\n dur 0.05\nend\n";
    EXPECT_EQ(renderOrFail("seed 5\n" + noisy), renderOrFail("seed 5\n" + noisy));
    EXPECT_NE(renderOrFail("seed 5\n" + noisy), renderOrFail("seed 6\n" + noisy));
}

TEST(Sfxgen, TheNormaliserHitsItsPeakEvenWhenVoicesOverload) {
    // Three loud voices in phase would sum far past full scale without it.
    std::string loud = "voice\n freq 200\n level 12\nend\nvoice\n freq 200\n level 12\nend\n"
                       "voice\n wave square\n freq 200\n level 12\nend\n";
    for (double peakDb : {-1.0, -6.0, -20.0}) {
        for (std::string drive : {"", "drive 4\n"}) {
            audiotest::Wav wav = audiotest::parseWav(renderOrFail("peak " + std::to_string(peakDb) + "\n" + drive + loud));
            ASSERT_TRUE(wav.ok);
            EXPECT_NEAR(peakOf(wav), std::pow(10.0, peakDb / 20.0) * 32767.0, 1.0) << peakDb << " " << drive;
        }
    }
}

TEST(ShippedSoundEffects, EveryRecipeRendersTwiceAlikeBelowMinusOneDecibel) {
    const int ceiling = int(std::pow(10.0, -1.0 / 20.0) * 32767.0);
    for (int n = 0; n < 16; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "/wav%02d.txt", n);
        std::string text = audiotest::readText(std::string(LNF_SFX_DIR) + name);
        ASSERT_FALSE(text.empty()) << name;
        std::vector<std::uint8_t> first = renderOrFail(text);
        EXPECT_EQ(first, renderOrFail(text)) << name;
        audiotest::Wav wav = audiotest::parseWav(first);
        ASSERT_TRUE(wav.ok) << name << ": " << wav.problem;
        EXPECT_LE(peakOf(wav), ceiling) << name;
        // Starts and ends at rest, so nothing clicks when the game starts or cuts it.
        EXPECT_LT(std::abs(wav.samples.front()), 200) << name;
        EXPECT_EQ(wav.samples.back(), 0) << name;
    }
}

}  // namespace

// SDL2_mixer audio measured through SDL's disk driver, and the fall-back to
// silence when no device opens. Each test process mixes into its own file:
// ctest runs them side by side.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "platform/SdlBackend.h"
#include "platform/sdl/SdlAudio.h"

using namespace platform;

namespace {

std::filesystem::path scratch(const char* name)
{
    auto dir = std::filesystem::temp_directory_path() /
               ("lnf_backends_audio_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    return dir / name;
}

void put16(std::string& out, int v) { out += char(v & 255), out += char((v >> 8) & 255); }
void put32(std::string& out, uint32_t v) { put16(out, v & 0xFFFF), put16(out, v >> 16); }

// A mono 16-bit wave holding one constant level: overlapping copies add up.
std::string constantWave(int level, int samples)
{
    std::string data;
    for (int i = 0; i < samples; ++i) put16(data, level);
    std::string wav = "RIFF";
    put32(wav, 36 + data.size());
    wav += "WAVEfmt ";
    put32(wav, 16), put16(wav, 1), put16(wav, 1), put32(wav, 22050), put32(wav, 44100);
    put16(wav, 2), put16(wav, 16);
    wav += "data";
    put32(wav, data.size());
    return wav + data;
}

// One piano note of half a second.
std::string oneNoteMidi()
{
    const std::string track = std::string("\x00\x90\x3C\x64", 4) + std::string("\x60\x80\x3C\x00", 4) +
                              std::string("\x00\xFF\x2F\x00", 4);
    std::string midi = std::string("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14) + "MTrk";
    midi += std::string("\0\0\0", 3) + char(track.size());
    return midi + track;
}

void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// Audio opened on SDL's disk driver, which writes the mixed output to a file
// as fast as it can be mixed.
class DiskAudio : public ::testing::Test {
protected:
    void SetUp() override
    {
        output_ = scratch("mixed.raw");
        std::filesystem::remove(output_);
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "0", 1);
        audio_.open();
    }
    void TearDown() override
    {
        audio_.close();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }

    // Lets the mixer write another `seconds` of output, then closes the device
    // and returns every 16-bit sample written after the call began.
    std::vector<int16_t> mixFor(double seconds)
    {
        const auto start = std::filesystem::file_size(output_);
        const auto wanted = start + static_cast<uintmax_t>(seconds * 44100) * 4;
        for (int spins = 0; spins < 50'000'000 && std::filesystem::file_size(output_) < wanted; ++spins)
            std::this_thread::yield();
        audio_.close();
        std::ifstream file(output_, std::ios::binary);
        file.seekg(static_cast<std::streamoff>(start));
        std::vector<int16_t> samples;
        for (int16_t s; file.read(reinterpret_cast<char*>(&s), 2);) samples.push_back(s);
        return samples;
    }

    sdl::Audio audio_;
    std::filesystem::path output_;
};

int peak(const std::vector<int16_t>& samples)
{
    int best = 0;
    for (int16_t s : samples) best = std::max(best, std::abs(int(s)));
    return best;
}

}  // namespace

TEST_F(DiskAudio, TheSameSoundOverlapsItself)
{
    ASSERT_FALSE(audio_.silent());
    const auto path = scratch("level.wav");
    writeFile(path, constantWave(8000, 22050));
    std::string error;
    const AudioHandle sound = audio_.loadSound(path.string(), &error);
    ASSERT_GE(sound, 0) << error;
    audio_.playSound(sound);
    audio_.playSound(sound);
    const std::vector<int16_t> samples = mixFor(1.5);
    // One copy peaks at 8000; only two sounding at once reach 16000.
    EXPECT_GE(peak(samples), 15000);
    EXPECT_LE(peak(samples), 20000);  // the resampler rings a little at the edges
}

TEST_F(DiskAudio, MidiMusicIsHeard)
{
    const auto path = scratch("note.mid");
    writeFile(path, oneNoteMidi());
    std::string error;
    const AudioHandle music = audio_.loadMusic(path.string(), &error);
    ASSERT_GE(music, 0) << error;
    audio_.playMusic(music);
    EXPECT_GT(peak(mixFor(1.0)), 500);
}

TEST_F(DiskAudio, StopSilencesEverything)
{
    const auto path = scratch("long.wav");
    writeFile(path, constantWave(8000, 22050 * 4));
    const AudioHandle sound = audio_.loadSound(path.string(), nullptr);
    ASSERT_GE(sound, 0);
    audio_.playSound(sound);
    audio_.stopAll();
    std::vector<int16_t> samples = mixFor(0.5);
    // A buffer mixed just before the stop may still be on its way to the
    // file; two buffers of 1024 stereo frames later there must be silence.
    ASSERT_GT(samples.size(), 4096u);
    samples.erase(samples.begin(), samples.begin() + 4096);
    EXPECT_EQ(peak(samples), 0);
}

TEST(SdlAudioFallback, NoDeviceMeansSilentButWorking)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    sdl::Audio audio;
    audio.open();
    EXPECT_TRUE(audio.isOpen());
    EXPECT_TRUE(audio.silent());
    const auto path = scratch("quiet.wav");
    writeFile(path, constantWave(100, 100));
    std::string error;
    const AudioHandle sound = audio.loadSound(path.string(), &error);
    EXPECT_GE(sound, 0) << error;
    audio.playSound(sound);
    EXPECT_LT(audio.loadSound(scratch("absent.wav").string(), &error), 0);
    EXPECT_EQ(error, scratch("absent.wav").string() + ": cannot open the file");
    audio.close();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}

// FluidSynth draws some 96,000 numbers from rand() as the first piece of music
// loads; a recorded session plays back only if the game's sequence stays put.
TEST(SdlBackendAudio, TheLibrariesLeaveTheGamesRandomSequenceAlone)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::srand(2026);
    std::vector<int> expected(8);
    for (int& n : expected) n = std::rand();

    std::srand(2026);
    std::vector<int> drawn{std::rand()};
    {
        const std::unique_ptr<Backend> backend = createSdlBackend();
        backend->openAudio();
        const auto path = scratch("tune.mid");
        writeFile(path, oneNoteMidi());
        std::string error;
        const AudioHandle music = backend->loadMusic(path.string(), &error);
        ASSERT_GE(music, 0) << error;
        backend->playMusic(music);
        drawn.push_back(std::rand());
        backend->closeAudio();
    }
    while (drawn.size() < expected.size()) drawn.push_back(std::rand());
    EXPECT_EQ(drawn, expected);
}

// Sound by number: the file names, the messages for files that fail to load,
// and calls on a piece that failed skipped.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "sound/Sound.h"
#include "support/HeadlessFixture.h"

namespace {

class SoundTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        previous = std::filesystem::current_path();
        char pattern[] = "/tmp/lnf-sound-XXXXXX";
        folder = mkdtemp(pattern);
        std::filesystem::current_path(folder);
        std::filesystem::create_directory("dxm");
    }
    void TearDown() override
    {
        releaseSound();
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(folder);
        HeadlessTest::TearDown();
    }
    static void write(const char* path, const char* header)
    {
        std::ofstream(path, std::ios::binary) << header << "................";
    }

    std::filesystem::path previous;
    std::filesystem::path folder;
};

TEST_F(SoundTest, MissingFilesAreReportedAndSkipped)
{
    for (int n = 0; n < 16; ++n)
        if (n != 7)
            write(("dxm/wav" + std::to_string(n / 10) + std::to_string(n % 10) + ".wav").c_str(),
                  "RIFF....WAVE");
    write("dxm/mid00.mid", "MThd");
    write("dxm/mid01.mid", "MThd");
    write("dxm/mid03.mid", "MThd");
    write("dxm/mid04.mid", "not midi");
    initSound();
    EXPECT_EQ(countLog("dxm/wav?.wavを読み込めませんでした"), 1);
    EXPECT_EQ(countLog("dxm/mid?.midを読み込めませんでした"), 2) << "mid02 missing, mid04 not MIDI";

    playSound(7);
    playSound(15);
    playSound(15);  // the same sound overlaps itself
    EXPECT_EQ(countLog("\"file\":\"dxm/wav07.wav\"}"), 0);
    EXPECT_EQ(countLog("\"type\":\"sound\""), 2);
    EXPECT_EQ(countLog("dxm/wav15.wav"), 2);

    playMusic(2);
    playMusic(4);
    playMusic(3);
    EXPECT_EQ(countLog("\"type\":\"music\""), 1);
    EXPECT_EQ(countLog("dxm/mid03.mid"), 1);

    playSound(16);  // outside the table
    playMusic(-1);
    EXPECT_EQ(countLog("\"type\":\"sound\""), 2);
    stopAllSound();
    EXPECT_EQ(countLog("\"type\":\"stop\""), 1);
}

TEST_F(SoundTest, LogNumbersAreTheGamesWhicheverFilesAreMissing)
{
    for (int n = 0; n < kSoundCount; ++n)
        if (n != 0 && n != 7)
            std::ofstream("dxm/wav" + std::to_string(n / 10) + std::to_string(n % 10) + ".wav",
                          std::ios::binary) << "RIFF....WAVE........";
    for (int n : {0, 1, 3, 4})
        std::ofstream("dxm/mid0" + std::to_string(n) + ".mid", std::ios::binary) << "MThd....";
    initSound();
    playSound(8);
    playSound(15);
    playMusic(3);
    EXPECT_EQ(countLog("\"type\":\"sound\",\"n\":8,\"file\":\"dxm/wav08.wav\""), 1);
    EXPECT_EQ(countLog("\"type\":\"sound\",\"n\":15,\"file\":\"dxm/wav15.wav\""), 1);
    EXPECT_EQ(countLog("\"type\":\"music\",\"n\":3,\"file\":\"dxm/mid03.mid\""), 1);
}

}  // namespace

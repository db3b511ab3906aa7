#include "app/music.h"

#include "app/settings.h"
#include "platform/audio.h"
#include "support/log_capture.h"
#include "support/test_archive.h"
#include "support/test_ogg.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Plays through SDL's disk driver, which writes the mixed output to a file.
class MusicTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("vantrelle-music-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        const auto bytes = makeTestOgg(2.0, 440.0);
        TestEntry music;
        music.name = "music.ogg";
        music.content = bytes;
        TestArchive().entry(music).writeTo((dir_ / "data.ssd").string());
        ResourceFile::setArchivePath((dir_ / "data.ssd").c_str());
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output().c_str(), 1);
        saved_ = settings;
    }

    void TearDown() override
    {
        stopMusic();
        musicFile.close();
        settings = saved_;
        ResourceFile::setArchivePath(nullptr);
        unsetenv("SDL_AUDIODRIVER");
        unsetenv("SDL_DISKAUDIOFILE");
        fs::remove_all(dir_);
    }

    std::string output() const { return (dir_ / "audio.raw").string(); }

    // The loudest 16-bit sample the disk driver has written so far.
    int peakOfOutput() const
    {
        std::ifstream in(output(), std::ios::binary);
        int peak = 0;
        int16_t sample = 0;
        while (in.read(reinterpret_cast<char*>(&sample), sizeof sample))
            peak = std::max(peak, std::abs(int(sample)));
        return peak;
    }

    fs::path dir_;
    Settings saved_;
};

TEST_F(MusicTest, PlaysTheArchivesMusicAtTheSetVolumeAndGivesTheVolumeBack)
{
    settings.Volume = 40;
    LogCapture log;
    platform::setOutputVolume(100);
    startMusic();
    EXPECT_EQ(log.text(), "............... Initialize audio ...............\nOpen audio output ...done\n");
    EXPECT_EQ(platform::outputVolume(), 40u);
    EXPECT_EQ(previousVolume, 100u);
    EXPECT_GT(musicFile.size(), 0u);
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    const int peak = peakOfOutput();
    stopMusic();
    EXPECT_EQ(platform::outputVolume(), 100u);
    // A half-scale tone, at 40% of the output and 40% of the music volume: about 0.08 of full scale.
    EXPECT_GT(peak, 1000);
    EXPECT_LT(peak, 6000);
    EXPECT_FALSE(platform::audioOutputOpen());
}

TEST_F(MusicTest, WithoutAnOutputDeviceTheShowRunsSilent)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    LogCapture log;
    startMusic();
    EXPECT_EQ(log.text(),
              "............... Initialize audio ...............\nOpen audio output ...Error: Can't open audio output\n");
    EXPECT_FALSE(platform::audioOutputOpen());
    EXPECT_EQ(musicFile.size(), 0u);
    stopMusic();  // harmless
}

TEST_F(MusicTest, AnArchiveWithoutMusicPlaysNothingAndStopsCleanly)
{
    TestArchive().stored("other.txt", "x").writeTo((dir_ / "data.ssd").string());
    startMusic();
    EXPECT_TRUE(platform::audioOutputOpen());
    EXPECT_EQ(musicFile.size(), 0u);
    stopMusic();
    EXPECT_FALSE(platform::audioOutputOpen());
}

}  // namespace

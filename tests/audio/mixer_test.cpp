// The audio layer itself: rates, volumes, pause, voice limits and the music,
// measured on the mixed output.
#include "audio_fixture.h"

#include "platform/audio_backend.h"
#include "platform/files.h"

#include <SDL.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>

using namespace aw;
using namespace audiotest;

namespace {

class Mixer : public ::testing::Test {
protected:
    void SetUp() override {
        audioFree();
        audioInitOffline();
    }
    void TearDown() override { audioFree(); }
    AudioSample loadTone(float hz, float seconds, int maxPlaybacks = 255) {
        std::vector<uint8_t> ogg = toneOgg(hz, seconds);
        return audioSampleLoad(ogg.data(), ogg.size(), maxPlaybacks);
    }
    bool loadMusic() {
        std::vector<uint8_t> bytes;
        return readFile(generatedData() + "/music.mo3", bytes) && audioMusicLoad(bytes.data(), bytes.size());
    }
};

TEST_F(Mixer, ASampleSoundsAtTheRequestedRate) {
    AudioSample tone = loadTone(1000, 0.5f);
    ASSERT_NE(tone, 0u);
    EXPECT_EQ(audioSampleRate(tone), 44100);
    struct Case { int rate; double hz; };
    for (Case c : {Case{44100, 1000}, Case{22050, 500}, Case{24050, 1000 * 24050 / 44100.0}, Case{66150, 1500}}) {
        AudioChannel ch = audioSamplePlay(tone, c.rate, -1, false);
        ASSERT_NE(ch, 0u);
        std::vector<float> out = render(8820);
        EXPECT_NEAR(frequencyOf(out), c.hz, c.hz * 0.005) << "at " << c.rate << " Hz";
        audioChannelStop(ch);
        render(1024);
    }
}

TEST_F(Mixer, ASlowerRateLastsLongerAndTheChannelEndsWithTheSound) {
    AudioSample tone = loadTone(1000, 0.5f);
    AudioChannel ch = audioSamplePlay(tone, 22050, -1, false);
    render(44100 * 3 / 4);
    EXPECT_TRUE(audioChannelIsActive(ch)) << "0.75 s into a sound slowed to 1 s";
    render(44100 * 3 / 10);
    EXPECT_FALSE(audioChannelIsActive(ch));
    EXPECT_EQ(rms(render(1024)), 0);
}

TEST_F(Mixer, EffectVolumesScaleTheLevel) {
    AudioSample tone = loadTone(500, 1.f);
    audioSetGlobalVolumes(100, 100);
    AudioChannel ch = audioSamplePlay(tone, 44100, -1, false);
    double full = rms(render(4410));
    audioChannelStop(ch);
    render(1024);
    audioSetGlobalVolumes(-1, 40);
    ch = audioSamplePlay(tone, 44100, -1, false);
    double global = rms(render(4410));
    audioChannelStop(ch);
    render(1024);
    audioSetGlobalVolumes(-1, 100);
    audioSamplePlay(tone, 44100, 0.5f, false);
    double own = rms(render(4410));
    EXPECT_GT(full, 0.2);
    EXPECT_NEAR(global / full, 0.4, 0.01);
    EXPECT_NEAR(own / full, 0.5, 0.01);
}

TEST_F(Mixer, MusicVolumesAndAmplifyScaleTheLevel) {
    auto level = [&](int global, int volume, int amplify) {
        audioFree();
        audioInitOffline();
        EXPECT_TRUE(loadMusic());
        audioSetGlobalVolumes(global, 100);
        audioMusicSetVolume(volume);
        audioMusicSetAmplify(amplify);
        audioMusicPlay(17);
        return rms(render(44100));
    };
    double base = level(100, 100, 50);
    EXPECT_GT(base, 0.005);
    EXPECT_NEAR(level(50, 100, 50) / base, 0.5, 0.01);
    EXPECT_NEAR(level(100, 25, 50) / base, 0.25, 0.01);
    EXPECT_NEAR(level(100, 100, 60) / base, 1.2, 0.02);
    EXPECT_EQ(level(0, 100, 50), 0);
}

TEST_F(Mixer, PausedOutputIsSilentAndNothingAdvances) {
    AudioSample tone = loadTone(800, 0.2f);
    AudioChannel ch = audioSamplePlay(tone, 44100, -1, false);
    EXPECT_GT(rms(render(4410)), 0.1);
    audioPause();
    std::vector<float> out = render(44100);
    for (float x : out)
        ASSERT_EQ(x, 0.f);
    EXPECT_TRUE(audioChannelIsActive(ch));
    audioStart();
    EXPECT_GT(rms(render(2205)), 0.1) << "the sound resumes where it paused";
}

TEST_F(Mixer, MusicStartedWhilePausedBeginsOnResume) {
    audioPause();
    ASSERT_TRUE(loadMusic());
    audioMusicPlay(89);
    EXPECT_EQ(rms(render(22050)), 0);
    audioStart();
    EXPECT_GT(rms(render(44100)), 0.005);
    EXPECT_EQ(audioMusicOrder(), 89);
}

TEST_F(Mixer, ASampleRefusesPlaybacksBeyondItsLimit) {
    AudioSample tone = loadTone(600, 0.05f, 2);
    EXPECT_NE(audioSamplePlay(tone, 44100, -1, false), 0u);
    EXPECT_NE(audioSamplePlay(tone, 44100, -1, false), 0u);
    EXPECT_EQ(audioSamplePlay(tone, 44100, -1, false), 0u);
    render(4410);
    EXPECT_NE(audioSamplePlay(tone, 44100, -1, false), 0u) << "free again once finished";
    EXPECT_EQ(audioSamplePlay(0, 44100, -1, false), 0u);
    EXPECT_EQ(audioSamplePlay(999, 44100, -1, false), 0u);
}

TEST_F(Mixer, AStartBeyondTheVoiceCountReplacesTheOldestVoice) {
    AudioSample tone = loadTone(600, 1.f);
    AudioChannel first = audioSamplePlay(tone, 44100, 0.01f, false);
    for (int i = 1; i < kAudioVoices; ++i)
        ASSERT_NE(audioSamplePlay(tone, 44100, 0.01f, false), 0u);
    render(1024);
    EXPECT_TRUE(audioChannelIsActive(first));
    AudioChannel extra = audioSamplePlay(tone, 44100, 0.01f, false);
    EXPECT_NE(extra, 0u);
    EXPECT_FALSE(audioChannelIsActive(first));
    EXPECT_TRUE(audioChannelIsActive(extra));
}

TEST_F(Mixer, LoopingSamplesPlayOnUntilStopped) {
    AudioSample tone = loadTone(700, 0.05f);
    AudioChannel ch = audioSamplePlay(tone, 44100, -1, true);
    render(44100);
    EXPECT_TRUE(audioChannelIsActive(ch));
    EXPECT_GT(rms(render(4410)), 0.1);
    audioChannelStop(ch);
    render(1024);
    EXPECT_EQ(rms(render(1024)), 0);
}

TEST_F(Mixer, DataThatIsNotVorbisOrAModuleIsRefused) {
    std::vector<uint8_t> junk(5000, 0x5A);
    EXPECT_EQ(audioSampleLoad(junk.data(), junk.size(), 1), 0u);
    EXPECT_EQ(audioSampleLoad(nullptr, 0, 1), 0u);
    EXPECT_FALSE(audioMusicLoad(junk.data(), junk.size()));
    std::vector<uint8_t> ogg = toneOgg(440, 0.5f);
    ogg.resize(ogg.size() / 2);
    // A cut file decodes as far as it goes, or not at all; never more.
    AudioSample cut = audioSampleLoad(ogg.data(), ogg.size(), 1);
    if (cut) {
        audioSamplePlay(cut, 44100, -1, false);
        render(44100);
    }
}

TEST_F(Mixer, EveryTunePositionPlaysMusicOfItsOwnSection) {
    ASSERT_TRUE(loadMusic());
    ASSERT_GE(audioMusicOrderCount(), 93);
    const int starts[] = {0, 17, 31, 47, 72, 89, 92, audioMusicOrderCount()};
    for (int t = 0; t < 7; ++t) {
        audioMusicPlay(starts[t]);
        std::vector<float> out = render(3 * 44100);
        EXPECT_GT(rms(out, 0), 0.005) << "tune at " << starts[t];
        EXPECT_GT(rms(out, 1), 0.005) << "tune at " << starts[t];
        EXPECT_GE(audioMusicOrder(), starts[t]);
        EXPECT_LT(audioMusicOrder(), starts[t + 1]);
    }
}

TEST_F(Mixer, TheShortTunesLoopBackToTheirOwnStart) {
    ASSERT_TRUE(loadMusic());
    const int section[][2] = {{89, 92}, {92, audioMusicOrderCount()}};
    for (const auto& s : section) {
        audioMusicPlay(s[0]);
        bool reachedEnd = false, cameBack = false;
        for (int block = 0; block < 100 && !cameBack; ++block) {
            render(22050);
            int order = audioMusicOrder();
            ASSERT_GE(order, s[0]);
            ASSERT_LT(order, s[1]);
            if (order == s[1] - 1)
                reachedEnd = true;
            else if (reachedEnd && order == s[0])
                cameBack = true;
        }
        EXPECT_TRUE(cameBack) << "section from " << s[0];
    }
}

// The real device path: SDL's disk driver writes what the callback mixed.
TEST(AudioDevice, TheDeviceCallbackMixesIntoTheOutput) {
    audioFree();
    TempDir dir;
    std::string file = dir.path + "/out.raw";
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    std::string saved = driver ? driver : "";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "1", 1);
    bool opened = audioInit();
    if (driver)
        setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");
    ASSERT_TRUE(opened);
    std::vector<uint8_t> ogg = toneOgg(1000, 0.5f);
    AudioSample tone = audioSampleLoad(ogg.data(), ogg.size(), 1);
    audioSamplePlay(tone, 22050, -1, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    audioFree();
    std::vector<uint8_t> raw;
    ASSERT_TRUE(readFile(file, raw));
    std::vector<float> stereo(raw.size() / sizeof(float));
    std::memcpy(stereo.data(), raw.data(), stereo.size() * sizeof(float));
    ASSERT_GT(stereo.size(), 2u * 44100);
    // The tone is somewhere in the file: measure where the output is loud.
    size_t begin = 0;
    while (begin < stereo.size() / 2 && std::fabs(stereo[2 * begin]) < 0.1f)
        ++begin;
    ASSERT_LT(begin + 22050, stereo.size() / 2) << "the tone never reached the output";
    std::vector<float> part(stereo.begin() + 2 * (begin + 4410), stereo.begin() + 2 * (begin + 22050));
    EXPECT_NEAR(frequencyOf(part), 500, 3);
}

} // namespace

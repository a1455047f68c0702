// The tune table and the change-tune fade, heard through the real module.
#include "audio_fixture.h"

#include "platform/audio_backend.h"

#include <filesystem>

using namespace aw;
using namespace audiotest;

namespace {

// A data folder with the generated music and no sounds, so each case loads fast.
const std::string& musicOnly() {
    static TempDir dir;
    static bool made = false;
    if (!made) {
        made = true;
        std::filesystem::copy_file(generatedData() + "/music.mo3", dir.path + "/music.mo3");
    }
    return dir.path;
}

class Tunes : public OfflineSound {
protected:
    void SetUp() override {
        OfflineSound::SetUp();
        loadSounds(musicOnly(), nullptr);
        ASSERT_TRUE(soundState().music.loaded);
    }
};

TEST(TuneTable, TunesMapToTheirSongPositionsAndUnknownTunesToTheFirst) {
    const int expected[] = {0, 17, 31, 47, 72, 89, 92};
    for (int t = 0; t < 7; ++t)
        EXPECT_EQ(tunePosition(t), expected[t]);
    EXPECT_EQ(tunePosition(-1), 0);
    EXPECT_EQ(tunePosition(7), 0);
}

TEST_F(Tunes, TheFirstTuneStartsAtOnceEvenThoughItIsPositionZero) {
    startTuneAtOnce(0);
    EXPECT_EQ(soundState().music.currentPosition, 0);
    EXPECT_EQ(soundState().music.fadeCountdown, 0);
    std::vector<float> out = render(44100);
    EXPECT_EQ(audioMusicOrder(), 0);
    EXPECT_GT(rms(out), 0.005);
}

TEST_F(Tunes, RequestingTheCurrentTargetAgainDoesNotRestartTheFade) {
    startTuneAtOnce(0);
    changeTune(0);
    EXPECT_EQ(soundState().music.fadeCountdown, 0) << "already playing: no fade";
    changeTune(2);
    EXPECT_EQ(soundState().music.targetPosition, 31);
    EXPECT_EQ(soundState().music.fadeCountdown, 800);
    updateSound(300);
    changeTune(2);
    EXPECT_EQ(soundState().music.fadeCountdown, 500);
    startTuneAtOnce(2);
    EXPECT_EQ(soundState().music.fadeCountdown, 500) << "already the target";
}

TEST_F(Tunes, TwoChangesWithinTheFadeKeepItsCountdownAndStartTheLastTarget) {
    startTuneAtOnce(0);
    render(4410);
    changeTune(1);
    updateSound(300);
    changeTune(3);
    EXPECT_EQ(soundState().music.targetPosition, 47);
    EXPECT_EQ(soundState().music.fadeCountdown, 500);
    updateSound(400);
    EXPECT_EQ(soundState().music.currentPosition, 0) << "still fading the old tune";
    render(4410);
    EXPECT_EQ(audioMusicOrder(), 0);
    updateSound(150);
    EXPECT_EQ(soundState().music.currentPosition, 47);
    EXPECT_EQ(soundState().music.fadeCountdown, 0);
    std::vector<float> out = render(44100);
    EXPECT_GE(audioMusicOrder(), 47);
    EXPECT_LT(audioMusicOrder(), 72);
    EXPECT_GT(rms(out), 0.005) << "back at full volume";
}

TEST_F(Tunes, TheFadeLowersTheMusicTowardsSilence) {
    applyVolumes(100, 100);
    startTuneAtOnce(0);
    render(44100);
    changeTune(1);
    updateSound(40); // volume 95
    double early = rms(render(22050));
    updateSound(680); // volume 10
    double late = rms(render(22050));
    EXPECT_GT(early, 0.005);
    EXPECT_LT(late, early * 0.3);
}

TEST_F(Tunes, SuspendSilencesTheMusicAndResumeBringsItBack) {
    startTuneAtOnce(4);
    render(22050);
    suspendSound();
    std::vector<float> paused = render(22050);
    EXPECT_EQ(rms(paused), 0);
    EXPECT_EQ(rms(paused, 1), 0);
    resumeSound();
    EXPECT_GT(rms(render(22050)), 0.005);
}

} // namespace

// The request ring, the sample table and the sound events, on the offline
// mixer with real Ogg files.
#include "audio_fixture.h"

#include "audio/sound_events.h"
#include "platform/audio_backend.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

using namespace aw;
using namespace audiotest;

namespace {

class SoundRequests : public OfflineSound {
protected:
    TempDir data;
    std::string sounds() const { return data.path + "/Sounds/"; }
    void SetUp() override {
        OfflineSound::SetUp();
        std::filesystem::create_directories(sounds());
    }
    void addTone(const char* name, float hz = 440, float seconds = 0.1f) {
        writeBytes(sounds() + name, toneOgg(hz, seconds));
    }
    void load() {
        loadSounds(data.path, nullptr);
    }
};

TEST_F(SoundRequests, KnownNamesQueueAtTheirRateAndUnknownNamesDoNothing) {
    addTone("ButtonClick.ogg");
    load();
    ASSERT_EQ(soundState().sampleCount, 1);
    EXPECT_NE(soundState().samples[0].handle, 0u);

    playEffect("NoSuchSound.ogg");
    playEffect("buttonclick.ogg"); // the name is matched exactly, case included
    EXPECT_TRUE(pendingRequests().empty());
    EXPECT_EQ(soundState().writeIndex, 0);

    playEffect("ButtonClick.ogg");
    auto pending = pendingRequests();
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_EQ(requestedName(*pending[0]), "ButtonClick.ogg");
    EXPECT_EQ(pending[0]->frequency, 44100);
    EXPECT_FALSE(pending[0]->loop);
    EXPECT_EQ(soundState().writeIndex, 1);
}

TEST_F(SoundRequests, TheSameSampleTwiceWithinFiveMillisecondsPlaysOnce) {
    addTone("FigureFall.ogg");
    addTone("BreakSquare.ogg");
    load();
    playEffect("FigureFall.ogg");
    playEffect("FigureFall.ogg");
    playEffect("BreakSquare.ogg"); // another sample is not held back
    EXPECT_EQ(pendingRequests().size(), 2u);

    updateSound(4);
    playEffect("FigureFall.ogg");
    EXPECT_TRUE(pendingRequests().empty()) << "4 ms later the guard still holds";
    updateSound(1.5f);
    playEffect("FigureFall.ogg");
    ASSERT_EQ(pendingRequests().size(), 1u);
    EXPECT_EQ(requestedName(*pendingRequests()[0]), "FigureFall.ogg");
}

TEST_F(SoundRequests, RequestsStartOnUpdateAndReturnToIdleWhenTheSoundEnds) {
    addTone("TipShow.ogg", 440, 0.05f);
    load();
    playEffect("TipShow.ogg");
    const SoundRequest& r = soundState().requests[0];
    EXPECT_EQ(r.state, kRequestPending);
    updateSound(16);
    EXPECT_EQ(r.state, kRequestPlaying);
    EXPECT_NE(r.channel, 0u);
    EXPECT_TRUE(audioChannelIsActive(r.channel));
    std::vector<float> out = render(4410); // 100 ms: longer than the tone
    EXPECT_GT(rms(out), 0.05);
    updateSound(16);
    EXPECT_EQ(r.state, kRequestIdle);
    EXPECT_FALSE(audioChannelIsActive(r.channel));
}

TEST_F(SoundRequests, LoopingEntriesAreSkippedByTheWriteIndex) {
    addTone("brook.ogg");
    addTone("map1.ogg");
    load();
    playEffectEx("brook.ogg", 44100, -1, true); // entry 0 loops
    updateSound(10);
    // Fill the ring once round: the write index comes back to the looping entry.
    for (int i = 0; i < kSoundRequests - 1; ++i) {
        playEffect("map1.ogg");
        updateSound(10);
    }
    EXPECT_EQ(soundState().writeIndex, 0);
    playEffect("map1.ogg");
    EXPECT_TRUE(soundState().requests[0].loop);
    EXPECT_EQ(requestedName(soundState().requests[0]), "brook.ogg");
    EXPECT_EQ(requestedName(soundState().requests[1]), "map1.ogg");
    EXPECT_EQ(soundState().requests[1].state, kRequestPending);
    EXPECT_EQ(soundState().writeIndex, 2);
}

TEST_F(SoundRequests, ARingFullOfLoopingEntriesDropsTheRequestInsteadOfHanging) {
    addTone("brook.ogg");
    addTone("map1.ogg");
    load();
    for (int i = 0; i < kSoundRequests; ++i) {
        playEffectEx("brook.ogg", 44100, 0.f, true);
        updateSound(10);
    }
    playEffect("map1.ogg");
    for (const SoundRequest& r : soundState().requests)
        EXPECT_EQ(requestedName(r), "brook.ogg");
}

TEST_F(SoundRequests, BreakFigureClimbsTheSeriesThenRaisesTheRate) {
    addTone("BreakFigure.ogg");
    for (int i = 1; i <= 8; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "BreakFigure%d.ogg", i);
        addTone(name);
    }
    load();
    struct Case { int streak; const char* name; int rate; };
    const Case cases[] = {
        {0, "BreakFigure1.ogg", 44100}, {3, "BreakFigure4.ogg", 44100}, {7, "BreakFigure8.ogg", 44100},
        {8, "BreakFigure.ogg", 24050},  {9, "BreakFigure.ogg", 26050},  {17, "BreakFigure.ogg", 42050},
    };
    for (const Case& c : cases) {
        updateSound(10); // past the retrigger guard
        int before = soundState().writeIndex;
        playBreakFigure(c.streak);
        ASSERT_EQ(soundState().writeIndex, before + 1) << "streak " << c.streak;
        const SoundRequest& r = soundState().requests[before];
        EXPECT_EQ(requestedName(r), c.name) << "streak " << c.streak;
        EXPECT_EQ(r.frequency, c.rate) << "streak " << c.streak;
    }
}

TEST_F(SoundRequests, TimeOutTicksCarryTheirVolume) {
    addTone("TimeOut.ogg", 1000, 0.3f);
    load();
    applyVolumes(100, 100);
    playTimeOut(0.25f);
    ASSERT_EQ(pendingRequests().size(), 1u);
    EXPECT_FLOAT_EQ(pendingRequests()[0]->volume, 0.25f);
    updateSound(10);
    double quiet = rms(render(4410));
    updateSound(10);
    playTimeOut(1.f);
    updateSound(10);
    // The first tick is still sounding: stop it so only the loud one is heard.
    audioChannelStop(soundState().requests[0].channel);
    double loud = rms(render(4410));
    EXPECT_NEAR(quiet / loud, 0.25, 0.03);
}

TEST_F(SoundRequests, MapButtonPlaysTwoSoundsAndMapNumbersOutsideOneToNineNothing) {
    addTone("map7.ogg");
    addTone("menu.ogg");
    addTone("map1.ogg");
    load();
    playMapButton();
    auto pending = pendingRequests();
    ASSERT_EQ(pending.size(), 2u);
    EXPECT_EQ(requestedName(*pending[0]), "map7.ogg");
    EXPECT_EQ(requestedName(*pending[1]), "menu.ogg");
    updateSound(10);
    playMapSound(0);
    playMapSound(10);
    playMapSound(-1);
    EXPECT_TRUE(pendingRequests().empty());
    playMapSound(1);
    EXPECT_EQ(pendingRequests().size(), 1u);
}

// [SECTION] loading

TEST_F(SoundRequests, OnlyTheFirst256FilesAreLoadedAndProgressCountsBytes) {
    std::vector<uint8_t> tone = toneOgg(440, 0.02f);
    for (int i = 0; i < 257; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "s%03d.ogg", i);
        writeBytes(sounds() + name, tone);
    }
    writeBytes(sounds() + "notes.txt", tone); // not an .ogg
    long long total = 0;
    int calls = 0;
    loadSounds(data.path, [&](long long bytes) { total += bytes; ++calls; });
    EXPECT_EQ(soundState().sampleCount, 256);
    EXPECT_STREQ(soundState().samples[0].name, "s000.ogg");
    EXPECT_STREQ(soundState().samples[255].name, "s255.ogg");
    EXPECT_EQ(calls, 257); // 256 files and the music
    EXPECT_EQ(total, 256LL * (long long)tone.size() + kMusicProgressBytes);
    playEffect("s256.ogg");
    EXPECT_TRUE(pendingRequests().empty());
}

TEST_F(SoundRequests, TheTableFollowsTheSortedListingAndSkipsNamesTooLongToKeep) {
    addTone("b.ogg");
    addTone("A.ogg");
    addTone("c.OGG");
    addTone("ThisNameIsLongerThanThirtyOne.ogg");
    addTone("broken.ogg");
    writeBytes(sounds() + "broken.ogg", {'n', 'o', 't', ' ', 'o', 'g', 'g'});
    load();
    ASSERT_EQ(soundState().sampleCount, 4);
    EXPECT_STREQ(soundState().samples[0].name, "A.ogg");
    EXPECT_STREQ(soundState().samples[1].name, "b.ogg");
    EXPECT_STREQ(soundState().samples[2].name, "broken.ogg");
    EXPECT_STREQ(soundState().samples[3].name, "c.OGG");
    // A file that does not decode keeps its entry without a sample; playing it
    // starts nothing and the entry simply returns to idle.
    EXPECT_EQ(soundState().samples[2].handle, 0u);
    playEffect("broken.ogg");
    updateSound(10);
    EXPECT_EQ(soundState().requests[0].channel, 0u);
    updateSound(10);
    EXPECT_EQ(soundState().requests[0].state, kRequestIdle);
}

TEST(SoundStartFailure, WithoutAnAudioDeviceTheGameRunsOnSilently) {
    resetSound();
    const char* old = std::getenv("SDL_AUDIODRIVER");
    std::string saved = old ? old : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_FALSE(startSound());
    if (old)
        setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");

    TempDir data;
    std::filesystem::create_directories(data.path + "/Sounds");
    writeBytes(data.path + "/Sounds/ButtonClick.ogg", toneOgg(440, 0.05f));
    long long total = 0;
    loadSounds(data.path, [&](long long bytes) { total += bytes; });
    EXPECT_GT(total, kMusicProgressBytes) << "the load bar still advances";
    playButtonClick();
    changeTune(3);
    for (int i = 0; i < 60; ++i)
        updateSound(16);
    EXPECT_EQ(soundState().music.currentPosition, 47);
    EXPECT_EQ(soundState().requests[0].state, kRequestIdle);
    resetSound();
}

} // namespace

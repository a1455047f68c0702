// The generator's output, checked with tools that share no code with it: sox
// and ogginfo decode every sound, openmpt123 reads the module.
#include "audio_fixture.h"

#include "audio/ambient.h"
#include "audio/sound_events.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

using namespace aw;
using namespace audiotest;

namespace {

// Every sound file the game asks for.
const char* const kEventSounds[] = {
    "MenuLineSelect.ogg", "ButtonClick.ogg", "MaxPlayers.ogg", "SFXVolume.ogg", "Gag.ogg",
    "BreakZep.ogg", "BreakSquare.ogg", "BreakFigure1.ogg", "BreakFigure2.ogg", "BreakFigure3.ogg",
    "BreakFigure4.ogg", "BreakFigure5.ogg", "BreakFigure6.ogg", "BreakFigure7.ogg", "BreakFigure8.ogg",
    "BreakFigure.ogg", "FigureFall.ogg", "ReFillLevel.ogg", "MoveTipShow.ogg", "UseHammer.ogg",
    "GetHammer.ogg", "AddBomb.ogg", "AddSuperBomb.ogg", "AddThunder.ogg", "ExplosionBomb.ogg",
    "ExplosionSuperBomb.ogg", "Thunderbolt.ogg", "BonusPrize.ogg", "TimeOut.ogg", "DefeatLevel.ogg",
    "DefeatLevelEffect.ogg", "GetLife.ogg", "GetTrophy.ogg", "LevelStatistic.ogg", "TipShow.ogg",
    "NoMoreMove.ogg", "map1.ogg", "map2.ogg", "map3.ogg", "map4.ogg", "map5.ogg", "map6.ogg",
    "map7.ogg", "map8.ogg", "map9.ogg", "menu.ogg",
};
const char* const kAmbientSounds[] = {"birds1.ogg", "birds2.ogg", "birds3.ogg", "brook.ogg", "waterfall.ogg"};

// The loudness every sound is made to: effects by the loudest 50 ms window's
// RMS; the ambient set by the level sox reports ("stats -w 0.05": the RMS
// followed over 50 ms at its highest), within 1.5 dB, the three bird calls
// within 1 dB of one another.
constexpr double kEffectLevelDb = -18, kAmbientLevelDb = -26, kLevelToleranceDb = 1.0;
constexpr double kAmbientToleranceDb = 1.5, kBirdSpreadDb = 1.0;
constexpr double kPeakLimitDb = -2;

std::vector<float> decodeWithSox(const std::string& file, int& status) {
    std::string raw = runCommand("sox '" + file + "' -t f32 -c 1 -r 44100 - 2>/dev/null", status);
    std::vector<float> out(raw.size() / sizeof(float));
    std::memcpy(out.data(), raw.data(), out.size() * sizeof(float));
    return out;
}

double shortTermDb(const std::vector<float>& x) {
    const size_t window = 2205;
    double best = 0;
    for (size_t start = 0; start < x.size(); start += window / 4) {
        double sum = 0;
        for (size_t i = start; i < std::min(x.size(), start + window); ++i)
            sum += (double)x[i] * x[i];
        best = std::max(best, sum / window);
    }
    return 10 * std::log10(std::max(best, 1e-20));
}

// "RMS Pk dB" of sox's stats with a 50 ms window.
double soxLoudestDb(const std::string& file) {
    int status = 0;
    std::string out = runCommand("sox '" + file + "' -n stats -w 0.05 2>&1", status);
    size_t at = out.find("RMS Pk dB");
    return status == 0 && at != std::string::npos ? std::atof(out.c_str() + at + 9) : -200;
}

void checkSound(const std::string& name, double levelDb, bool ambient = false) {
    std::string file = generatedData() + "/Sounds/" + name;
    ASSERT_TRUE(std::filesystem::exists(file)) << name;
    int status = 0;
    std::vector<float> pcm = decodeWithSox(file, status);
    ASSERT_EQ(status, 0) << "sox cannot decode " << name;
    ASSERT_GT(pcm.size(), 2000u) << name;
    EXPECT_LT(pcm.size(), 6u * 44100) << name << " is too long";
    if (ambient)
        EXPECT_NEAR(soxLoudestDb(file), levelDb, kAmbientToleranceDb) << name;
    else
        EXPECT_NEAR(shortTermDb(pcm), levelDb, kLevelToleranceDb) << name;
    float peak = 0;
    for (float v : pcm)
        peak = std::max(peak, std::fabs(v));
    EXPECT_LT(20 * std::log10(peak), kPeakLimitDb) << name;
    // No click at either end: a sound rises from silence (the first 0.2 ms
    // stay near zero) and has faded out over its last 2 ms.
    for (size_t i = 0; i < 9; ++i)
        ASSERT_LT(std::fabs(pcm[i]), 0.01f) << name << " starts with a click";
    for (size_t i = 0; i < 88; ++i)
        ASSERT_LT(std::fabs(pcm[pcm.size() - 1 - i]), 0.01f) << name << " ends with a click";
}

TEST(GeneratedSounds, EverySoundDecodesAtTheCommonLoudnessWithoutClicks) {
    int status = 0;
    std::string report = runCommand("ogginfo '" + generatedData() + "/Sounds/'*.ogg 2>&1", status);
    EXPECT_EQ(status, 0) << "ogginfo rejects a file:\n" << report;
    for (const char* name : kEventSounds)
        checkSound(name, kEffectLevelDb);
    for (const char* name : kAmbientSounds)
        checkSound(name, kAmbientLevelDb, true);
    double birds[3];
    for (int i = 0; i < 3; ++i)
        birds[i] = soxLoudestDb(generatedData() + "/Sounds/birds" + std::to_string(i + 1) + ".ogg");
    EXPECT_LT(*std::max_element(birds, birds + 3) - *std::min_element(birds, birds + 3), kBirdSpreadDb);
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(generatedData() + "/Sounds"))
        files += e.path().extension() == ".ogg";
    EXPECT_EQ(files, 51);
}

TEST(GeneratedSounds, TheBreakSeriesRisesInPitch) {
    double last = 0;
    for (int i = 1; i <= 8; ++i) {
        int status = 0;
        std::string file = generatedData() + "/Sounds/BreakFigure" + std::to_string(i) + ".ogg";
        std::string stat = runCommand("sox '" + file + "' -n trim 0.01 0.2 stat 2>&1", status);
        size_t at = stat.find("Rough   frequency:");
        ASSERT_NE(at, std::string::npos);
        double hz = std::atof(stat.c_str() + at + 18);
        EXPECT_GT(hz, last) << "BreakFigure" << i;
        last = hz;
    }
}

TEST(GeneratedMusic, TheModuleReadsAsSevenLoopingTunes) {
    std::string file = generatedData() + "/music.mo3";
    EXPECT_LT(std::filesystem::file_size(file), 2u * 1024 * 1024);
    int status = 0;
    std::string info = runCommand("openmpt123 --info '" + file + "' 2>&1", status);
    ASSERT_EQ(status, 0) << info;
    auto field = [&](const std::string& key) {
        size_t at = info.find(key);
        return at == std::string::npos ? std::string() : info.substr(at + key.size(), info.find('\n', at) - at - key.size());
    };
    EXPECT_NE(field("Type.......: ").find("xm"), std::string::npos) << info;
    EXPECT_GE(std::atoi(field("Orders.....: ").c_str()), 93);
    // libopenmpt counts a section that jumps back to its own start as one subsong.
    EXPECT_EQ(std::atoi(field("Subsongs...: ").c_str()), 7) << info;
    EXPECT_GE(std::atoi(field("Channels...: ").c_str()), 8);
}

TEST(GeneratedData, TheGeneratorWritesTheSameBytesEveryTime) {
    TempDir again;
    int status = 0;
    runCommand(std::string(AW_SOUNDGEN_PATH) + " " + again.path, status);
    ASSERT_EQ(status, 0);
    for (const char* name : {"Sounds/brook.ogg", "Sounds/BreakFigure3.ogg", "Sounds/Thunderbolt.ogg", "music.mo3"}) {
        std::ifstream a(generatedData() + "/" + name, std::ios::binary), b(again.path + "/" + name, std::ios::binary);
        std::string x((std::istreambuf_iterator<char>(a)), {}), y((std::istreambuf_iterator<char>(b)), {});
        EXPECT_FALSE(x.empty());
        EXPECT_EQ(x, y) << name;
    }
}

TEST(GeneratedData, WithoutAnOutputFolderTheGeneratorFails) {
    int status = 0;
    runCommand(std::string(AW_SOUNDGEN_PATH) + " >/dev/null 2>&1", status);
    EXPECT_NE(status, 0);
    runCommand(std::string(AW_SOUNDGEN_PATH) + " /proc/no-such-place >/dev/null 2>&1", status);
    EXPECT_NE(status, 0);
}

class GeneratedSet : public OfflineSound {};

TEST_F(GeneratedSet, EverySoundEventFindsItsFile) {
    loadSounds(generatedData(), nullptr);
    EXPECT_EQ(soundState().sampleCount, 51);
    EXPECT_TRUE(soundState().music.loaded);
    void (*const events[])() = {
        playMenuLineSelect, playButtonClick, playMaxPlayers, playEffectsVolumeChanged, playGag,
        playLevelStatistic, playBreakChain, playBreakSquare, playFigureFall, playRefill, playMoveTip,
        playGetHammer, playUseHammer, playAddBomb, playAddSuperBomb, playAddThunder, playBombExplosion,
        playSuperBombExplosion, playThunderbolt, playBonusPrize, playDefeat, playDefeatWave, playGetLife,
        playGetTrophy, playTipShown, playNoMoreMoves,
    };
    int expected = 0;
    for (auto event : events) {
        event();
        ++expected;
    }
    for (int streak = 0; streak <= 8; ++streak, ++expected)
        playBreakFigure(streak);
    for (int map = 1; map <= 9; ++map, ++expected)
        playMapSound(map);
    playTimeOut(0.5f);
    playEffect("menu.ogg");
    expected += 2;
    for (int i = 0; i < 3; ++i, ++expected) {
        updateSound(10); // the same bird may come round again
        playBirds();
    }
    playEffect("brook.ogg");
    playEffect("waterfall.ogg");
    expected += 2;
    int found = 0;
    for (const SoundRequest& r : soundState().requests)
        if (r.state != kRequestIdle) {
            EXPECT_NE(r.sample, 0u) << requestedName(r);
            ++found;
        }
    EXPECT_EQ(found, expected);
}

} // namespace

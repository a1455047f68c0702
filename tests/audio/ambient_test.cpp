// Ambient timers and the bird calls.
#include "audio_fixture.h"

#include "audio/ambient.h"
#include "core/random.h"

#include <filesystem>
#include <set>

using namespace aw;
using namespace audiotest;

namespace {

TEST(AmbientTimer, FiresAtTheStartAndOncePerPeriod) {
    const uint32_t periods[] = {kBirdsPeriodMs, kBrookPeriodMs, kWaterfallPeriodMs};
    for (uint32_t period : periods) {
        for (uint32_t dt : {1u, 16u, 33u, 100u}) {
            int fired = 0;
            uint32_t lastAt = 0;
            for (uint32_t c = 0; c < 10 * period; c += dt) {
                if (ambientTimerFires(c, dt, period)) {
                    if (fired > 0) {
                        // Each firing is one period after the one before, give or take a tick.
                        EXPECT_NEAR((double)(c - lastAt), (double)period, (double)dt) << "period " << period;
                    }
                    lastAt = c;
                    ++fired;
                }
            }
            // At the start, then on the tick that crosses each multiple of the period.
            EXPECT_EQ(fired, 11) << "period " << period << " dt " << dt;
        }
    }
}

class Ambient : public OfflineSound {
protected:
    TempDir data;
    void SetUp() override {
        OfflineSound::SetUp();
        std::filesystem::create_directories(data.path + "/Sounds");
        for (const char* name : {"birds1.ogg", "birds2.ogg", "birds3.ogg", "brook.ogg", "waterfall.ogg"})
            writeBytes(data.path + "/Sounds/" + name, toneOgg(3000, 0.02f));
        loadSounds(data.path, nullptr);
    }
    // Advances a clock by dt for ms and collects the names played.
    std::vector<std::string> run(void (*update)(uint32_t, uint32_t), uint32_t ms, uint32_t dt) {
        std::vector<std::string> names;
        for (uint32_t c = 0; c < ms; c += dt) {
            update(c, dt);
            for (const SoundRequest* r : pendingRequests())
                names.push_back(requestedName(*r));
            updateSound((float)dt);
        }
        return names;
    }
};

TEST_F(Ambient, PlayHasBirdsAndTheBrookTheTrophyRoomBirdsAndTheWaterfall) {
    seedRandom(1234);
    std::vector<std::string> play = run(updatePlayAmbient, 12000, 20);
    int birds = 0, brook = 0;
    for (const std::string& n : play) {
        birds += n.rfind("birds", 0) == 0;
        brook += n == "brook.ogg";
        EXPECT_NE(n, "waterfall.ogg");
    }
    EXPECT_EQ(birds, 2); // at the start and on crossing 6200
    EXPECT_EQ(brook, 4); // at the start and on crossing 3100, 6200, 9300

    std::vector<std::string> room = run(updateTrophyRoomAmbient, 8900, 20);
    int waterfall = 0;
    for (const std::string& n : room) {
        waterfall += n == "waterfall.ogg";
        EXPECT_NE(n, "brook.ogg");
    }
    EXPECT_EQ(waterfall, 3);
}

TEST_F(Ambient, ConsecutiveBirdCallsNeverRepeatTheSameSong) {
    seedRandom(99);
    std::string last;
    std::set<std::string> seen;
    for (int i = 0; i < 40; ++i) {
        updateSound(10);
        playBirds();
        auto pending = pendingRequests();
        ASSERT_EQ(pending.size(), 1u);
        std::string name = requestedName(*pending[0]);
        EXPECT_NE(name, last);
        seen.insert(name);
        last = name;
    }
    EXPECT_EQ(seen.size(), 3u);
}

} // namespace

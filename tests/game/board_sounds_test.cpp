#include "audio/sound_system.h"
#include "board/outward.h"
#include "game/board_sounds.h"

#include <gtest/gtest.h>

using namespace aw;

// The board names its music by track; the connection must reach the tune
// table, so a level's track becomes the music's next song position.
TEST(BoardSounds, TrackChangesReachTheTuneTable) {
    resetSound();
    connectBoardSounds();
    ASSERT_NE(boardOutward.changeTune, nullptr);
    boardOutward.changeTune(3);
    EXPECT_EQ(soundState().music.targetPosition, tunePosition(3));
    EXPECT_GT(soundState().music.fadeCountdown, 0);
    // Unknown sound names are harmless through the connection too.
    boardOutward.playSound("NoSuchSound.ogg", 44100);
    boardOutward.playSoundVolume("NoSuchSound.ogg", 0.5f);
    boardOutward = BoardOutward{};
}

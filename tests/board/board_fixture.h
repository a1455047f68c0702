// Shared set-up for the board tests: a fresh level state, a recorder on the
// outward calls, and small helpers to lay out hand-made boards.
#pragma once
#include "board/board.h"
#include "core/random.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace aw::test {

struct Heard {
    std::string name;
    int frequency = 0;
    float volume = 0;
};

struct Recorder {
    std::vector<Heard> sounds;
    std::vector<std::string> effects, tips, messages, letters;
    std::vector<int> trophyRequests;
    std::vector<int> trophiesGranted;
    bool grantTrophies = true;
    int lives = 3;
    int completed = 0;
    int results = 0;

    int count(const std::string& name) const {
        int n = 0;
        for (const auto& s : sounds) n += s.name == name;
        for (const auto& s : effects) n += s == name;
        for (const auto& s : tips) n += s == name;
        for (const auto& s : messages) n += s == name;
        for (const auto& s : letters) n += s == name;
        return n;
    }
};

inline Recorder heard;

inline void installRecorder() {
    heard = Recorder{};
    boardOutward = BoardOutward{};
    boardOutward.playSound = [](const char* n, int f) { heard.sounds.push_back({n, f, 1}); };
    boardOutward.playSoundVolume = [](const char* n, float v) { heard.sounds.push_back({n, kDefaultFrequency, v}); };
    boardOutward.spawnEffect = [](const char* n, float, float, float) { heard.effects.push_back(n); };
    boardOutward.showTip = [](const char* k, float, float, bool) { heard.tips.push_back(k); };
    boardOutward.showMessage = [](const char* k, float, float, float, float) { heard.messages.push_back(k); };
    boardOutward.showLetters = [](const char* k, float, float, float) { heard.letters.push_back(k); };
    boardOutward.requestTrophy = [](int n) {
        heard.trophyRequests.push_back(n);
        if (!heard.grantTrophies) return false;
        for (int t : heard.trophiesGranted)
            if (t == n) return false;
        heard.trophiesGranted.push_back(n);
        return true;
    };
    boardOutward.addLife = [] { ++heard.lives; };
    boardOutward.lives = [] { return heard.lives; };
    boardOutward.levelCompleted = [] { ++heard.completed; };
    boardOutward.openResultScreen = [] { ++heard.results; };
}

// A full board of plain cells whose figures form no group: neighbours by an
// edge always differ, using kinds 0..3 only.
inline void layNoGroupBoard() {
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            Cell& cell = board[r][c];
            cell = Cell{};
            cell.fig.kind = (r % 2) * 2 + (c % 2);
        }
}

inline Cell& at(int r, int c) { return board[r][c]; }

class BoardTest : public ::testing::Test {
protected:
    void SetUp() override {
        seedRandom(7);
        playState = PlayState{};
        playState.mode = kPuzzle;
        playState.levelIndex = 3;
        boardInput = BoardInput{};
        animationTimeMs = 0;
        resetLevelState();
        gs.figureCount = 4;
        gs.moveLimit = 1000;
        gs.timeLimit = 1e9f;
        installRecorder();
        layNoGroupBoard();
    }
    void TearDown() override { boardOutward = BoardOutward{}; }

    // Puts the mouse on a cell and clicks it after the hover has been built.
    void clickAt(int r, int c) {
        boardInput.mouse = cellCentre(r, c);
        updateHover();
        onBoardLeftDown();
        onBoardLeftUp();
    }
    // Runs frames until the board has settled with nothing left pending.
    void runUntilRest(float dt = 16, int maxFrames = 2000) {
        for (int i = 0; i < maxFrames; ++i) {
            tick(dt);
            if (gs.refillActive) refillStep(dt);
            bool pending = false;
            for (auto& b : blasts) pending |= b.type > 0;
            for (auto& row : board)
                for (auto& cell : row) pending |= cell.removal || cell.hit;
            if (!pending && isSettled() && gs.cooldown < 0 && !gs.refillActive) return;
        }
        FAIL() << "board never came to rest";
    }
};

} // namespace aw::test

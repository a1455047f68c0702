#include "game/saved_games.h"

#include "board/board.h"
#include "persistence/player_file_io.h"
#include "persistence/player_files.h"
#include "persistence/profile_files.h"
#include "persistence/profiles.h"

#include <cstdio>
#include <cstring>

namespace aw {

SavedGameHooks savedGameHooks;

namespace {

// Scratch for one save or load; the record and the image are large, so they
// live here rather than on the stack. Contents are meaningless between calls.
SavedGame scratchGame;
uint8_t scratchImage[kSavedGameFileSize + 1];

bool validMode(int mode) { return mode >= 0 && mode < kModeCount; }

ProfileFile saveFileOf(GameMode mode) {
    static constexpr ProfileFile kFiles[kModeCount] = {ProfileFile::adventureSave, ProfileFile::timelessSave,
                                                       ProfileFile::puzzleSave};
    return kFiles[mode];
}

void clearSavedGameFlag() {
    if (profileCount() > 0 && validMode(playState.mode)) currentProfile()->savedGame[playState.mode] = 0;
}

} // namespace

void connectSavedGames() { boardOutward.clearSavedGameFlag = clearSavedGameFlag; }

std::string savedGamePath(GameMode mode) {
    if (profileCount() == 0 || !validMode(mode)) return {};
    return profileFilePath(currentProfile()->name, saveFileOf(mode));
}

void captureSavedGame(SavedGame& g) {
    std::memcpy(g.debris, debris, sizeof debris);
    std::memcpy(g.blasts, blasts, sizeof blasts);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) g.board[r][c] = board[r][c];
    for (int s = 0; s < kBoltSets; ++s) g.boltSets[s] = boltSets[s];
    g.presentation = SavedPresentation{};
    if (savedGameHooks.capturePresentation) savedGameHooks.capturePresentation(g.presentation);
    g.debrisRing = gs.debrisRing;
    g.blastRing = gs.blastRing;
    g.shake = shake;
    g.displayedScore = gs.displayedScore;
    g.score = gs.score;
    g.scoreBase = playState.scoreBase;
    g.chainCount = gs.chainCount;
    g.boltRing = gs.boltRing;
    g.breakables = gs.breakables;
    g.breakablesAtStart = gs.breakablesAtStart;
    g.bestStreak = gs.bestStreak;
    g.sameKindStreak = gs.sameKindStreak;
    g.rapidClicks = gs.rapidClicks;
    g.streakTrigger = gs.streakTrigger;
    g.lastClickedKind = gs.lastClickedKind;
    g.movesUsed = gs.movesUsed;
    g.mouse = boardInput.mouse;
    g.paused = gs.paused;
    g.overlayShown = playState.overlayShown;
    g.levelWon = playState.levelWon;
    g.levelEnded = gs.levelEnded;
    g.lostOnce = playState.lostOnce;
    g.mode = playState.mode;
    g.animationClock = animationTimeMs;
    g.cooldown = gs.cooldown;
    g.timeUsed = gs.timeUsed;
    g.timeLimit = gs.timeLimit;
    g.pauseClock = gs.pauseClock;
    g.outroTime = gs.outroTime;
    g.hammerCharge = gs.hammerCharge;
    g.hammerTarget = gs.hammerTarget;
    g.warningClock = gs.warningClock;
}

void applySavedGame(const SavedGame& g) {
    std::memcpy(debris, g.debris, sizeof debris);
    std::memcpy(blasts, g.blasts, sizeof blasts);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) board[r][c] = g.board[r][c];
    for (int s = 0; s < kBoltSets; ++s) boltSets[s] = g.boltSets[s];
    gs.debrisRing = g.debrisRing;
    gs.blastRing = g.blastRing;
    shake = g.shake;
    gs.displayedScore = g.displayedScore;
    gs.score = g.score;
    playState.scoreBase = g.scoreBase;
    gs.chainCount = g.chainCount;
    gs.boltRing = g.boltRing;
    gs.breakables = g.breakables;
    gs.breakablesAtStart = g.breakablesAtStart;
    gs.bestStreak = g.bestStreak;
    gs.sameKindStreak = g.sameKindStreak;
    gs.rapidClicks = g.rapidClicks;
    gs.streakTrigger = g.streakTrigger;
    gs.lastClickedKind = g.lastClickedKind;
    gs.movesUsed = g.movesUsed;
    boardInput.mouse = g.mouse;
    gs.paused = g.paused != 0;
    playState.overlayShown = g.overlayShown != 0;
    playState.levelWon = g.levelWon != 0;
    gs.levelEnded = g.levelEnded != 0;
    playState.lostOnce = g.lostOnce != 0;
    animationTimeMs = g.animationClock;
    gs.cooldown = g.cooldown;
    gs.timeUsed = g.timeUsed;
    gs.timeLimit = g.timeLimit;
    gs.pauseClock = g.pauseClock;
    gs.outroTime = g.outroTime;
    gs.hammerCharge = g.hammerCharge;
    gs.hammerTarget = g.hammerTarget;
    gs.warningClock = g.warningClock;

    // State the file does not carry but that follows from what it does.
    // The limit clock runs with timeUsed until the time is up (which a saved
    // level never is); left at 0 it would hand a resumed level its whole
    // time again.
    gs.limitClock = gs.timeUsed;
    if (playState.mode == kAdventure) gs.playClock = gs.timeUsed;
    gs.candleMoves = float(gs.movesUsed);
    // A level saved during the no-moves re-colouring carries the waiting
    // figures' flags; the re-colouring must run again or the board would
    // never settle.
    gs.refillActive = false;
    gs.refillClock = 0;
    for (const auto& row : board)
        for (const Cell& cell : row)
            if (cell.fig.refilling) gs.refillActive = true;
    gs.groupSize = 0;

    if (savedGameHooks.restorePresentation) savedGameHooks.restorePresentation(g.presentation);
}

bool saveGame() {
    if (!playState.gameInProgress || playState.levelLost || playState.levelWon || playState.levelAdvanced ||
        playState.finished)
        return false;
    if (savedGameHooks.trophyRoomOutsideGameplay && savedGameHooks.trophyRoomOutsideGameplay()) return false;
    if (profileCount() == 0 || !validMode(playState.mode)) return false;

    captureSavedGame(scratchGame);
    encodeSavedGame(scratchGame, scratchImage);
    std::string path = savedGamePath(playState.mode);
    if (!writePlayerFile(path, scratchImage, kSavedGameFileSize)) {
        std::fprintf(stderr, "Can't save the game in progress to %s\n", path.c_str());
        return false;
    }
    Profile* p = currentProfile();
    p->savedGame[playState.mode] = 1;
    p->score[playState.mode] = playState.scoreBase + gs.displayedScore;
    writePlayerFiles();
    return true;
}

bool loadGame(int levelIndex) {
    if (levelIndex < 0 || levelIndex >= kLevelCount || !validMode(playState.mode)) return false;
    startLevel(levelIndex);
    playState.gameInProgress = true;

    std::string path = savedGamePath(playState.mode);
    int size = 0;
    if (path.empty() || !readPlayerFile(path, scratchImage, int(sizeof scratchImage), &size)) return false;
    std::string why;
    if (!decodeSavedGame(scratchImage, size_t(size), playState.mode, scratchGame, &why)) {
        std::fprintf(stderr, "Saved game %s not loaded, the level starts afresh: %s\n", path.c_str(), why.c_str());
        return false;
    }
    applySavedGame(scratchGame);
    return true;
}

} // namespace aw

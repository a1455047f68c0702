// Saved games: leaving a level and resuming it exactly. One file per profile
// and mode ("%s_cls.sav", "%s_ndl.sav", "%s_org.sav"), a snapshot of the
// board, its blasts and effects, the counters and the timers. The profile's
// saved-game byte of a mode says whether that mode's file is current.
#pragma once
#include "persistence/saved_game_format.h"

namespace aw {

// What the presentation side keeps in a saved game, and the one refusal that
// depends on the scene. Every hook may stay null: the presentation blocks are
// then written as 0 and ignored on loading, and nothing is refused.
struct SavedGameHooks {
    // Fills the light levels, hint bubble, pointer and HUD blocks.
    void (*capturePresentation)(SavedPresentation& out) = nullptr;
    // Restores them after a load has set the board up.
    void (*restorePresentation)(const SavedPresentation& in) = nullptr;
    // True while the trophy room is shown and was entered from the menus, not
    // from gameplay: the board behind it is not the game being left.
    bool (*trophyRoomOutsideGameplay)() = nullptr;
};

extern SavedGameHooks savedGameHooks;

// Connects the board's level set-up to the profile: setting up a level clears
// the mode's saved-game byte. Called once the profiles are read.
void connectSavedGames();

// Saves the level in progress into the current profile's file of the mode:
// refused (false, nothing written) unless a game is in progress, the level is
// neither won nor lost, the mode is not finished and there is a profile. On a
// written file the profile's byte is set, its score for the mode becomes the
// score base plus the displayed score, and the player files are written so the
// profile on disk names the new file. A file that cannot be written is
// reported on stderr and answers false; the previous file stays whole.
// Called by "main" on the pause screen and by the window's close.
bool saveGame();

// Sets level levelIndex up from its level file, then reads the mode's saved
// game over it and marks the game as in progress. A missing file leaves the
// fresh level; a file of the wrong size or with any value out of range leaves
// it too, with one line on stderr saying why. True when the file was applied.
// Called by "yes" in the resume question; the level index is the profile's
// current level of the mode.
bool loadGame(int levelIndex);

// The live level as a saved-game record, and back (tests, tools).
void captureSavedGame(SavedGame& out);
// out must have passed decodeSavedGame; applies it over a freshly set-up level.
void applySavedGame(const SavedGame& in);

// Where the current profile's file of a mode lives; empty without a profile.
std::string savedGamePath(GameMode mode);

} // namespace aw

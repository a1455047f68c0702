// Saving and resetting the player's state as a whole.
#pragma once

namespace aw {

// Writes "settings.dat", "profiles.dat", "records.dat" and "hiscore.dat", in
// that order, into the settings directory (created when missing), then makes
// the data directory current. A file that cannot be written is the
// "Writing Error". Call only after the start-up load has read the files.
void writePlayerFiles();

// Settings, profiles, trophies, records, high scores and paths back to their
// first-run state (tests).
void resetPersistence();

} // namespace aw

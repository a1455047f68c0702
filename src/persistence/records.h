// Per-level records ("records.dat") and the top-ten tables ("hiscore.dat"),
// one table per mode (adventure, timeless, puzzle). Missing files are
// replaced by generated defaults.
//
// Lifetime: the run; read once by the start-up load, written whole at saves.
#pragma once
#include "core/game_constants.h"
#include <cstdint>

#include "persistence/profiles.h"

namespace aw {

constexpr int kRecordNameSize = 20;
constexpr int kLevelRecordSize = 96;
constexpr int kRecordsFileSize = kModeCount * kLevelCount * kLevelRecordSize; // 37,152
constexpr int kHighScoreRows = 10;
constexpr int kHighScoreNameSize = 32;
constexpr int kHighScoreRowSize = 36;
constexpr int kHighScoreFileSize = kModeCount * kHighScoreRows * kHighScoreRowSize; // 1,080

struct LevelRecord {
    char scoreHolder[kRecordNameSize]; // best level score
    char comboHolder[kRecordNameSize]; // best combo
    char movesHolder[kRecordNameSize]; // fewest moves
    char timeHolder[kRecordNameSize];  // shortest time
    int32_t bestScore;
    int32_t bestCombo;
    int32_t fewestMoves;
    int32_t shortestTime; // milliseconds
};

struct HighScoreRow {
    char name[kHighScoreNameSize];
    int32_t score;
};

// Null when mode or level is out of range.
LevelRecord* levelRecord(int mode, int level);
// Rows best first; null when mode or row is out of range.
HighScoreRow* highScoreRow(int mode, int row);

// Reads "records.dat" and "hiscore.dat" from the settings directory. A
// missing or short file: generated defaults for whatever it does not hold.
void readRecords();
// Level records from each level file's "time=" and "moves=" (10 s and 50
// when missing or 0; a missing level file gives both defaults) and holder
// names drawn from the ten default player names.
void makeDefaultRecords();
// Names "defname1" onwards, scores (10 - row) x 180,000 / 250,000 / 190,000.
void makeDefaultHighScores();

void encodeRecords(uint8_t out[kRecordsFileSize]);
// Reads the complete records in size bytes and keeps the rest.
void decodeRecords(const uint8_t* bytes, int size);
void encodeHighScores(uint8_t out[kHighScoreFileSize]);
void decodeHighScores(const uint8_t* bytes, int size);

// Zeroes both tables.
void resetRecords();

} // namespace aw

#include "persistence/records.h"

#include "core/keys.h"
#include "core/random.h"
#include "persistence/binary_fields.h"
#include "persistence/player_file_io.h"
#include "persistence/player_paths.h"
#include "platform/paths.h"
#include "resources/registry.h"
#include "resources/text_table.h"

#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

namespace aw {
namespace {

LevelRecord records[kModeCount][kLevelCount];
HighScoreRow highScores[kModeCount][kHighScoreRows];

constexpr int kHighScoreStep[kModeCount] = {180000, 250000, 190000};

enum RecordOffset {
    kScoreHolderAt = 0,
    kComboHolderAt = 20,
    kMovesHolderAt = 40,
    kTimeHolderAt = 60,
    kBestScoreAt = 80,
    kBestComboAt = 84,
    kFewestMovesAt = 88,
    kShortestTimeAt = 92,
};

struct LevelLimits {
    float seconds = 10;
    int moves = 50;
};

LevelLimits readLevelLimits(int level) {
    LevelLimits limits;
    char name[64];
    std::snprintf(name, sizeof name, "levels/pack1_%.2i.lvl", level);
    int size = 0;
    uint8_t* block = loadResource(name, &size, false);
    if (!block) return limits;
    std::string_view text(reinterpret_cast<const char*>(block), size_t(size));
    float t = keyFloat(text, "time=");
    int m = keyInt(text, "moves=");
    // Zero means "none"; negative or absurd values are treated the same way
    // so the millisecond conversion below cannot overflow.
    if (t > 0 && t < 2.0e6f) limits.seconds = t;
    if (m > 0) limits.moves = m;
    releaseResource(block);
    return limits;
}

void defaultHolder(char (&out)[kRecordNameSize]) { copyName(out, sizeof out, textAfter("defname1", random(10))); }

} // namespace

LevelRecord* levelRecord(int mode, int level) {
    if (mode < 0 || mode >= kModeCount || level < 0 || level >= kLevelCount) return nullptr;
    return &records[mode][level];
}

HighScoreRow* highScoreRow(int mode, int row) {
    if (mode < 0 || mode >= kModeCount || row < 0 || row >= kHighScoreRows) return nullptr;
    return &highScores[mode][row];
}

void makeDefaultRecords() {
    // Level files are named relative to the data directory.
    std::string previous = currentDirectory();
    setCurrentDirectory(dataDirectory());
    LevelLimits limits[kLevelCount];
    for (int j = 0; j < kLevelCount; ++j) limits[j] = readLevelLimits(j);
    setCurrentDirectory(previous);
    for (int mode = 0; mode < kModeCount; ++mode) {
        for (int j = 0; j < kLevelCount; ++j) {
            LevelRecord& r = records[mode][j];
            defaultHolder(r.scoreHolder);
            defaultHolder(r.comboHolder);
            defaultHolder(r.movesHolder);
            defaultHolder(r.timeHolder);
            r.bestScore = 0;
            r.bestCombo = 0;
            r.fewestMoves = limits[j].moves;
            r.shortestTime = static_cast<int32_t>(limits[j].seconds * 1000);
        }
    }
}

void makeDefaultHighScores() {
    for (int mode = 0; mode < kModeCount; ++mode) {
        for (int j = 0; j < kHighScoreRows; ++j) {
            copyName(highScores[mode][j].name, kHighScoreNameSize, textAfter("defname1", j));
            highScores[mode][j].score = (10 - j) * kHighScoreStep[mode];
        }
    }
}

void encodeRecords(uint8_t out[kRecordsFileSize]) {
    for (int mode = 0; mode < kModeCount; ++mode) {
        for (int j = 0; j < kLevelCount; ++j) {
            const LevelRecord& r = records[mode][j];
            uint8_t* p = out + (mode * kLevelCount + j) * kLevelRecordSize;
            putName(p + kScoreHolderAt, kRecordNameSize, r.scoreHolder);
            putName(p + kComboHolderAt, kRecordNameSize, r.comboHolder);
            putName(p + kMovesHolderAt, kRecordNameSize, r.movesHolder);
            putName(p + kTimeHolderAt, kRecordNameSize, r.timeHolder);
            putInt32(p + kBestScoreAt, r.bestScore);
            putInt32(p + kBestComboAt, r.bestCombo);
            putInt32(p + kFewestMovesAt, r.fewestMoves);
            putInt32(p + kShortestTimeAt, r.shortestTime);
        }
    }
}

void decodeRecords(const uint8_t* bytes, int size) {
    int complete = bytes ? size / kLevelRecordSize : 0;
    for (int k = 0; k < complete && k < kModeCount * kLevelCount; ++k) {
        LevelRecord& r = records[k / kLevelCount][k % kLevelCount];
        const uint8_t* p = bytes + k * kLevelRecordSize;
        getName(r.scoreHolder, kRecordNameSize, p + kScoreHolderAt, kRecordNameSize);
        getName(r.comboHolder, kRecordNameSize, p + kComboHolderAt, kRecordNameSize);
        getName(r.movesHolder, kRecordNameSize, p + kMovesHolderAt, kRecordNameSize);
        getName(r.timeHolder, kRecordNameSize, p + kTimeHolderAt, kRecordNameSize);
        r.bestScore = getInt32(p + kBestScoreAt);
        r.bestCombo = getInt32(p + kBestComboAt);
        r.fewestMoves = getInt32(p + kFewestMovesAt);
        r.shortestTime = getInt32(p + kShortestTimeAt);
    }
}

void encodeHighScores(uint8_t out[kHighScoreFileSize]) {
    for (int k = 0; k < kModeCount * kHighScoreRows; ++k) {
        const HighScoreRow& row = highScores[k / kHighScoreRows][k % kHighScoreRows];
        uint8_t* p = out + k * kHighScoreRowSize;
        putName(p, kHighScoreNameSize, row.name);
        putInt32(p + kHighScoreNameSize, row.score);
    }
}

void decodeHighScores(const uint8_t* bytes, int size) {
    int complete = bytes ? size / kHighScoreRowSize : 0;
    for (int k = 0; k < complete && k < kModeCount * kHighScoreRows; ++k) {
        HighScoreRow& row = highScores[k / kHighScoreRows][k % kHighScoreRows];
        const uint8_t* p = bytes + k * kHighScoreRowSize;
        getName(row.name, kHighScoreNameSize, p, kHighScoreNameSize);
        row.score = getInt32(p + kHighScoreNameSize);
    }
}

void readRecords() {
    std::vector<uint8_t> image(kRecordsFileSize);
    int size = 0;
    bool present = readPlayerFile(settingsPath("records.dat"), image.data(), kRecordsFileSize, &size);
    if (!present || size < kRecordsFileSize) makeDefaultRecords();
    if (present) decodeRecords(image.data(), size);

    uint8_t scores[kHighScoreFileSize];
    present = readPlayerFile(settingsPath("hiscore.dat"), scores, kHighScoreFileSize, &size);
    if (!present || size < kHighScoreFileSize) makeDefaultHighScores();
    if (present) decodeHighScores(scores, size);
}

void resetRecords() {
    std::memset(records, 0, sizeof records);
    std::memset(highScores, 0, sizeof highScores);
}

} // namespace aw

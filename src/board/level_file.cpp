#include "board/level_file.h"

#include "board/play_state.h"
#include "core/keys.h"
#include "core/random.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "resources/registry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace aw {
namespace {

constexpr const char* kLookNames[kKinds] = {
    "coins", "nugget", "perl", "perls", "rings2", "rings3", "sack", "scepter", "bracelet",
    "brooch1", "crown", "dagger", "goblet", "locket1", "pot", "rings1", "diamond",
};

std::string dataDirectory;
int backgroundTable[kLevelCount + 1] = {};

bool isCellCode(uint8_t c) { return (c >= '0' && c <= 'z') || c >= 0xC0 || c == '.'; }

LevelLayout::Code decodeCell(uint8_t c) {
    LevelLayout::Code code;
    auto letter = [&](int first, int bonus) {
        code.ground = 2;
        code.lock = 1;
        code.kind = c - first;
        code.bonus = bonus;
    };
    if (c == '.') code.ground = -1;
    else if (c == '0' || c == '1' || c == '2') code.ground = c - '0';
    else if (c >= 'A' && c <= 'O') letter('A', kNoBonus);
    else if (c >= 'Q' && c <= '_') letter('Q', kBomb);
    else if (c >= 'a' && c <= 'o') letter('a', kThunder);
    else if (c >= 'q' && c <= 'z') letter('q', kCrossBomb);
    else if (c >= 0xC0 && c <= 0xCE) letter(0xC0, kDiagonalBomb);
    else if (c >= 0xD0 && c <= 0xDE) letter(0xD0, kSuperBomb);
    // every other code is a plain cell
    return code;
}

bool emptyLineAt(std::string_view s, size_t i) {
    return i + 3 < s.size() && s[i] == '\r' && s[i + 1] == '\n' && s[i + 2] == '\r' && s[i + 3] == '\n';
}

} // namespace

int lookSlot(std::string_view name) {
    for (int k = 0; k < kKinds; ++k)
        if (name == kLookNames[k]) return k;
    return -1;
}

LevelLayout parseLevel(std::string_view text) {
    LevelLayout out;
    for (int k = 0; k < kKinds; ++k) out.displayTable[k] = k;

    int figures = keyInt(text, "figures=");
    if (figures <= 0) figures = 8;
    if (figures > kKinds) figures = kKinds;
    out.figureCount = figures;

    for (int i = 0; i < figures; ++i) {
        char key[16];
        std::snprintf(key, sizeof key, "figure%i=", i);
        auto value = findKeyValue(text, key);
        if (!value) continue;
        // A file saved with bare LF line ends would otherwise run the name
        // into the next line and never match.
        std::string_view name = value->substr(0, value->find('\n'));
        int slot = lookSlot(name);
        if (slot < 0) continue;
        out.displayTable[i] = slot;
        out.displayTable[slot] = i;
    }

    // Limits far beyond any level are pinned: the limit formulas scale them
    // by up to about 3.4 and keep the results in an int and in a saved game.
    float time = std::clamp(keyFloat(text, "time="), -kLevelTimeLimit, kLevelTimeLimit);
    out.timeSeconds = time == 0 ? 10 : time;
    int moves = std::clamp(keyInt(text, "moves="), -kLevelMovesLimit, kLevelMovesLimit);
    out.moves = moves == 0 ? 50 : moves;
    out.background = keyInt(text, "back=");

    size_t at = text.find("level=");
    if (at == std::string_view::npos) return out;
    size_t i = at + 6;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            if (i >= text.size() || emptyLineAt(text, i)) return out;
            while (i < text.size() && !isCellCode(uint8_t(text[i]))) ++i;
            if (i >= text.size()) return out;
            out.cells[r][c] = decodeCell(uint8_t(text[i]));
            ++i;
        }
    return out;
}

void applyLevel(const LevelLayout& layout, int levelIndex) {
    gs.figureCount = layout.figureCount;
    for (int k = 0; k < kKinds; ++k) gs.displayTable[k] = layout.displayTable[k];
    gs.baseTimeSeconds = layout.timeSeconds;
    gs.baseMoves = layout.moves;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            const auto& code = layout.cells[r][c];
            Cell& cell = board[r][c];
            cell.ground = code.ground;
            cell.lock = code.lock;
            cell.fig.kind = code.kind;
            cell.fig.bonus = code.bonus;
        }
    int back = layout.background;
    if (back == 0) back = random(16);
    if (levelIndex >= 0 && levelIndex <= kLevelCount) backgroundTable[levelIndex] = back;
}

void setLevelDataDirectory(const std::string& dir) {
    dataDirectory = dir;
    if (!dataDirectory.empty() && dataDirectory.back() != '/') dataDirectory += '/';
}

const std::string& levelDataDirectory() { return dataDirectory; }

std::string levelFileName(int levelIndex) {
    char name[32];
    std::snprintf(name, sizeof name, "pack1_%.2i.lvl", levelIndex + 1);
    return name;
}

void readLevelText(std::string_view text, int levelIndex) {
    for (int k = 0; k < kKinds; ++k) gs.displayTable[k] = k;
    applyLevel(parseLevel(text), levelIndex);
}

namespace {

// The level's text, read with "levels" current; false when it is nowhere
// (with required, that ends the program in the registry).
bool levelText(int levelIndex, bool required, std::string& text) {
    std::string back = dataDirectory.empty() ? currentDirectory() : dataDirectory;
    if (!back.empty() && back.back() != '/') back += '/';
    setCurrentDirectory(back + "levels");
    int size = 0;
    uint8_t* data = loadResource(levelFileName(levelIndex).c_str(), &size, required);
    text.assign(reinterpret_cast<const char*>(data), data ? size_t(size) : 0);
    if (data) releaseResource(data);
    setCurrentDirectory(back);
    return data != nullptr;
}

} // namespace

bool readLevel(int levelIndex) {
    std::string text;
    levelText(levelIndex, true, text);
    readLevelText(text, levelIndex);
    return true;
}

bool readLevelLayout(int levelIndex, LevelLayout& out) {
    std::string text;
    if (!levelText(levelIndex, false, text)) return false;
    out = parseLevel(text);
    return true;
}

bool readLevelFile(const std::string& path, int levelIndex) {
    std::vector<uint8_t> bytes;
    if (!readFile(path, bytes)) return false;
    readLevelText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), levelIndex);
    return true;
}

void scanLevels() {
    for (int i = 0; i < kLevelCount; ++i) readLevel(i);
}

int levelBackground(int levelIndex) {
    if (levelIndex < 0 || levelIndex > kLevelCount) return 0;
    return backgroundTable[levelIndex];
}

void applyLevelLimits() {
    int breakables = 0;
    for (auto& row : board)
        for (auto& cell : row) {
            if (cell.lock) ++breakables;
            if (cell.ground > 0) breakables += cell.ground;
        }
    gs.breakables = gs.breakablesAtStart = breakables;

    int index = playState.levelIndex;
    double n = index + 1;
    if (playState.mode != kAdventure) gs.timeLimit = float(breakables) * 7000.0f;
    else if (index == 0) gs.timeLimit = 300000;
    else if (index == 1) gs.timeLimit = 150000;
    else
        gs.timeLimit = float(gs.baseTimeSeconds * 1000.0 *
                             (0.9 + 110.0 / (32.0 * std::sqrt(n) - 5.5 * n + 0.08 * n * n)));

    if (playState.mode == kPuzzle) {
        if (index <= 1) gs.moveLimit = gs.baseMoves * 2;
        else gs.moveLimit = int(gs.baseMoves * (1.0 + 29.0 / (20.0 * std::sqrt(n) - 5.5 * n + 0.3 * n * n)));
    } else {
        gs.moveLimit = 150;
    }

    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            Cell& cell = board[r][c];
            if (cell.ground == 1) cell.outroDelay = 5000.0f + 100.0f * r - 50.0f * c;
            else if (cell.ground == 2) cell.outroDelay = 5500.0f - 100.0f * r + 50.0f * c;
        }
}

} // namespace aw

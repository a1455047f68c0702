// The saved-game codec: where every field lands, and which files it refuses.
#include "persistence/binary_fields.h"
#include "persistence/saved_game_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

using namespace aw;

namespace {

using Image = std::vector<uint8_t>;

// A record whose fields all differ from their defaults, so a field written to
// the wrong place or not at all shows up.
SavedGame sampleGame() {
    static SavedGame g; // large: keep it off the stack
    g = SavedGame{};
    g.debris[149] = Debris{5, {10, -20}, {0.5f, 0.7f}, 1};
    Blast& b = g.blasts[7];
    b = Blast{kSuperBomb, 10, 11, {351, -272}, 120, 9000.5f, 700, 1, {1, 1, 1, 1, 1, 1, 1, 1}};
    Cell& c = g.board[2][3];
    c.ground = 2, c.lock = 1, c.removal = 3, c.hit = 1, c.searchDistance = 4, c.groupId = 2;
    c.wobble = {1, 2}, c.launch = {3, 4}, c.points = 270, c.outroDelay = 5250;
    c.fig = Figure{{0, 54}, 16, 31, kThunder, kBomb, 2, 1.5f, 2000, 1, 1, 1, 100, 480};
    g.board[10][0].ground = -1;
    BoltSet& s = g.boltSets[15];
    s.count = 64, s.life = 800, s.bolts[63] = {{-243, 268}, 0xFF2A3B4Cu};
    g.shake = Shake{true, 40, {2.5f, 2.5f}};
    g.presentation = SavedPresentation{{0, 0, 0, 0.8f}, {1, 1, 1, {-314, -42}, -250, 77}, 2, -64};
    g.debrisRing = 149, g.blastRing = 8, g.boltRing = 15;
    g.displayedScore = 12000, g.score = 12500, g.scoreBase = 250000, g.chainCount = 2;
    g.breakables = -40, g.breakablesAtStart = 80, g.bestStreak = 6, g.sameKindStreak = 3;
    g.rapidClicks = 4, g.streakTrigger = 2, g.lastClickedKind = 7, g.movesUsed = 1234;
    g.mouse = {-100.5f, 33};
    g.paused = 1, g.overlayShown = 1, g.lostOnce = 1, g.mode = kPuzzle;
    g.animationClock = 123456, g.cooldown = -16, g.timeUsed = 5678.5f, g.timeLimit = 900000;
    g.pauseClock = 7000, g.hammerCharge = 0.5f, g.hammerTarget = 0.6f, g.warningClock = 150;
    return g;
}

Image encoded(const SavedGame& g) {
    Image image(kSavedGameFileSize, 0xEE); // a byte the writer leaves would show
    encodeSavedGame(g, image.data());
    return image;
}

float floatAt(const Image& image, int offset) {
    int32_t bits = getInt32(image.data() + offset);
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

void putFloatAt(Image& image, int offset, float f) {
    int32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    putInt32(image.data() + offset, bits);
}

constexpr int kBoardAt = 15600;
int cellAt(int r, int c, int field) { return kBoardAt + (r * 12 + c) * 116 + field; }

bool decodes(const Image& image, GameMode mode = kPuzzle, std::string* why = nullptr) {
    static SavedGame out;
    return decodeSavedGame(image.data(), image.size(), mode, out, why);
}

} // namespace

TEST(SavedGameFormat, FieldsLandAtTheirOffsetsAndReadBackUnchanged) {
    SavedGame g = sampleGame();
    Image image = encoded(g);

    // One field of each kind of block at its offset.
    EXPECT_EQ(getInt32(&image[149 * 60]), 5);                   // debris kind + 1
    EXPECT_EQ(floatAt(image, 149 * 60 + 8), -20.0f);            // its position.y
    EXPECT_EQ(getInt32(&image[9000 + 7 * 44 + 8]), 11);         // blast column
    EXPECT_EQ(image[9000 + 7 * 44 + 40], 1);                    // its last ray
    EXPECT_EQ(getInt32(&image[cellAt(2, 3, 16)]), 16);          // kind
    EXPECT_EQ(image[cellAt(2, 3, 46)], 1);                      // appear
    EXPECT_EQ(getInt32(&image[cellAt(2, 3, 76)]), 2);           // groupId
    EXPECT_EQ(floatAt(image, cellAt(2, 3, 112)), 5250.0f);      // outroDelay
    EXPECT_EQ(getInt32(&image[30912 + 15 * 1280 + 12]), 64);    // bolt count of the last set
    EXPECT_EQ(static_cast<uint32_t>(getInt32(&image[30912 + 15 * 1280 + 63 * 20 + 8])), 0xFF2A3B4Cu);
    EXPECT_EQ(floatAt(image, 51392 + 12), 0.8f);                // light level 4
    EXPECT_EQ(image[51416], 1);                                 // shake running
    EXPECT_EQ(getInt32(&image[51516]), 77);                     // bubble text
    const struct {
        int offset;
        int32_t value;
    } words[] = {{51408, 149}, {51412, 8},  {51520, 12000}, {51524, 12500}, {51528, 2}, {51540, 250000},
                 {51548, 15},  {51568, 4},  {51576, 7},     {51580, 1234},
                 // the reserved blocks
                 {51532, 0}, {51536, 0}, {51592, 0}, {51596, 0}, {51636, 0}, {51640, 0}};
    for (const auto& w : words) EXPECT_EQ(getInt32(&image[w.offset]), w.value) << w.offset;
    const struct {
        int offset;
        float value;
    } floats[] = {{51584, -100.5f}, {51608, 123456}, {51616, 5678.5f}, {51624, -64}, {51652, 150}};
    for (const auto& f : floats) EXPECT_EQ(floatAt(image, f.offset), f.value) << f.offset;
    EXPECT_EQ(image[51600], 1);
    EXPECT_EQ(image[51605], 0); // the reserved flag
    EXPECT_EQ(image[51607], kPuzzle);
    // Reserved parts of the records and padding are 0.
    for (int i = 0; i < 8; ++i) EXPECT_EQ(image[cellAt(2, 3, 64 + i)], 0);
    for (int i = 24; i < 60; ++i) EXPECT_EQ(image[149 * 60 + i], 0);

    SavedGame back;
    std::string why;
    ASSERT_TRUE(decodeSavedGame(image.data(), image.size(), kPuzzle, back, &why)) << why;
    EXPECT_EQ(encoded(back), image);
}

// Each case damages one field of a good file; the file must be refused and the
// reason must name the block. The edge values next to them must pass.
TEST(SavedGameFormat, RefusesEveryValueOutsideItsRangeAndNamesIt) {
    const Image good = encoded(sampleGame());
    ASSERT_TRUE(decodes(good));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Damage {
        const char* what;
        int offset;
        int32_t value;
        bool isFloat;
        float f;
        int block;
    };
    const Damage cases[] = {
        {"kind 17", cellAt(4, 4, 16), 17, false, 0, 3},
        {"kind -2", cellAt(4, 4, 16), -2, false, 0, 3},
        {"ground 3", cellAt(0, 0, 0), 3, false, 0, 3},
        {"ground -2", cellAt(0, 0, 0), -2, false, 0, 3},
        {"bonus 6", cellAt(1, 1, 24), 6, false, 0, 3},
        {"removal 2", cellAt(1, 1, 56), 2, false, 0, 3},
        {"lock 2", cellAt(1, 1, 4), 2, false, 0, 3},
        {"frame 32", cellAt(1, 1, 20), 32, false, 0, 3},
        {"cell reserved", cellAt(1, 1, 96), 1, false, 0, 3},
        {"offset NaN", cellAt(3, 3, 8), 0, true, nan, 3},
        {"offset far away", cellAt(3, 3, 12), 0, true, 1.0e7f, 3},
        {"debris kind 18", 0, 18, false, 0, 1},
        {"blast type 6", 9000, 6, false, 0, 2},
        {"blast row 11", 9000 + 4, 11, false, 0, 2},
        {"blast column -1", 9000 + 8, -1, false, 0, 2},
        {"blast elapsed infinite", 9000 + 20, 0, true, inf, 2},
        {"bolt count 65", 30912 + 12, 65, false, 0, 4},
        {"debris slot 150", 51408, 150, false, 0, 6},
        {"blast slot -1", 51412, -1, false, 0, 7},
        {"bolt set 16", 51548, 16, false, 0, 17},
        {"pointer 3", 51528, 3, false, 0, 12},
        {"reserved block", 51532, 1, false, 0, 13},
        {"negative score", 51524, -1, false, 0, 11},
        {"lastClickedKind 17", 51576, 17, false, 0, 24},
        {"timeUsed NaN", 51616, 0, true, nan, 38},
        {"timeLimit negative", 51620, 0, true, -1, 39},
        {"hammer infinite", 51644, 0, true, -inf, 45},
        {"bar offset out of its slide", 51624, 0, true, 10, 40},
    };
    for (const Damage& d : cases) {
        Image image = good;
        if (d.isFloat) putFloatAt(image, d.offset, d.f);
        else putInt32(&image[d.offset], d.value);
        std::string why;
        EXPECT_FALSE(decodes(image, kPuzzle, &why)) << d.what;
        EXPECT_EQ(why.rfind("block " + std::to_string(d.block) + " ", 0), 0u) << d.what << ": " << why;
    }
    // Single bytes: flags, the won level, the reserved flag and the mode.
    const struct {
        const char* what;
        int offset;
        uint8_t value;
    } bytes[] = {{"paused 2", 51600, 2},    {"level complete", 51602, 1}, {"levelEnded", 51603, 1},
                 {"reserved flag", 51605, 1}, {"cell hit 2", cellAt(0, 5, 60), 2}, {"refilling 3", cellAt(0, 5, 32), 3}};
    for (const auto& d : bytes) {
        Image image = good;
        image[d.offset] = d.value;
        EXPECT_FALSE(decodes(image)) << d.what;
    }
    std::string why;
    EXPECT_FALSE(decodes(good, kAdventure, &why)); // a puzzle file read for adventure
    EXPECT_NE(why.find("mode"), std::string::npos);

    // The extremes of each range are accepted.
    Image edges = good;
    putInt32(&edges[cellAt(4, 4, 16)], 16);
    putInt32(&edges[cellAt(4, 5, 16)], -1);
    putInt32(&edges[cellAt(0, 0, 0)], -1);
    putInt32(&edges[51408], 0);
    putInt32(&edges[51412], 149);
    putInt32(&edges[51576], -2);
    putFloatAt(edges, 51624, -128);
    EXPECT_TRUE(decodes(edges, kPuzzle, &why)) << why;
    // Padding carries nothing and is not checked.
    edges[cellAt(0, 0, 33)] = 0x5A;
    edges[9000 + 41] = 0x5A;
    EXPECT_TRUE(decodes(edges, kPuzzle, &why)) << why;
}

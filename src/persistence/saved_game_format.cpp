// [SECTION] block table
// [SECTION] field cursors
// [SECTION] records (debris, blasts, cells, bolt sets, shake, hint bubble)
// [SECTION] the file
#include "persistence/saved_game_format.h"

#include "persistence/binary_fields.h"

#include <cassert>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace aw {

// [SECTION] block table

namespace {

constexpr SavedGameBlock kBlocks[kSavedGameBlockCount] = {
    {0, 9000, "debris ring"},
    {9000, 6600, "blast queue"},
    {15600, 15312, "board"},
    {30912, 20480, "thunder bolt sets"},
    {51392, 16, "light levels"},
    {51408, 4, "next debris slot"},
    {51412, 4, "next blast slot"},
    {51416, 84, "board shake"},
    {51500, 20, "hint bubble"},
    {51520, 4, "displayedScore"},
    {51524, 4, "score"},
    {51528, 4, "pointer state"},
    {51532, 4, "reserved"},
    {51536, 4, "reserved"},
    {51540, 4, "score base"},
    {51544, 4, "chainCount"},
    {51548, 4, "next thunder bolt set"},
    {51552, 4, "breakables"},
    {51556, 4, "breakablesAtStart"},
    {51560, 4, "bestStreak"},
    {51564, 4, "sameKindStreak"},
    {51568, 4, "quick-click streak"},
    {51572, 4, "streakTrigger"},
    {51576, 4, "lastClickedKind"},
    {51580, 4, "movesUsed"},
    {51584, 8, "mouse position"},
    {51592, 8, "reserved"},
    {51600, 1, "paused"},
    {51601, 1, "overlay shown"},
    {51602, 1, "level complete"},
    {51603, 1, "levelEnded"},
    {51604, 1, "reserved"},
    {51605, 1, "reserved flag"},
    {51606, 1, "lost once"},
    {51607, 1, "mode"},
    {51608, 4, "blast clock"},
    {51612, 4, "cooldown"},
    {51616, 4, "timeUsed"},
    {51620, 4, "timeLimit"},
    {51624, 4, "HUD state"},
    {51628, 4, "pause clock"},
    {51632, 4, "outroTime"},
    {51636, 4, "reserved"},
    {51640, 4, "reserved"},
    {51644, 4, "hammerCharge"},
    {51648, 4, "hammerTarget"},
    {51652, 4, "warning clock"},
};

constexpr bool blocksTileTheFile() {
    int at = 0;
    for (const SavedGameBlock& b : kBlocks) {
        if (b.offset != at) return false;
        at += b.size;
    }
    return at == kSavedGameFileSize;
}
static_assert(blocksTileTheFile(), "the blocks must follow one another and fill the file");
static_assert(kDebrisCount * kSavedDebrisRecordSize == 9000);
static_assert(kBlastCount * kSavedBlastRecordSize == 6600);
static_assert(kCells * kSavedCellRecordSize == 15312);
static_assert(kBoltSets * kBoltsPerSet * kSavedBoltRecordSize == 20480);

// Ranges of the integer fields. Counters get bounds far beyond play but low
// enough that the rules' own arithmetic on them can never overflow.
constexpr int32_t kScoreLimit = 1000000000;
constexpr int32_t kCounterLimit = 1000000;
constexpr int32_t kCellPointsLimit = 1000000;

// [SECTION] field cursors

uint32_t getUint32(const uint8_t* p) { return static_cast<uint32_t>(getInt32(p)); }

float getFloat(const uint8_t* p) {
    uint32_t bits = getUint32(p);
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

void putFloat(uint8_t* p, float f) {
    uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    putInt32(p, static_cast<int32_t>(bits));
}

// Writes fields one after another; each block starts where the table says.
class FieldWriter {
public:
    explicit FieldWriter(uint8_t* out) : out_(out) {}
    void block(int n) {
        assert(at_ == size_t(kBlocks[n - 1].offset));
        (void)n;
    }
    void i32(int32_t v) { putInt32(take(4), v); }
    void u32(uint32_t v) { putInt32(take(4), static_cast<int32_t>(v)); }
    void f32(float v) { putFloat(take(4), v); }
    void vec2(Vec2 v) {
        f32(v.x);
        f32(v.y);
    }
    void u8(uint8_t v) { *take(1) = v; }
    void zeros(size_t n) { std::memset(take(n), 0, n); }
    size_t at() const { return at_; }

private:
    uint8_t* take(size_t n) {
        uint8_t* p = out_ + at_;
        at_ += n;
        return p;
    }
    uint8_t* out_;
    size_t at_ = 0;
};

// Reads fields one after another, checking each against its range. The first
// offence is kept (with the block and the byte offset) and everything after
// it is still read, so callers need no early exits.
class FieldReader {
public:
    FieldReader(const uint8_t* in, std::string* why) : in_(in), why_(why) {}
    void block(int n) {
        assert(at_ == size_t(kBlocks[n - 1].offset));
        block_ = n;
    }
    int32_t i32(int32_t lo, int32_t hi, const char* field) {
        size_t where = at_;
        int32_t v = getInt32(take(4));
        if (v < lo || v > hi) fail(where, field, "outside its range", double(v));
        return v;
    }
    uint32_t u32() { return getUint32(take(4)); }
    float f32(const char* field) {
        size_t where = at_;
        float v = getFloat(take(4));
        if (!std::isfinite(v)) fail(where, field, "not a finite number", 0, false);
        else if (std::fabs(v) > kSavedFloatLimit) fail(where, field, "too large", double(v));
        return std::isfinite(v) && std::fabs(v) <= kSavedFloatLimit ? v : 0.0f;
    }
    float f32In(float lo, float hi, const char* field) {
        size_t where = at_;
        float v = f32(field);
        if (v < lo || v > hi) fail(where, field, "outside its range", double(v));
        return v;
    }
    Vec2 vec2(const char* field) {
        float x = f32(field);
        float y = f32(field);
        return {x, y};
    }
    Vec2 vec2Within(float limit, const char* field) {
        float x = f32In(-limit, limit, field);
        float y = f32In(-limit, limit, field);
        return {x, y};
    }
    uint8_t u8(uint8_t hi, const char* field) {
        size_t where = at_;
        uint8_t v = *take(1);
        if (v > hi) fail(where, field, "outside its range", double(v));
        return v;
    }
    uint8_t flag(const char* field) { return u8(1, field); }
    // Reserved bytes must be 0: anything else is a file of another layout.
    void zeros(size_t n, const char* field) {
        size_t where = at_;
        const uint8_t* p = take(n);
        for (size_t i = 0; i < n; ++i)
            if (p[i] != 0) {
                fail(where + i, field, "is not 0", double(p[i]));
                return;
            }
    }
    // Alignment padding carries no meaning and is not checked.
    void padding(size_t n) { take(n); }
    void fail(size_t where, const char* field, const char* what, double value, bool showValue = true) {
        if (failed_) return;
        failed_ = true;
        if (!why_) return;
        char text[192];
        if (showValue)
            std::snprintf(text, sizeof text, "block %d (%s), byte %zu: %s %s (%g)", block_, kBlocks[block_ - 1].name,
                          where, field, what, value);
        else
            std::snprintf(text, sizeof text, "block %d (%s), byte %zu: %s %s", block_, kBlocks[block_ - 1].name, where,
                          field, what);
        *why_ = text;
    }
    bool failed() const { return failed_; }
    size_t at() const { return at_; }

private:
    const uint8_t* take(size_t n) {
        const uint8_t* p = in_ + at_;
        at_ += n;
        return p;
    }
    const uint8_t* in_;
    std::string* why_;
    size_t at_ = 0;
    int block_ = 1;
    bool failed_ = false;
};

// Figures and effects never stray further than this from their cell or the
// screen; a larger offset would keep a figure falling forever.
constexpr float kPositionLimit = 4000;

// [SECTION] records (debris, blasts, cells, bolt sets, shake, hint bubble)

// Debris (60 bytes): kind + 1 (0 a free record), position, velocity, type; the
// rest is reserved for the drawing side.
void writeDebris(FieldWriter& w, const Debris& d) {
    w.i32(d.kind);
    w.vec2(d.position);
    w.vec2(d.velocity);
    w.i32(d.type);
    w.zeros(kSavedDebrisRecordSize - 24);
}

void readDebris(FieldReader& r, Debris& d) {
    d.kind = r.i32(0, kKinds, "debris kind");
    d.position = r.vec2Within(kPositionLimit, "debris position");
    d.velocity = r.vec2Within(kPositionLimit, "debris velocity");
    d.type = r.i32(0, 15, "debris type");
    r.zeros(kSavedDebrisRecordSize - 24, "debris reserved bytes");
}

// Blast (44 bytes): the fields of the queue record in order, padded.
void writeBlast(FieldWriter& w, const Blast& b) {
    w.i32(b.type);
    w.i32(b.row);
    w.i32(b.column);
    w.vec2(b.position);
    w.f32(b.elapsed);
    w.f32(b.startAt);
    w.f32(b.duration);
    w.u8(b.started);
    for (uint8_t ray : b.rays) w.u8(ray);
    w.zeros(3);
}

void readBlast(FieldReader& r, Blast& b) {
    b.type = r.i32(0, kSuperBomb, "blast type");
    b.row = r.i32(0, kRows - 1, "blast row");
    b.column = r.i32(0, kColumns - 1, "blast column");
    b.position = r.vec2Within(kPositionLimit, "blast position");
    b.elapsed = r.f32("blast elapsed time");
    b.startAt = r.f32("blast start");
    b.duration = r.f32("blast duration");
    b.started = r.flag("blast started flag");
    for (uint8_t& ray : b.rays) ray = r.flag("blast ray flag");
    r.padding(3);
}

// Cell (116 bytes), the fields of the board record in order.
void writeCell(FieldWriter& w, const Cell& c) {
    w.i32(c.ground);
    w.i32(c.lock);
    w.vec2(c.fig.offset);
    w.i32(c.fig.kind);
    w.i32(c.fig.frame);
    w.i32(c.fig.bonus);
    w.i32(c.fig.nextBonus);
    w.u8(c.fig.refilling);
    w.zeros(3);
    w.f32(c.fig.fallSpeed);
    w.f32(c.fig.bonusGlow);
    w.u8(c.fig.diagonal);
    w.u8(c.fig.hovered);
    w.u8(c.fig.appear);
    w.zeros(1);
    w.f32(c.fig.highlight);
    w.f32(c.fig.animClock);
    w.i32(c.removal);
    w.u8(c.hit);
    w.zeros(3);
    w.zeros(8); // reserved
    w.i32(c.searchDistance);
    w.i32(c.groupId);
    w.vec2(c.wobble);
    w.vec2(c.launch);
    w.zeros(12); // reserved
    w.i32(c.points);
    w.f32(c.outroDelay);
}

void readCell(FieldReader& r, Cell& c) {
    c.ground = r.i32(-1, 2, "ground");
    c.lock = r.i32(0, 1, "lock");
    c.fig.offset = r.vec2Within(kPositionLimit, "figure offset");
    c.fig.kind = r.i32(-1, kKinds - 1, "kind");
    c.fig.frame = r.i32(0, 31, "animation frame");
    c.fig.bonus = r.i32(kNoBonus, kSuperBomb, "bonus");
    c.fig.nextBonus = r.i32(kNoBonus, kSuperBomb, "nextBonus");
    c.fig.refilling = r.u8(2, "refilling"); // 1 waiting, 2 re-coloured
    r.padding(3);
    c.fig.fallSpeed = r.f32("fallSpeed");
    c.fig.bonusGlow = r.f32("bonus glow");
    c.fig.diagonal = r.flag("diagonal");
    c.fig.hovered = r.flag("hovered");
    c.fig.appear = r.flag("appear");
    r.padding(1);
    c.fig.highlight = r.f32("highlight");
    c.fig.animClock = r.f32("animation clock");
    int32_t removal = r.i32(0, 3, "removal");
    if (removal == 2) r.fail(r.at() - 4, "removal", "outside its range", 2);
    c.removal = removal;
    c.hit = r.flag("hit");
    r.padding(3);
    r.zeros(8, "reserved cell bytes");
    c.searchDistance = r.i32(-1, kCells, "searchDistance");
    c.groupId = r.i32(-1, kCells, "groupId");
    c.wobble = r.vec2Within(kPositionLimit, "completion wobble");
    c.launch = r.vec2Within(kPositionLimit, "completion launch velocity");
    r.zeros(12, "reserved cell bytes");
    c.points = r.i32(0, kCellPointsLimit, "points");
    c.outroDelay = r.f32("outroDelay");
}

// Bolt set: 64 bolt records of 20 bytes (position, colour 0xAARRGGBB, then two
// words that in the first record hold the set's bolt count and remaining life
// and are 0 in the others).
void writeBoltSet(FieldWriter& w, const BoltSet& s) {
    for (int i = 0; i < kBoltsPerSet; ++i) {
        w.vec2(s.bolts[i].position);
        w.u32(s.bolts[i].color);
        if (i == 0) {
            w.i32(s.count);
            w.f32(s.life);
        } else {
            w.zeros(8);
        }
    }
}

void readBoltSet(FieldReader& r, BoltSet& s) {
    for (int i = 0; i < kBoltsPerSet; ++i) {
        s.bolts[i].position = r.vec2Within(kPositionLimit, "bolt position");
        s.bolts[i].color = r.u32();
        if (i == 0) {
            s.count = r.i32(0, kBoltsPerSet, "bolt count");
            s.life = r.f32("bolt life");
        } else {
            r.zeros(8, "reserved bolt bytes");
        }
    }
}

// Shake (84 bytes): running flag, time since it began, the drawn shift; the
// rest reserved.
void writeShake(FieldWriter& w, const Shake& s) {
    w.u8(s.active ? 1 : 0);
    w.zeros(3);
    w.f32(s.time);
    w.vec2(s.shift);
    w.zeros(kSavedShakeRecordSize - 16);
}

void readShake(FieldReader& r, Shake& s) {
    s.active = r.flag("shake running flag") != 0;
    r.padding(3);
    s.time = r.f32("shake time");
    s.shift = r.vec2Within(kPositionLimit, "shake shift");
    r.zeros(kSavedShakeRecordSize - 16, "reserved shake bytes");
}

// Hint bubble (20 bytes): visible, button and pointer flags, a reserved byte,
// anchor, start delay, text position.
void writeHintBubble(FieldWriter& w, const SavedHintBubble& h) {
    w.u8(h.visible);
    w.u8(h.hasButton);
    w.u8(h.hasPointer);
    w.zeros(1);
    w.vec2(h.anchor);
    w.f32(h.delay);
    w.i32(h.textIndex);
}

void readHintBubble(FieldReader& r, SavedHintBubble& h) {
    h.visible = r.flag("bubble visible flag");
    h.hasButton = r.flag("bubble button flag");
    h.hasPointer = r.flag("bubble pointer flag");
    r.zeros(1, "reserved bubble byte");
    h.anchor = r.vec2Within(kPositionLimit, "bubble anchor");
    h.delay = r.f32("bubble delay");
    h.textIndex = r.i32(-1, 1023, "bubble text position");
}

} // namespace

const SavedGameBlock& savedGameBlock(int n) {
    if (n < 1 || n > kSavedGameBlockCount) n = 1;
    return kBlocks[n - 1];
}

// [SECTION] the file

void encodeSavedGame(const SavedGame& g, uint8_t* out) {
    FieldWriter w(out);
    w.block(1);
    for (const Debris& d : g.debris) writeDebris(w, d);
    w.block(2);
    for (const Blast& b : g.blasts) writeBlast(w, b);
    w.block(3);
    for (const auto& row : g.board)
        for (const Cell& c : row) writeCell(w, c);
    w.block(4);
    for (const BoltSet& s : g.boltSets) writeBoltSet(w, s);
    w.block(5);
    for (float level : g.presentation.lightLevels) w.f32(level);
    w.block(6);
    w.i32(g.debrisRing);
    w.block(7);
    w.i32(g.blastRing);
    w.block(8);
    writeShake(w, g.shake);
    w.block(9);
    writeHintBubble(w, g.presentation.hintBubble);
    w.block(10);
    w.i32(g.displayedScore);
    w.i32(g.score);
    w.block(12);
    w.i32(g.presentation.pointerState);
    w.block(13);
    w.zeros(8);
    w.block(15);
    w.i32(g.scoreBase);
    w.i32(g.chainCount);
    w.i32(g.boltRing);
    w.i32(g.breakables);
    w.i32(g.breakablesAtStart);
    w.i32(g.bestStreak);
    w.i32(g.sameKindStreak);
    w.i32(g.rapidClicks);
    w.i32(g.streakTrigger);
    w.i32(g.lastClickedKind);
    w.i32(g.movesUsed);
    w.block(26);
    w.vec2(g.mouse);
    w.block(27);
    w.zeros(8);
    w.block(28);
    w.u8(g.paused);
    w.u8(g.overlayShown);
    w.u8(g.levelWon);
    w.u8(g.levelEnded);
    w.block(32);
    w.zeros(2); // the reserved byte and the reserved flag
    w.block(34);
    w.u8(g.lostOnce);
    w.u8(static_cast<uint8_t>(g.mode));
    w.block(36);
    w.f32(g.animationClock);
    w.f32(g.cooldown);
    w.f32(g.timeUsed);
    w.f32(g.timeLimit);
    w.f32(g.presentation.hudBarOffset);
    w.f32(g.pauseClock);
    w.f32(g.outroTime);
    w.block(43);
    w.zeros(8);
    w.block(45);
    w.f32(g.hammerCharge);
    w.f32(g.hammerTarget);
    w.f32(g.warningClock);
    assert(w.at() == size_t(kSavedGameFileSize));
}

bool decodeSavedGame(const uint8_t* bytes, size_t size, GameMode expectedMode, SavedGame& g, std::string* why) {
    if (!bytes || size != size_t(kSavedGameFileSize)) {
        if (why) {
            char text[96];
            std::snprintf(text, sizeof text, "the file holds %zu bytes instead of %d", bytes ? size : 0,
                          kSavedGameFileSize);
            *why = text;
        }
        return false;
    }
    FieldReader r(bytes, why);
    r.block(1);
    for (Debris& d : g.debris) readDebris(r, d);
    r.block(2);
    for (Blast& b : g.blasts) readBlast(r, b);
    r.block(3);
    for (auto& row : g.board)
        for (Cell& c : row) readCell(r, c);
    r.block(4);
    for (BoltSet& s : g.boltSets) readBoltSet(r, s);
    r.block(5);
    for (float& level : g.presentation.lightLevels) level = r.f32("light level");
    r.block(6);
    g.debrisRing = r.i32(0, kDebrisCount - 1, "slot");
    r.block(7);
    g.blastRing = r.i32(0, kBlastCount - 1, "slot");
    r.block(8);
    readShake(r, g.shake);
    r.block(9);
    readHintBubble(r, g.presentation.hintBubble);
    r.block(10);
    g.displayedScore = r.i32(0, kScoreLimit, "value");
    r.block(11);
    g.score = r.i32(0, kScoreLimit, "value");
    r.block(12);
    g.presentation.pointerState = r.i32(0, 2, "value");
    r.block(13);
    r.zeros(4, "value");
    r.block(14);
    r.zeros(4, "value");
    r.block(15);
    g.scoreBase = r.i32(0, kScoreLimit, "value");
    r.block(16);
    g.chainCount = r.i32(0, kCounterLimit, "value");
    r.block(17);
    g.boltRing = r.i32(0, kBoltSets - 1, "slot");
    r.block(18);
    g.breakables = r.i32(-kScoreLimit, kScoreLimit, "value");
    r.block(19);
    g.breakablesAtStart = r.i32(0, 3 * kCells, "value");
    r.block(20);
    g.bestStreak = r.i32(0, kCounterLimit, "value");
    r.block(21);
    g.sameKindStreak = r.i32(0, kCounterLimit, "value");
    r.block(22);
    g.rapidClicks = r.i32(0, kCounterLimit, "value");
    r.block(23);
    g.streakTrigger = r.i32(0, kCounterLimit, "value");
    r.block(24);
    g.lastClickedKind = r.i32(-2, kKinds - 1, "kind");
    r.block(25);
    g.movesUsed = r.i32(0, kCounterLimit, "value");
    r.block(26);
    g.mouse = r.vec2Within(kPositionLimit, "position");
    r.block(27);
    r.zeros(8, "value");
    r.block(28);
    g.paused = r.flag("flag");
    r.block(29);
    g.overlayShown = r.flag("flag");
    // A won level is never saved; a file that says otherwise would skip it.
    r.block(30);
    g.levelWon = r.u8(0, "flag");
    r.block(31);
    g.levelEnded = r.u8(0, "flag");
    r.block(32);
    r.zeros(1, "value");
    r.block(33);
    r.zeros(1, "flag");
    r.block(34);
    g.lostOnce = r.flag("flag");
    r.block(35);
    uint8_t mode = r.u8(255, "mode");
    if (mode != static_cast<uint8_t>(expectedMode)) r.fail(r.at() - 1, "mode", "is not this file's mode", mode);
    g.mode = expectedMode;
    r.block(36);
    g.animationClock = r.f32("value");
    r.block(37);
    g.cooldown = r.f32("value");
    r.block(38);
    g.timeUsed = r.f32("value");
    r.block(39);
    g.timeLimit = r.f32In(0, kSavedFloatLimit, "value");
    r.block(40);
    g.presentation.hudBarOffset = r.f32In(-128, 0, "bar offset");
    r.block(41);
    g.pauseClock = r.f32("value");
    r.block(42);
    g.outroTime = r.f32("value");
    r.block(43);
    r.zeros(4, "value");
    r.block(44);
    r.zeros(4, "value");
    r.block(45);
    g.hammerCharge = r.f32("value");
    r.block(46);
    g.hammerTarget = r.f32("value");
    r.block(47);
    g.warningClock = r.f32("value");
    assert(r.at() == size_t(kSavedGameFileSize));
    return !r.failed();
}

} // namespace aw

// The large texts over the board: timed messages that grow in, wobble and
// shrink away in a pulsing warm colour, and letter bursts whose letters pop
// in one after another. Callers pass texts already looked up by key.
//
// Lifetime: both rings live for the run and simply wrap; clearLetters()
// empties the letters (level start, restart, leaving a level);
// resetAnnouncements() empties both (tests).
#pragma once

namespace aw {

constexpr int kMessageCount = 16;
constexpr int kMessageTextSize = 128;
constexpr int kLetterCount = 256;

struct MessageRecord {
    char text[kMessageTextSize] = {};
    float width = 0, size = 0;
    float life = 0; // 2000 when shown, active while > 0
    float x = 0, y = 0;
    float rate = 0; // 2000 / duration
};

struct LetterRecord {
    unsigned char character = 0;
    float x = 0, y = 0, size = 0;
    float life = 0; // 6000 + 40 per letter before it; shown once at or below 6000
};

// Ignored when durationMs <= 0; a text longer than 127 bytes is cut.
void showMessage(const char* text, float x, float y, float size, float durationMs);
void showLetters(const char* text, float x, float y, float size);
void clearLetters();
// Letters, then messages; every life runs down by dt. Leaves the text colour white.
void drawAnnouncements(float dt, float animationTimeMs);

// How a message of life L looks: its size factor and alpha.
struct MessageLook {
    float factor = 0;
    int alpha = 0;
};
MessageLook messageLook(float life);
// How a letter of life L looks: scale k (s squared), alpha and lift; false while it waits.
struct LetterLook {
    float scale = 0;
    int alpha = 0;
    float lift = 0;
};
bool letterLook(float life, LetterLook& out);

const MessageRecord& messageAt(int i);
const LetterRecord& letterAt(int i);
void resetAnnouncements();

} // namespace aw

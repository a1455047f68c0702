// Where each trophy stands in the room: "trophy.cfg" in the trophy
// directory, shared by every profile. 17 records of 92 bytes in number
// order; the room uses the size, the place, the scale and the hovered mark
// (set every frame in memory), and every other byte, the mark's included, is
// kept so the file is written back as it was loaded.
// Coordinates are the centred, y-up 800 x 600 screen; a place is the centre
// of the drawn picture, which is width x height times scale.
//
// Lifetime: loaded once at start-up, lives for the run; the hovered marks
// are rewritten by the room every frame. resetTrophyLayout() empties it.
#pragma once
#include "core/rect.h"
#include "persistence/trophy_file.h"

#include <cstdint>
#include <string>

namespace aw {

constexpr int kTrophyLayoutRecordSize = 92;
constexpr int kTrophyLayoutFileSize = kTrophyCount * kTrophyLayoutRecordSize; // 1564
constexpr int kLayoutWidthAt = 0, kLayoutHeightAt = 4, kLayoutXAt = 8, kLayoutYAt = 12, kLayoutScaleAt = 20,
              kLayoutHoveredAt = 88;
constexpr char kTrophyLayoutFile[] = "trophy.cfg";

struct TrophyPlace {
    float width = 0, height = 0;
    float x = 0, y = 0;
    float scale = 1;
    uint8_t hovered = 0;
    uint8_t record[kTrophyLayoutRecordSize] = {}; // the record as read, for writing back
};

struct TrophyLayout {
    TrophyPlace places[kTrophyCount]; // index = number - 1
    bool fromFile = false;            // false: the built default
};

TrophyLayout& trophyLayout();
// The place of trophy number (1..17); trophy 1 for a number out of range.
TrophyPlace& trophyPlace(int number);
// The rectangle the trophy's picture covers.
Rect trophyRect(const TrophyPlace& place);

// The layout of a file image; false (out unchanged) for an image that is not
// exactly 1564 bytes or holds a size, place or scale that is not finite.
bool decodeTrophyLayout(const uint8_t* bytes, int size, TrophyLayout& out);
void encodeTrophyLayout(const TrophyLayout& layout, uint8_t out[kTrophyLayoutFileSize]);
// Trophy i (0-based) at (44.705883 i - 380, 280 - 32.941177 i), at the size
// of its picture (width and height per trophy, index = number - 1), scale 1.
void buildDefaultTrophyLayout(TrophyLayout& out, const int widths[kTrophyCount], const int heights[kTrophyCount]);

// Reads "trophy.cfg" from the current directory (the trophy directory) and
// remembers where it stands; a missing or unsound file gives the default
// layout from the picture sizes.
void loadTrophyLayout(const int widths[kTrophyCount], const int heights[kTrophyCount]);
// Writes the layout back where it was read. Data directories are often not
// writable; the bytes there already hold the layout, so a refused write is
// no loss and not an error. True when the file was written.
bool writeTrophyLayout();
const std::string& trophyLayoutPath();

void resetTrophyLayout();

} // namespace aw

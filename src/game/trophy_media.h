// What the trophy room draws with: the picture and glow of each trophy named
// by "trophy.txt" and the exit sign. The two 128 x 128 render targets
// "masktex1" and "masktex2" are made with them, as the room's data asks;
// the room's drawing needs neither today.
//
// Lifetime: loaded once by the start-up load, kept for the run.
// resetTrophyMedia() forgets the records (tests).
#pragma once
#include "persistence/trophy_file.h"

namespace aw {

struct TextureRecord;

constexpr int kTrophyNameSize = 64;
constexpr int kMaskTextureSize = 128;

struct TrophyMedia {
    char pictureName[kTrophyCount][kTrophyNameSize] = {};
    char glowName[kTrophyCount][kTrophyNameSize] = {};
    TextureRecord* picture[kTrophyCount] = {};
    TextureRecord* glow[kTrophyCount] = {};
    TextureRecord* exitSign = nullptr;
    TextureRecord* mask[2] = {};
};

const TrophyMedia& trophyMedia();

// Reads the names from a "trophy.txt" image: "trophy%i=" and "trophylum%i="
// for i = 1..17, each value running to the end of its line. False when a
// name is missing or empty (the names read so far are kept).
bool parseTrophyList(const char* text, int size, TrophyMedia& out);

// The start-up step: "trophy.txt" (required), its 34 pictures from the
// trophy directory (required), the exit sign and the render targets, then
// the room's layout (loaded with the trophy directory current). Ends with
// the loading error when a name is missing.
void loadTrophies();

void resetTrophyMedia();

} // namespace aw

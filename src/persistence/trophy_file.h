// The current profile's trophy pairs, stored in "%s.trp" (34 bytes: for each
// of the 17 trophies in identifier order, a "new" byte then an "earned"
// byte). The trophy rules live elsewhere; this is only the record and its file.
//
// Lifetime: replaced whenever a profile is selected or created.
#pragma once
#include <cstdint>

namespace aw {

constexpr int kTrophyCount = 17;
constexpr int kTrophyFileSize = 2 * kTrophyCount;

struct TrophyState {
    uint8_t isNew[kTrophyCount];  // 1 while the presentation in the room is pending
    uint8_t earned[kTrophyCount]; // 1 once earned
};

TrophyState& trophyState();
// Clears all 17 pairs.
void resetTrophyState();

// Reads the profile's trophy file; a missing file clears every pair. The
// file is trusted only as far as it is sound: pairs are taken in order up to
// the first that is cut short or holds a byte other than 0 and 1, and every
// pair from there on is cleared; bytes beyond the 34 are ignored.
void readProfileTrophies(const char* profileName);
// Writes the trophy file; "Writing Error" when it cannot be written.
void writeProfileTrophies(const char* profileName);

void encodeTrophies(const TrophyState& t, uint8_t out[kTrophyFileSize]);
// The decoding rule of readProfileTrophies; returns the pairs taken. A pair
// marked new but not earned is taken with new cleared: nothing unearned is
// ever presented.
int decodeTrophies(const uint8_t* bytes, int size, TrophyState& t);

} // namespace aw

// The text table: every text the player sees, looked up by a short key.
// Filled at the start-up load from "strings.txt" then "tips.txt" (so the
// first file shadows the second), lives for the run. Consecutive entries
// form numbered lists read with textAfter.
#pragma once

namespace aw {

constexpr int kMaxTexts = 1024;
constexpr int kTextKeySize = 20; // 19 bytes and the NUL

// Parses a text file (required: "Loading Error" when missing) and appends
// its entries; the file block is released afterwards. Entries beyond
// kMaxTexts and keys longer than 19 bytes are skipped.
void loadTextFile(const char* name);
// Parses text already in memory; the last byte plays the role of the file's
// last byte, which the parser never reads as text.
void parseTextBlock(const char* bytes, int size);

// The first entry with exactly this key (case-sensitive); null when none.
const char* lookupText(const char* key);
// Position of the first entry with this key; 0 when there is none.
int textIndex(const char* key);
// Null when index is out of range or the texts were freed.
const char* textAt(int index);
// textAt(textIndex(key) + n): numbered lists such as "defname1" onwards.
const char* textAfter(const char* key, int n);
int textCount();
// Key of the entry at index (empty when out of range).
const char* textKeyAt(int index);

// Frees every text at shutdown; the count stays, lookups then yield null.
void freeTextTable();
// Frees the texts and empties the table (tests).
void resetTextTable();

} // namespace aw

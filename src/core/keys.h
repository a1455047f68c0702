// Key lookup in the game's data texts (levels, effects, models, trophies,
// menus): a key is found by substring search from the start of the text and
// the first occurrence wins, so "rot=" also matches inside "drot=". A value
// runs from the end of the key to the next CR (or the end of the text).
#pragma once
#include "core/vec.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace aw {

// The value text of the first occurrence of key; nullopt when absent.
std::optional<std::string_view> findKeyValue(std::string_view text, std::string_view key);

// Decimal float (locale-independent) at the start of s after blanks, atof
// style: the longest valid prefix, 0 when there is none.
float parseFloatPrefix(std::string_view s, size_t* consumed = nullptr);

// 0 when the key is missing or its value is empty.
float keyFloat(std::string_view text, std::string_view key);
// The integer part of keyFloat.
int keyInt(std::string_view text, std::string_view key);
// "(x,y,z)"; false, leaving out unchanged, when the key or the parentheses are missing.
bool keyVec3(std::string_view text, std::string_view key, Vec3& out);
// "(a,b,...)" or "{a,b,...}": stores up to maxCount values and returns how
// many; returns -1 and leaves out unchanged when the key or a closing mark is missing.
int keyFloatList(std::string_view text, std::string_view key, float* out, int maxCount);
// Copies the value (up to CR) into out, cut to cap - 1 bytes and always
// NUL-terminated; returns the copied length, 0 when the key is missing.
size_t keyString(std::string_view text, std::string_view key, char* out, size_t cap);

} // namespace aw

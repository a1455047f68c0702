// A text-table reader written from the file rules: line entries "key=value"
// ended by two bytes below 0x20, block entries "[key/]text[...]", the file's
// last byte overwritten by NUL before parsing.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace awtest {

using TextEntries = std::vector<std::pair<std::string, std::string>>;

TextEntries parseTextTable(std::string file);

// The index of the first entry with that key, or -1.
int findKey(const TextEntries& entries, const std::string& key);

} // namespace awtest

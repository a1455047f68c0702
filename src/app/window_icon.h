// The game's identity on the desktop: its application id (the name of its
// desktop entry and icons) and the icon the window carries.
#pragma once

namespace aw {

extern const char* const kAppId;
// After the window is open.
void applyWindowIcon();

} // namespace aw

// The game's icon outside the data set: PNGs for the desktop's icon theme and
// the window icon compiled into the executable, all from icon.svg.
#pragma once

#include <string>

namespace art {

// Writes OUTDIR/hicolor/<n>x<n>/apps/<appId>.png for every theme size and
// OUTDIR/window_icon.inc (a C++ array of the 64 x 64 RGBA window icon).
bool writeIcons(const std::string& outDir, const std::string& appId);

}  // namespace art

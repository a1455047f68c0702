// The start-up load: everything the game reads once, between two frames of
// the splash, which redraws its load bar after every file.
#pragma once

namespace aw {

void runStartupLoad();

} // namespace aw

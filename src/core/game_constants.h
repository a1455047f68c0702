// Sizes of the game that several subsystems share.
#pragma once

namespace aw {

constexpr int kLevelCount = 129; // levels 0..128 in every mode
constexpr int kModeCount = 3;    // adventure, timeless, puzzle

} // namespace aw

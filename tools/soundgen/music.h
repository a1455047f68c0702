// The game's music: one module with a tune at each song position the game
// starts (0, 17, 31, 47, 72, 89, 92). Each tune's last pattern jumps back to
// its own first order, so a tune plays on until the game changes it.
#pragma once
#include "soundgen/xm_writer.h"

#include <cstdint>
#include <vector>

namespace soundgen {

struct TuneSection {
    int firstOrder;
    int orderCount;
};
// The seven tunes in song order; the last one runs to the end of the module.
const std::vector<TuneSection>& tuneSections();

XmModule composeMusic();

} // namespace soundgen

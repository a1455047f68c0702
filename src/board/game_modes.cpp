#include "board/game_modes.h"

#include "core/game_constants.h"

#include <cstring>

namespace aw {
namespace {

const ModeInfo kModes[kModeCount] = {
    {"adventure", "classicmode", "loadclassicmode", "%s_cls.sav", "lostlifetime"},
    {"timeless", "endlessmode", "loadendlessmode", "%s_ndl.sav", nullptr},
    {"puzzle", "puzzlemode", "loadpuzzlemode", "%s_org.sav", "lostlifemoves"},
};

} // namespace

const ModeInfo& modeInfo(int mode) { return kModes[mode >= 0 && mode < kModeCount ? mode : 0]; }

int modeFromKey(const char* name) {
    if (!name) return -1;
    for (int m = 0; m < kModeCount; ++m)
        if (std::strcmp(kModes[m].key, name) == 0) return m;
    return -1;
}

} // namespace aw

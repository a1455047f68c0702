// The floor of the start-up load: the files it reads, read and decoded with
// the same libraries in a tight loop, and nothing else (no registry, no
// scene, no load screen). Keep it in step with runStartupLoad().
#pragma once
#include <string>

namespace aw {

struct LoadFloorResult {
    int files = 0;
    long long bytes = 0;
};

// dataDir ends in '/'; the mixer must run (audioInit or audioInitOffline).
LoadFloorResult readStartupFilesTight(const std::string& dataDir);

} // namespace aw

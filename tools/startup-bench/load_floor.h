// The floor of the start-up load: the files it reads, read again and decoded
// with the same libraries in a tight loop, and nothing else (no registry, no
// scene, no textures, no load screen). What the load reads is recorded from
// a real load, so the floor follows the load as the data set grows.
#pragma once
#include <string>

namespace aw {

struct LoadFloorResult {
    int files = 0;
    long long bytes = 0;
};

// Between start and stop, every file read and every picture decoded is noted.
void startRecordingLoad();
void stopRecordingLoad();
// Reads the recorded files again (sounds and music into the mixer, which
// must run: audioInit or audioInitOffline) and decodes the recorded pictures.
LoadFloorResult replayLoadTight();

} // namespace aw

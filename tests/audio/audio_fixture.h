// Shared helpers: temporary sound folders, test tones, offline mixing and
// simple measurements of what the mixer produced.
#pragma once
#include "audio/sound_system.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace audiotest {

// A fresh directory under /tmp, removed with everything in it.
struct TempDir {
    std::string path;
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
};

// A mono sine at 44100 Hz, with short fades, encoded as Ogg Vorbis.
std::vector<uint8_t> toneOgg(float hz, float seconds, float amplitude = 0.5f);
void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// Mixes frames of stereo output through the real mixer.
std::vector<float> render(int frames);
// RMS of one channel (0 left, 1 right) of interleaved stereo.
double rms(const std::vector<float>& stereo, int channel = 0);
// Frequency from the rising zero crossings of the left channel.
double frequencyOf(const std::vector<float>& stereo);

// The name of the sample a request will play ("" when none).
std::string requestedName(const aw::SoundRequest& request);
// Requests waiting to start, in ring order from entry 0.
std::vector<const aw::SoundRequest*> pendingRequests();

// Runs the generator once per test run; the folder with "Sounds" and
// "music.mo3" lives until the program ends.
const std::string& generatedData();
// Output of a shell command; its exit status in status.
std::string runCommand(const std::string& command, int& status);

// The sound system on the offline mixer: the test drives the output itself.
class OfflineSound : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace audiotest

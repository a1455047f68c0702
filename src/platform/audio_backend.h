// The audio layer: one SDL output device at 44100 Hz stereo, mixed by our own
// mixer on the device's callback thread. Samples are Ogg Vorbis files decoded
// whole at load; music is one looping tracker module played by libopenmpt.
//
// Every call from the game thread only takes the mixer's lock around a few
// assignments: the callback picks the changes up at the start of its next
// block, so nothing here waits for mixing or decoding to finish.
#pragma once
#include <cstddef>
#include <cstdint>

namespace aw {

constexpr int kAudioRate = 44100;
// Voices mixed at once; a start beyond that replaces the oldest voice.
constexpr int kAudioVoices = 64;

using AudioSample = uint32_t;  // 0: no sample
using AudioChannel = uint32_t; // 0: no channel

// Opens the default output device and starts output; false (sound off, every
// later call harmless) when there is no device. True at once when the mixer
// already runs, offline included.
bool audioInit();
// The mixer without a device: audioRender is then driven by the caller
// (tests, offline rendering).
void audioInitOffline();
bool audioInitialised();
// Resumes and pauses all output; while paused the output is silent and no
// voice or music advances.
void audioStart();
void audioPause();
bool audioPaused();
// Closes the device and frees every sample and the music.
void audioFree();

// Decodes an Ogg Vorbis file held in memory. At most maxPlaybacks voices of the
// sample play at once. 0 when the data is not a readable Vorbis stream.
AudioSample audioSampleLoad(const uint8_t* data, size_t size, int maxPlaybacks);
// The sample's own rate in Hz (0 for an unknown sample).
int audioSampleRate(AudioSample sample);
// Starts a sample at a playback rate in Hz (<= 0: the sample's own rate), at
// volume 0..1 (negative: full), centred, optionally looping. 0 when refused:
// unknown sample or its playback limit reached.
AudioChannel audioSamplePlay(AudioSample sample, int frequency, float volume, bool loop);
bool audioChannelIsActive(AudioChannel channel);
void audioChannelStop(AudioChannel channel);

// Loads a tracker module of any type libopenmpt reads (the format comes from
// the content). It loops forever once started. False when unreadable.
bool audioMusicLoad(const uint8_t* data, size_t size);
bool audioMusicLoaded();
// 0..100; 50 is the module's own level.
void audioMusicSetAmplify(int amplify);
// 0..100.
void audioMusicSetVolume(int volume);
// Starts the music at a song position (order), cutting what played before.
void audioMusicPlay(int order);
// The order being played as of the last mixed block (-1 before the music
// starts) and the module's number of orders.
int audioMusicOrder();
int audioMusicOrderCount();

// Global music and effect volumes, 0..100; a negative value leaves one alone.
void audioSetGlobalVolumes(int music, int effects);

// Mixes the next frames of output (interleaved stereo, clipped to -1..1). The
// device callback calls it; tests call it directly after audioInitOffline.
void audioRender(float* stereo, int frames);

} // namespace aw

// The sound system: effects played by file name and one module of music whose
// song positions are the game's tunes. Game code queues effects at any moment;
// updateSound starts them once per tick. It knows nothing of the board or the
// game: callers say what to play, never why.
#pragma once
#include "core/vec.h"
#include "platform/audio_backend.h"

#include <cstdint>
#include <functional>
#include <string>

namespace aw {

constexpr int kMaxSounds = 256;
constexpr int kSoundNameMax = 31; // characters, without the terminating zero
constexpr int kSoundRequests = 256;
constexpr int kTuneFadeMs = 800;
constexpr float kRetriggerGuardMs = 5.f;
// The music's share of the start-up progress, whatever the file's size.
constexpr long long kMusicProgressBytes = 1104189;
constexpr int kMusicAmplify = 60;
constexpr int kMaxSamplePlaybacks = 255;
constexpr int kDefaultMusicVolume = 100;
constexpr int kDefaultEffectsVolume = 80;

// One loaded sound file. Lives for the run.
struct SoundSample {
    AudioSample handle = 0; // 0 when the file could not be decoded
    char name[kSoundNameMax + 1] = {};
    float retriggerGuard = 0; // ms left in which a new request is dropped
};

enum RequestState { kRequestIdle = 0, kRequestPlaying = 1, kRequestPending = -1 };

// One entry of the request ring, used cyclically.
struct SoundRequest {
    int state = kRequestIdle;
    AudioChannel channel = 0;
    AudioSample sample = 0;
    Vec3 position{0, 0, 0};
    bool loop = false;
    int frequency = kAudioRate;
    float volume = -1; // negative: the sample's full volume
};

// The music's song positions and its change-tune fade.
struct MusicState {
    bool loaded = false;
    int currentPosition = -1;
    int targetPosition = -1; // -1: no tune yet, so the first start always plays
    float fadeCountdown = 0; // ms
};

// Everything the sound system holds. Lives for the run; resetSound wipes it.
struct SoundState {
    bool started = false;
    SoundSample samples[kMaxSounds];
    int sampleCount = 0;
    SoundRequest requests[kSoundRequests];
    int writeIndex = 0;
    MusicState music;
    int musicVolume = kDefaultMusicVolume;
    int effectsVolume = kDefaultEffectsVolume;
};
const SoundState& soundState();

// Opens the audio device, clears the request ring and applies the volumes.
// False leaves the game silent; every later call still works and does nothing
// audible.
bool startSound();
// Loads every "*.ogg" of dataDir's "Sounds" folder in sorted order (at most
// kMaxSounds), then dataDir's "music.mo3". progress receives each file's size
// and kMusicProgressBytes for the music.
using LoadProgress = std::function<void(long long bytes)>;
void loadSounds(const std::string& dataDir, const LoadProgress& progress);

// Queue an effect at 44100 Hz, at a chosen rate, or at a volume 0..1. Names are
// file names matched exactly; an unknown name does nothing.
void playEffect(const char* name);
void playEffectAt(const char* name, int frequency);
void playEffectVolume(const char* name, float volume);
// Every parameter: rate in Hz, volume 0..1 (negative: full), looping. A looping
// request keeps its ring entry until shutdown; the write index passes over it.
void playEffectEx(const char* name, int frequency, float volume, bool loop);

// Music and effects volumes, 0..100; stored and applied to the output.
void applyVolumes(int musicVolume, int effectsVolume);

// Song position of a tune number (unknown tunes play position 0).
int tunePosition(int tune);
// Fades the current tune out over 800 ms and then starts the tune.
void changeTune(int tune);
// Starts a tune at full volume without a fade.
void startTuneAtOnce(int tune);

// Once per logic tick: starts queued effects, notices finished ones, runs the fade.
void updateSound(float dtMs);

// Window deactivated / activated again.
void suspendSound();
void resumeSound();
// At exit; also what tests call between cases (with resetSound).
void shutdownSound();
// Shuts down and wipes every record, volumes back to their defaults.
void resetSound();

} // namespace aw

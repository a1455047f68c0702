// Particle effect definitions: one per ".par" text in the directory
// "effects", named by its file name up to the first ".". The table is filled
// once at start-up and lives for the run; resetParticleDefinitions() empties
// it (tests).
#pragma once
#include "core/color.h"
#include "core/vec.h"

#include <string_view>

namespace aw {

constexpr int kMaxEffectDefinitions = 256;
constexpr int kEffectNameSize = 32; // 31 characters and the NUL
constexpr int kExternalEffectCount = 8;
// Copies per spawn pass and per drawn particle beyond these would only
// overwrite the pools they fill, so the values are pinned when read.
constexpr int kMaxSymmetry = 1024;
constexpr int kMaxDrawnCopies = 4096;

struct ParticleDefinition {
    char name[kEffectNameSize] = {};
    char external[kExternalEffectCount][kEffectNameSize] = {};
    float frequency = 0; // emitter: particles per second; burst: spawn passes
    Color4f color0{1, 1, 1, 1}, color0Dev{0, 0, 0, 0};
    Color4f color1{0, 0, 0, 0}, color1Dev{0, 0, 0, 0};
    float radius0 = 0, radius0Dev = 0, radius1 = 0, radius1Dev = 0; // full quad widths
    float life = 0, lifeDev = 0;                                     // ms
    Vec3 positionDev, speed, speedDev;                               // units, units per second
    float gravity = 0, gravityDev = 0;                               // units per second squared
    int blendType = 0;                                               // 0 additive, 1 alpha blended
    int cell = 0;                                                    // atlas cell
    float rot = 0, rotDev = 0, spin = 0, spinDev = 0;                // degrees, degrees per second
    float effectTime = 0;                                            // ms; 0 makes a burst
    float orbit[4] = {}, orbitDev[4] = {};       // radius, growth/s, angle, degrees/s
    float swingX[3] = {}, swingY[3] = {};        // amplitude, rate, phase
    int symmetry = 0;                            // copies per spawn pass (0 = one)
    int copies = 0;                              // copies drawn per particle (below 1 = one)
    float emitterOrbit[4] = {}, emitterOrbitDev[4] = {};
    float emitterSwingX[3] = {}, emitterSwingY[3] = {};
    float sleep = 0; // kept with the definition; nothing uses it
    bool missingRequired = false; // "positiondev=", "speed=" or "speeddev=" was absent
};

// Pure: the definition a file text describes. name is the file name; it is
// cut at its first "." and to 31 characters. Keys that are missing keep their
// defaults; values are read as far as they are valid.
ParticleDefinition parseParticleDefinition(std::string_view text, std::string_view fileName);

// Reads every "*.par" file of dataDirectory + "effects" in listing order, at
// most 256 (the rest are skipped). A listed file that cannot be read ends the
// program with the loading error.
void loadParticleDefinitions(const char* dataDirectory);
// Appends a definition made elsewhere (tests, tools); -1 when the table is full.
int addParticleDefinition(const ParticleDefinition& def);
// Index of the first definition with exactly this name; -1 when none.
int findEffect(const char* name);
const ParticleDefinition* particleDefinition(int index);
int particleDefinitionCount();
void resetParticleDefinitions();

} // namespace aw

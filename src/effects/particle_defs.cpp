// [SECTION] key table
// [SECTION] parsing
// [SECTION] the definition table
#include "effects/particle_defs.h"

#include "core/keys.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "resources/registry.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

namespace aw {
namespace {

// [SECTION] key table

enum class KeyKind { Float, Int, Vector, List3, List4 };

struct KeyRow {
    const char* key;
    KeyKind kind;
    size_t offset;
};

#define AW_FIELD(field) offsetof(ParticleDefinition, field)

// One row per key. Order matters only for the reader of the files: the
// search finds the first occurrence anywhere, so "rot=" also matches the end
// of "drot=" and the files write "rot=" first.
constexpr KeyRow kKeys[] = {
    {"parfrequency=", KeyKind::Float, AW_FIELD(frequency)},
    {"color0=", KeyKind::List4, AW_FIELD(color0)},
    {"color0dev=", KeyKind::List4, AW_FIELD(color0Dev)},
    {"color1=", KeyKind::List4, AW_FIELD(color1)},
    {"color1dev=", KeyKind::List4, AW_FIELD(color1Dev)},
    {"radius0=", KeyKind::Float, AW_FIELD(radius0)},
    {"radius0dev=", KeyKind::Float, AW_FIELD(radius0Dev)},
    {"radius1=", KeyKind::Float, AW_FIELD(radius1)},
    {"radius1dev=", KeyKind::Float, AW_FIELD(radius1Dev)},
    {"partime=", KeyKind::Float, AW_FIELD(life)},
    {"partimedev=", KeyKind::Float, AW_FIELD(lifeDev)},
    {"positiondev=", KeyKind::Vector, AW_FIELD(positionDev)},
    {"speed=", KeyKind::Vector, AW_FIELD(speed)},
    {"speeddev=", KeyKind::Vector, AW_FIELD(speedDev)},
    {"gravity=", KeyKind::Float, AW_FIELD(gravity)},
    {"gravitydev=", KeyKind::Float, AW_FIELD(gravityDev)},
    {"blendtype=", KeyKind::Int, AW_FIELD(blendType)},
    {"numparticle=", KeyKind::Int, AW_FIELD(cell)},
    {"rot=", KeyKind::Float, AW_FIELD(rot)},
    {"rotdev=", KeyKind::Float, AW_FIELD(rotDev)},
    {"drot=", KeyKind::Float, AW_FIELD(spin)},
    {"drotdev=", KeyKind::Float, AW_FIELD(spinDev)},
    {"effecttime=", KeyKind::Float, AW_FIELD(effectTime)},
    {"polarpar=", KeyKind::List4, AW_FIELD(orbit)},
    {"polarpardev=", KeyKind::List4, AW_FIELD(orbitDev)},
    {"lissparx=", KeyKind::List3, AW_FIELD(swingX)},
    {"lisspary=", KeyKind::List3, AW_FIELD(swingY)},
    {"simetria=", KeyKind::Int, AW_FIELD(symmetry)},
    {"simetriapar=", KeyKind::Int, AW_FIELD(copies)},
    {"polar=", KeyKind::List4, AW_FIELD(emitterOrbit)},
    {"polardev=", KeyKind::List4, AW_FIELD(emitterOrbitDev)},
    {"lissx=", KeyKind::List3, AW_FIELD(emitterSwingX)},
    {"lissy=", KeyKind::List3, AW_FIELD(emitterSwingY)},
    {"sleep=", KeyKind::Float, AW_FIELD(sleep)},
};

#undef AW_FIELD

// A non-finite number would spread through every particle it touches.
float finite(float v) { return std::isfinite(v) ? v : 0.0f; }

template <typename T> T* at(ParticleDefinition& d, size_t offset) {
    return reinterpret_cast<T*>(reinterpret_cast<unsigned char*>(&d) + offset);
}

// [SECTION] parsing

void readRow(std::string_view text, const KeyRow& row, ParticleDefinition& d) {
    switch (row.kind) {
    case KeyKind::Float: *at<float>(d, row.offset) = finite(keyFloat(text, row.key)); break;
    case KeyKind::Int: *at<int>(d, row.offset) = keyInt(text, row.key); break;
    case KeyKind::Vector: {
        Vec3 v;
        if (keyVec3(text, row.key, v)) *at<Vec3>(d, row.offset) = {finite(v.x), finite(v.y), finite(v.z)};
        else d.missingRequired = true;
        break;
    }
    case KeyKind::List3:
    case KeyKind::List4: {
        int n = row.kind == KeyKind::List3 ? 3 : 4;
        float* out = at<float>(d, row.offset);
        int got = keyFloatList(text, row.key, out, n);
        for (int i = 0; i < got; ++i) out[i] = finite(out[i]);
        break;
    }
    }
}

void copyName(char* out, std::string_view name) {
    size_t n = std::min(name.size(), size_t(kEffectNameSize - 1));
    std::memcpy(out, name.data(), n);
    out[n] = 0;
}

} // namespace

ParticleDefinition parseParticleDefinition(std::string_view text, std::string_view fileName) {
    ParticleDefinition d;
    copyName(d.name, fileName.substr(0, fileName.find('.')));
    for (int i = 0; i < kExternalEffectCount; ++i) {
        char key[24];
        std::snprintf(key, sizeof key, "externeffect%i=", i + 1);
        keyString(text, key, d.external[i], kEffectNameSize);
    }
    for (const KeyRow& row : kKeys) readRow(text, row, d);
    // Counts drive loops: a negative one means none, a huge one is pinned.
    d.symmetry = std::clamp(d.symmetry, 0, kMaxSymmetry);
    d.copies = std::clamp(d.copies, 0, kMaxDrawnCopies);
    if (d.frequency < 0) d.frequency = 0;
    return d;
}

// [SECTION] the definition table

namespace {

// Lives for the run.
ParticleDefinition definitions[kMaxEffectDefinitions];
int definitionCount = 0;

} // namespace

int addParticleDefinition(const ParticleDefinition& def) {
    if (definitionCount >= kMaxEffectDefinitions) return -1;
    definitions[definitionCount] = def;
    return definitionCount++;
}

void loadParticleDefinitions(const char* dataDirectory) {
    std::string dir = std::string(dataDirectory) + "effects";
    std::vector<std::string> files = listFiles(dir, "*.par");
    if (files.empty()) return;
    std::string back = currentDirectory();
    setCurrentDirectory(dir);
    for (const std::string& file : files) {
        if (definitionCount >= kMaxEffectDefinitions) break;
        int size = 0;
        uint8_t* data = loadResource(file.c_str(), &size, true);
        std::string_view text(reinterpret_cast<const char*>(data), size_t(size));
        addParticleDefinition(parseParticleDefinition(text, file));
        releaseResource(data);
    }
    setCurrentDirectory(back);
}

int findEffect(const char* name) {
    if (!name) return -1;
    for (int i = 0; i < definitionCount; ++i)
        if (std::strcmp(definitions[i].name, name) == 0) return i;
    return -1;
}

const ParticleDefinition* particleDefinition(int index) {
    return index >= 0 && index < definitionCount ? &definitions[index] : nullptr;
}

int particleDefinitionCount() { return definitionCount; }

void resetParticleDefinitions() { definitionCount = 0; }

} // namespace aw

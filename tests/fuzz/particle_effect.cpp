// A particle effect file, ".par": read as the start-up load reads it; every
// count that sizes a pool or a loop stays within its bound.
#include "effects/particle_defs.h"
#include "fuzz_support.h"

#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 65536) return 0;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    aw::ParticleDefinition def = aw::parseParticleDefinition(text, "fuzzed.par");
    FUZZ_CHECK(std::strcmp(def.name, "fuzzed") == 0);
    for (const auto& external : def.external) FUZZ_CHECK(strnlen(external, aw::kEffectNameSize) < size_t(aw::kEffectNameSize));
    FUZZ_CHECK(def.symmetry <= aw::kMaxSymmetry && def.copies <= aw::kMaxDrawnCopies);
    return 0;
}

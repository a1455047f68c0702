// Every sound file of the game, each with the recipe that makes it.
#pragma once
#include "soundgen/synth.h"

#include <vector>

namespace soundgen {

struct SoundRecipe {
    const char* name; // the file name, case as the game asks for it
    Sound (*make)(Rng& rng);
    bool ambient;     // background sounds sit below the effects
};

const std::vector<SoundRecipe>& soundCatalog();

} // namespace soundgen

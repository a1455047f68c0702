// The scenery's 3D objects, ".cgo" texts: the meshes and textures named, as
// loadModel reads them (the text without its last byte).
#include "effects/models.h"
#include "fuzz_support.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 65536) return 0;
    std::string_view text(reinterpret_cast<const char*>(data), size > 0 ? size - 1 : 0);
    aw::ModelFileEntry entries[aw::kMaxModelMeshes];
    int n = aw::parseModelFile(text, entries, aw::kMaxModelMeshes);
    FUZZ_CHECK(n >= 0 && n <= aw::kMaxModelMeshes);
    for (int i = 0; i < n; ++i) {
        FUZZ_CHECK(!entries[i].meshPath.empty() && entries[i].meshPath.size() <= text.size());
        FUZZ_CHECK(entries[i].textureName.size() <= text.size());
    }
    FUZZ_CHECK(aw::parseModelFile(text, entries, 2) <= 2);
    return 0;
}

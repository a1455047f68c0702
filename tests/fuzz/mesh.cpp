// Meshes, ".msh_s": built as loadMesh builds them; every index must name a
// vertex that was made, and no more faces kept than the file declared.
#include "effects/meshes.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > (1u << 20)) return 0;
    aw::Mesh mesh;
    mesh.path = "fuzz.msh_s";
    aw::buildMesh(data, size, mesh);
    FUZZ_CHECK(mesh.path == "fuzz.msh_s");
    FUZZ_CHECK(mesh.facesKept >= 0 && mesh.facesKept <= mesh.facesInFile);
    FUZZ_CHECK(size_t(mesh.facesKept) * (aw::kMeshFaceSize + aw::kMeshFaceUvSize) <= size);
    if (mesh.smooth) {
        FUZZ_CHECK(mesh.indices.size() == size_t(mesh.facesKept) * 3);
        for (uint32_t index : mesh.indices) FUZZ_CHECK(index < mesh.vertices.size());
    } else {
        FUZZ_CHECK(mesh.indices.empty() && mesh.vertices.size() == size_t(mesh.facesKept) * 3);
    }
    return 0;
}

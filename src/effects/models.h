// The scenery's 3D objects: a ".cgo" text names a list of meshes, each with
// its texture. An object file is read once and shared by every catalogue
// kind that names it. Nothing in the game draws them.
//
// Lifetime: the object list lives for the run; releaseAllModels() empties it
// (exit and tests) and leaves the meshes to releaseAllMeshes().
#pragma once
#include <string>
#include <string_view>

namespace aw {

struct Mesh;
struct TextureRecord;

constexpr int kMaxModels = 512;
constexpr int kMaxModelMeshes = 32;

struct ModelPart {
    Mesh* mesh = nullptr;
    TextureRecord* texture = nullptr;
};

struct Model {
    std::string fileName;
    int meshCount = 0;
    ModelPart parts[kMaxModelMeshes];
};

// What a ".cgo" text names, before anything is loaded: "nummeshes=", then
// "mesh%i=" and "texture%i=" for each. Entries are taken in order while their
// "mesh%i=" is present and not empty, up to the declared count and
// kMaxModelMeshes.
struct ModelFileEntry {
    std::string meshPath;
    std::string textureName;
};
int parseModelFile(std::string_view text, ModelFileEntry* out, int maxCount);

// The object already loaded under that exact name, or a new one appended to
// the list with its meshes (from the mesh cache) and textures. A file that
// cannot be read ends the program with the loading error. Null only when the
// list is full.
Model* loadModel(const char* fileName);
int modelCount();
const Model* modelAt(int i);
void releaseAllModels();

} // namespace aw

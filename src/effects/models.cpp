#include "effects/models.h"

#include "core/keys.h"
#include "effects/meshes.h"
#include "render/texture.h"
#include "resources/registry.h"

#include <algorithm>
#include <cstdio>

namespace aw {
namespace {

// Lives for the run (emptied by releaseAllModels).
struct ModelList {
    Model* models[kMaxModels] = {};
    int count = 0;
} list;

} // namespace

int parseModelFile(std::string_view text, ModelFileEntry* out, int maxCount) {
    int declared = std::clamp(keyInt(text, "nummeshes="), 0, std::min(maxCount, kMaxModelMeshes));
    int n = 0;
    for (; n < declared; ++n) {
        char key[32];
        std::snprintf(key, sizeof key, "mesh%i=", n);
        auto mesh = findKeyValue(text, key);
        if (!mesh || mesh->empty()) break; // the file holds no more meshes than this
        std::snprintf(key, sizeof key, "texture%i=", n);
        auto texture = findKeyValue(text, key);
        out[n].meshPath.assign(*mesh);
        out[n].textureName.assign(texture ? *texture : std::string_view());
    }
    return n;
}

Model* loadModel(const char* fileName) {
    if (!fileName) return nullptr;
    for (int i = 0; i < list.count; ++i)
        if (list.models[i]->fileName == fileName) return list.models[i];
    if (list.count >= kMaxModels) return nullptr;
    Model* model = new Model;
    model->fileName = fileName;
    list.models[list.count++] = model;

    int size = 0;
    uint8_t* data = loadResource(fileName, &size, true);
    // The last byte stands for the end of the text, so files end with a line break.
    std::string_view text(reinterpret_cast<const char*>(data), size_t(size > 0 ? size - 1 : 0));
    ModelFileEntry entries[kMaxModelMeshes];
    int count = parseModelFile(text, entries, kMaxModelMeshes);
    releaseResource(data);

    for (int i = 0; i < count; ++i) {
        ModelPart& part = model->parts[model->meshCount++];
        part.mesh = loadMesh(entries[i].meshPath.c_str());
        if (!entries[i].textureName.empty()) part.texture = getTexture(entries[i].textureName.c_str());
    }
    return model;
}

int modelCount() { return list.count; }
const Model* modelAt(int i) { return i >= 0 && i < list.count ? list.models[i] : nullptr; }

void releaseAllModels() {
    for (int i = 0; i < list.count; ++i) delete list.models[i];
    list = ModelList{};
}

} // namespace aw

#include "game/trophy_media.h"

#include "core/keys.h"
#include "game/trophy_layout.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "render/texture.h"
#include "resources/file_errors.h"
#include "resources/registry.h"

#include <cstdio>
#include <string>

namespace aw {
namespace {

TrophyMedia media;

constexpr char kTrophyList[] = "trophy.txt";
constexpr char kTrophyDirectory[] = "trophyes";
constexpr char kExitSign[] = "exitsign.tga";

} // namespace

const TrophyMedia& trophyMedia() { return media; }

bool parseTrophyList(const char* text, int size, TrophyMedia& out) {
    if (!text || size <= 0) return false;
    std::string_view all(text, size_t(size));
    for (int i = 0; i < kTrophyCount; ++i) {
        char key[24];
        std::snprintf(key, sizeof key, "trophy%i=", i + 1);
        if (keyString(all, key, out.pictureName[i], kTrophyNameSize) == 0) return false;
        std::snprintf(key, sizeof key, "trophylum%i=", i + 1);
        if (keyString(all, key, out.glowName[i], kTrophyNameSize) == 0) return false;
    }
    return true;
}

void loadTrophies() {
    int size = 0;
    uint8_t* list = loadResource(kTrophyList, &size, true);
    bool complete = parseTrophyList(reinterpret_cast<const char*>(list), size, media);
    releaseResource(list);
    if (!complete) loadingError(kTrophyList);

    // The pictures and the layout are asked for by bare name with their
    // directory current (the archives hold them under those names).
    std::string back = currentDirectory();
    bool entered = setCurrentDirectory(resolvePath(kTrophyDirectory));
    int widths[kTrophyCount], heights[kTrophyCount];
    for (int i = 0; i < kTrophyCount; ++i) {
        media.picture[i] = getTexture(media.pictureName[i]);
        media.glow[i] = getTexture(media.glowName[i]);
        widths[i] = media.picture[i] ? media.picture[i]->width : 0;
        heights[i] = media.picture[i] ? media.picture[i]->height : 0;
    }
    // Without the directory on disk there is no layout file to read or to
    // write back: the default stands.
    if (entered)
        loadTrophyLayout(widths, heights);
    else
        buildDefaultTrophyLayout(trophyLayout(), widths, heights);
    setCurrentDirectory(back);

    media.exitSign = getTexture(kExitSign);
    media.mask[0] = textureManager.createTexture("masktex1", kMaskTextureSize, kMaskTextureSize,
                                                 PixelFormat::A8R8G8B8, true);
    media.mask[1] = textureManager.createTexture("masktex2", kMaskTextureSize, kMaskTextureSize,
                                                 PixelFormat::A8R8G8B8, true);
}

void resetTrophyMedia() { media = TrophyMedia{}; }

} // namespace aw

// [SECTION] records
// [SECTION] loaders
// [SECTION] created textures and copies
// [SECTION] render targets and locking
#include "render/texture.h"

#include "platform/gl_device.h"
#include "platform/image_decode.h"
#include "platform/message_box.h"
#include "render/half_level.h"
#include "render/render_states.h"
#include "resources/registry.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace aw {

TextureManager textureManager;

namespace {

bool isTgaName(const char* name) { return std::strstr(name, ".tga") || std::strstr(name, ".TGA"); }

void upload(TextureRecord* r) {
    if (!r->texture || r->pixels.empty()) return;
    gpu::uploadTextureLevel(r->texture, 0, r->width, r->height, r->pixels.data());
    if (r->levels > 1) {
        int w, h;
        std::vector<uint8_t> level1 = halfLevel(r->pixels, r->width, r->height, w, h);
        gpu::uploadTextureLevel(r->texture, 1, w, h, level1.data());
    }
}

// Places a decoded picture unscaled into the top-left corner of a record.
void placePicture(TextureRecord* r, const DecodedImage& img, int maxW, int maxH) {
    int w = std::min({img.width, r->width, maxW}), h = std::min({img.height, r->height, maxH});
    for (int y = 0; y < h; ++y)
        std::memcpy(r->pixels.data() + size_t(y) * r->width * 4, img.bgra.data() + size_t(y) * img.width * 4,
                    size_t(w) * 4);
}

void createFailed(const char* name) {
    char text[192];
    std::snprintf(text, sizeof text, "Couldn't create texture: %s", name);
    showMessageBox("Init error", text);
}

} // namespace

// [SECTION] records

TextureManager::~TextureManager() {
    // The GL context is gone by the time statics die: free the records only.
    for (int i = 0; i < recordCount; ++i) delete records[i];
    recordCount = 0;
}

TextureRecord* TextureManager::addRecord(const char* name) {
    if (recordCount >= kMaxTextures) return nullptr;
    auto* r = new TextureRecord;
    std::snprintf(r->name, sizeof r->name, "%s", name);
    records[recordCount++] = r;
    return r;
}

TextureRecord* TextureManager::findTexture(const char* name) const {
    if (!name) return nullptr;
    for (int i = 0; i < recordCount; ++i)
        if (std::strcmp(records[i]->name, name) == 0) return records[i];
    return nullptr;
}

void TextureManager::releaseTexture(TextureRecord* record) {
    for (int i = 0; i < recordCount; ++i) {
        if (records[i] != record) continue;
        if (currentTexture() == record) setTexture(nullptr);
        gpu::deleteTexture(record->texture);
        delete record;
        std::memmove(records + i, records + i + 1, sizeof(records[0]) * size_t(recordCount - i - 1));
        records[--recordCount] = nullptr;
        return;
    }
}

void TextureManager::releaseAll() {
    while (recordCount > 0) releaseTexture(records[recordCount - 1]);
}

void releaseAllTextures() { textureManager.releaseAll(); }

int nextPowerOfTwo(int n) {
    for (int p = 2; p <= 2048; p *= 2)
        if (p >= n) return p;
    return 0;
}

int alphaJpegSplit(const uint8_t* data, int size) {
    for (int p = 0; p + 1 < size; ++p)
        if (data[p] == 0xFF && data[p + 1] == 0xD9) return p + 2;
    return size;
}

// [SECTION] loaders

TextureRecord* TextureManager::loadTexture(const char* name, bool required, bool forceAlpha) {
    if (TextureRecord* r = findTexture(name)) return r;
    if (isTgaName(name)) {
        char alt[kTextureNameSize + 8];
        std::snprintf(alt, sizeof alt, "_a_%s", name);
        if (char* dot = std::strchr(alt, '.')) *dot = 0;
        std::strncat(alt, ".jpg", sizeof alt - std::strlen(alt) - 1);
        if (TextureRecord* r = loadAlphaJpeg(alt, false)) return r;
    }
    int size = 0;
    uint8_t* data = loadResource(name, &size, false);
    DecodedImage img;
    if (!data || !decodeImage(data, size, img)) {
        if (data) releaseResource(data);
        if (required) {
            char text[192];
            std::snprintf(text, sizeof text, "Couldn't load texture: %s", name);
            fatalError("Loading error", text);
        }
        return nullptr;
    }
    TextureRecord* r = keepImage(name, img, 2, forceAlpha || isTgaName(name));
    if (r) upload(r);
    releaseResource(data);
    return r;
}

TextureRecord* TextureManager::keepImage(const char* name, DecodedImage& img, int levels, bool hasAlpha) {
    unsigned tex = gpu::createTexture(img.width, img.height, levels);
    TextureRecord* r = tex ? addRecord(name) : nullptr;
    if (!r) {
        // A full manager: the picture is not kept.
        gpu::deleteTexture(tex);
        return nullptr;
    }
    r->texture = tex;
    r->width = img.width;
    r->height = img.height;
    r->levels = levels;
    r->hasAlpha = hasAlpha;
    r->format = PixelFormat::A8R8G8B8;
    r->pixels = std::move(img.bgra);
    return r;
}

TextureRecord* TextureManager::loadAlphaJpeg(const char* name, bool required) {
    if (TextureRecord* r = findTexture(name)) return r;
    int size = 0;
    // A required picture that is missing stops the game as one that cannot be decoded does.
    uint8_t* data = loadResource(name, &size, required);
    if (!data) return nullptr;
    int split = alphaJpegSplit(data, size);
    DecodedImage img;
    if (!decodeImage(data, split, img)) {
        releaseResource(data);
        if (required) {
            char text[192];
            std::snprintf(text, sizeof text, "Can't load texture: %s", name);
            fatalError("Loading error", text);
        }
        return nullptr;
    }
    TextureRecord* r = keepImage(name, img, 1, true);
    if (!r) {
        releaseResource(data);
        return nullptr;
    }
    // The plane runs over the texels in memory order, row after row at the
    // texture's width, and never past the last texel.
    size_t plane = size_t(size - split), texels = size_t(r->width) * size_t(r->height);
    for (size_t i = 0, n = std::min(plane, texels); i < n; ++i) r->pixels[i * 4 + 3] = data[size_t(split) + i];
    upload(r);
    releaseResource(data);
    return r;
}

TextureRecord* TextureManager::loadPicture(const char* name, int width, int height) {
    if (TextureRecord* r = findTexture(name)) return r;
    TextureRecord* r =
        makeTexture(name, nextPowerOfTwo(width), nextPowerOfTwo(height), PixelFormat::A8R8G8B8, false, false);
    if (!r) return nullptr;
    int size = 0;
    uint8_t* data = loadResource(name, &size, true);
    DecodedImage img;
    if (data && decodeImage(data, size, img)) placePicture(r, img, width, height);
    upload(r); // blank where the picture could not be read
    if (data) releaseResource(data);
    return r;
}

TextureRecord* TextureManager::loadAlphaPicture(const char* name, int width, int height) {
    int size = 0;
    uint8_t* data = loadResource(name, &size, false);
    if (!data) return nullptr;
    int split = alphaJpegSplit(data, size);
    TextureRecord* r =
        makeTexture(name, nextPowerOfTwo(width), nextPowerOfTwo(height), PixelFormat::A8R8G8B8, false, false);
    if (!r) {
        releaseResource(data);
        return nullptr;
    }
    DecodedImage img;
    if (decodeImage(data, split, img)) placePicture(r, img, width, height);
    // This plane covers the picture's rows at the picture's width.
    const uint8_t* plane = data + split;
    int planeSize = size - split, k = 0;
    int w = std::min(width, r->width), h = std::min(height, r->height);
    for (int y = 0; y < h && k < planeSize; ++y)
        for (int x = 0; x < w && k < planeSize; ++x) r->pixels[(size_t(y) * r->width + x) * 4 + 3] = plane[k++];
    r->hasAlpha = true;
    upload(r);
    releaseResource(data);
    return r;
}

// [SECTION] created textures and copies

TextureRecord* TextureManager::createTexture(const char* name, int width, int height, PixelFormat format,
                                             bool renderTarget) {
    return makeTexture(name, width, height, format, renderTarget, true);
}

TextureRecord* TextureManager::makeTexture(const char* name, int width, int height, PixelFormat format,
                                           bool renderTarget, bool uploadBlank) {
    if (TextureRecord* r = findTexture(name)) return r;
    unsigned tex = 0;
    if (recordCount < kMaxTextures && width > 0 && height > 0)
        tex = renderTarget ? gpu::createRenderTargetTexture(width, height) : gpu::createTexture(width, height, 1);
    TextureRecord* r = tex ? addRecord(name) : nullptr;
    if (!r) {
        gpu::deleteTexture(tex);
        createFailed(name);
        return nullptr;
    }
    r->texture = tex;
    r->width = width;
    r->height = height;
    r->format = format;
    r->isRenderTarget = renderTarget;
    if (!renderTarget) {
        r->pixels.assign(size_t(width) * size_t(height) * 4, 0);
        if (uploadBlank) upload(r);
    }
    return r;
}

TextureRecord* TextureManager::copyTexture(const char* newName, const char* sourceName, int width, int height) {
    TextureRecord* src = loadTexture(sourceName, true, true);
    if (!src) return nullptr;
    TextureRecord* dst = createTexture(newName, width < 0 ? src->width : width, height < 0 ? src->height : height,
                                       PixelFormat::A8R8G8B8, false);
    if (!dst || dst == src || dst->pixels.empty() || src->pixels.empty()) return dst;
    // Whole surface to whole surface; a size change samples the nearest texel.
    for (int y = 0; y < dst->height; ++y) {
        int sy = int(int64_t(y) * src->height / dst->height);
        for (int x = 0; x < dst->width; ++x) {
            int sx = int(int64_t(x) * src->width / dst->width);
            std::memcpy(&dst->pixels[(size_t(y) * dst->width + x) * 4], &src->pixels[(size_t(sy) * src->width + sx) * 4], 4);
        }
    }
    upload(dst);
    return dst;
}

TextureRecord* TextureManager::loadTextureWithMask(const char* newName, const char* sourceName, const char* maskName) {
    TextureRecord* dst = copyTexture(newName, sourceName, -1, -1);
    TextureRecord* mask = getTexture(maskName);
    if (!dst || !mask || dst->pixels.empty() || mask->pixels.empty()) return dst;
    // Texel i takes the blue byte of the mask's texel i; a smaller mask
    // leaves the remaining texels as they are.
    size_t n = std::min(size_t(dst->width) * dst->height, size_t(mask->width) * mask->height);
    for (size_t i = 0; i < n; ++i) dst->pixels[i * 4 + 3] = mask->pixels[i * 4];
    upload(dst);
    return dst;
}

// [SECTION] render targets and locking

void TextureManager::releaseRenderTargets() {
    for (int i = 0; i < recordCount; ++i) {
        TextureRecord* r = records[i];
        if (!r->isRenderTarget) continue;
        if (currentTexture() == r) setTexture(nullptr);
        gpu::deleteTexture(r->texture);
        r->texture = 0;
    }
}

void TextureManager::recreateRenderTargets() {
    for (int i = 0; i < recordCount; ++i) {
        TextureRecord* r = records[i];
        if (r->isRenderTarget && !r->texture) r->texture = gpu::createRenderTargetTexture(r->width, r->height);
    }
}

uint8_t* lockTexture(TextureRecord* record, int* pitch) {
    if (!record || record->pixels.empty()) return nullptr;
    if (pitch) *pitch = record->width * 4;
    return record->pixels.data();
}

void unlockTexture(TextureRecord* record) {
    if (record) upload(record);
}

} // namespace aw

// Every picture the game draws, held under the name it was requested by.
// Pictures come through the resource registry as TGA or JPEG; a transparent
// JPEG carries its alpha plane after the end of the JPEG stream.
//
// Lifetime: the manager lives for the run; records until released.
// releaseAllTextures() empties it (device release and tests).
#pragma once
#include "render/device.h"

#include <cstdint>
#include <vector>

namespace aw {

struct DecodedImage;

constexpr int kMaxTextures = 1023;
constexpr int kTextureNameSize = 128;

struct TextureRecord {
    char name[kTextureNameSize] = {}; // as requested, with its case
    int width = 0, height = 0;        // of the texture, not of the picture
    unsigned texture = 0;             // GPU handle
    bool hasAlpha = false;
    bool isRenderTarget = false;
    PixelFormat format = PixelFormat::Unknown; // as requested (created textures)
    int levels = 1;
    // The texels of level 0 (B, G, R, A, pitch width * 4) for locking;
    // empty for render targets, whose pixels live on the GPU only.
    std::vector<uint8_t> pixels;
};

class TextureManager {
public:
    TextureManager() = default;
    virtual ~TextureManager();
    TextureManager(const TextureManager&) = delete;
    TextureManager& operator=(const TextureManager&) = delete;

    TextureRecord* getTexture(const char* name) { return loadTexture(name, true, false); }
    TextureRecord* loadTexture(const char* name, bool required, bool forceAlpha);
    TextureRecord* loadAlphaJpeg(const char* name, bool required);
    TextureRecord* loadPicture(const char* name, int width, int height);
    TextureRecord* loadAlphaPicture(const char* name, int width, int height);
    TextureRecord* createTexture(const char* name, int width, int height, PixelFormat format, bool renderTarget);
    TextureRecord* copyTexture(const char* newName, const char* sourceName, int width, int height);
    TextureRecord* loadTextureWithMask(const char* newName, const char* sourceName, const char* maskName);
    TextureRecord* findTexture(const char* name) const;
    void releaseTexture(TextureRecord* record);
    void releaseRenderTargets();
    void recreateRenderTargets();
    void releaseAll();

    int count() const { return recordCount; }
    TextureRecord* at(int i) const { return i >= 0 && i < recordCount ? records[i] : nullptr; }

private:
    TextureRecord* addRecord(const char* name);
    // A new record holding the decoded picture (not yet uploaded); null, with
    // nothing kept, when no texture or record can be had.
    TextureRecord* keepImage(const char* name, DecodedImage& img, int levels, bool hasAlpha);
    // createTexture, with the blank pixels uploaded or not: a caller that
    // fills and uploads them at once saves the blank upload.
    TextureRecord* makeTexture(const char* name, int width, int height, PixelFormat format, bool renderTarget,
                               bool uploadBlank);
    TextureRecord* records[kMaxTextures] = {};
    int recordCount = 0;
};

extern TextureManager textureManager;

inline TextureRecord* getTexture(const char* name) { return textureManager.getTexture(name); }
inline TextureRecord* findTexture(const char* name) { return textureManager.findTexture(name); }
inline void releaseTexture(TextureRecord* record) { textureManager.releaseTexture(record); }
void releaseAllTextures();

// The first of 2, 4, ..., 2048 not below n; 0 above 2048.
int nextPowerOfTwo(int n);

// Direct access to level 0 (B, G, R, A per texel); unlock sends it to the GPU.
uint8_t* lockTexture(TextureRecord* record, int* pitch);
void unlockTexture(TextureRecord* record);

// Where an alpha-JPEG's JPEG stream ends: the offset after the first FF D9
// pair, or size when there is none.
int alphaJpegSplit(const uint8_t* data, int size);

} // namespace aw

#include "platform/image_decode.h"

#include <stb/stb_image.h>

#include <cstring>

namespace aw {

namespace {
ImageDecodeObserver imageDecodeObserver = nullptr;
} // namespace

void setImageDecodeObserver(ImageDecodeObserver observer) { imageDecodeObserver = observer; }

bool decodeImage(const uint8_t* data, int size, DecodedImage& out) {
    if (!data || size <= 0) return false;
    if (imageDecodeObserver) imageDecodeObserver(data, size);
    int w = 0, h = 0, channels = 0;
    stbi_uc* rgba = stbi_load_from_memory(data, size, &w, &h, &channels, 4);
    if (!rgba) return false;
    if (w <= 0 || h <= 0) {
        stbi_image_free(rgba);
        return false;
    }
    out.width = w;
    out.height = h;
    out.bgra.resize(size_t(w) * size_t(h) * 4);
    for (size_t i = 0, n = size_t(w) * size_t(h); i < n; ++i) {
        out.bgra[i * 4 + 0] = rgba[i * 4 + 2];
        out.bgra[i * 4 + 1] = rgba[i * 4 + 1];
        out.bgra[i * 4 + 2] = rgba[i * 4 + 0];
        out.bgra[i * 4 + 3] = rgba[i * 4 + 3];
    }
    stbi_image_free(rgba);
    return true;
}

} // namespace aw

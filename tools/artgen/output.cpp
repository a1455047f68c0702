#include "output.h"

#include <stb_image_write.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace art {

namespace {

void appendBytes(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<uint8_t>*>(context);
    auto* bytes = static_cast<uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

std::vector<uint8_t> encodeJpeg(const Image& img, int quality) {
    std::vector<uint8_t> rgb(size_t(img.w) * img.h * 3);
    for (size_t i = 0; i < size_t(img.w) * img.h; ++i)
        for (int c = 0; c < 3; ++c) rgb[i * 3 + c] = img.px[i * 4 + c];
    std::vector<uint8_t> out;
    // stb writes a bare JFIF stream: no thumbnail, so the first end marker
    // is the real one.
    stbi_write_jpg_to_func(appendBytes, &out, img.w, img.h, 3, rgb.data(), quality);
    return out;
}

void initEncoders() {
    // Plain TGA: every reader of the game handles uncompressed files.
    stbi_write_tga_with_rle = 0;
}

std::vector<uint8_t> encodeTga(const Image& img) {
    std::vector<uint8_t> out;
    stbi_write_tga_to_func(appendBytes, &out, img.w, img.h, 4, img.px.data());
    return out;
}

std::vector<uint8_t> encodeAlphaJpeg(const Image& img, int quality) {
    std::vector<uint8_t> out = encodeJpeg(img, quality);
    out.reserve(out.size() + size_t(img.w) * img.h);
    for (size_t i = 0; i < size_t(img.w) * img.h; ++i) out.push_back(img.px[i * 4 + 3]);
    return out;
}

std::vector<uint8_t> encode(const Image& img, Format format) {
    switch (format) {
    case Format::Tga: return encodeTga(img);
    case Format::Jpeg: return encodeJpeg(img);
    case Format::AlphaJpeg:
    case Format::AlphaJpegPicture: return encodeAlphaJpeg(img);
    }
    return {};
}

bool writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

void Sink::put(const std::string& path, const Image& img, Format format) {
    std::vector<uint8_t> bytes = img.w > 0 ? encode(img, format) : std::vector<uint8_t>{};
    bool ok = !bytes.empty() && writeBytes(outDir_ + "/" + path, bytes);
    std::lock_guard<std::mutex> lock(mutex_);
    if (!ok) {
        std::fprintf(stderr, "amberwick-art: cannot write %s/%s\n", outDir_.c_str(), path.c_str());
        failed_ = true;
    }
    ++count_;
    if (keep_) kept_.push_back({path, img});
}

void Sink::putBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    bool ok = writeBytes(outDir_ + "/" + path, bytes);
    std::lock_guard<std::mutex> lock(mutex_);
    if (!ok) {
        std::fprintf(stderr, "amberwick-art: cannot write %s/%s\n", outDir_.c_str(), path.c_str());
        failed_ = true;
    }
}

std::vector<Sink::Entry> Sink::entries() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<Entry> sorted = kept_;
    std::sort(sorted.begin(), sorted.end(), [](const Entry& a, const Entry& b) { return a.path < b.path; });
    return sorted;
}

int Sink::count() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return count_;
}

}  // namespace art

// File formats of the pictures and the sink every painter writes into.
#pragma once

#include "image.h"

#include <mutex>
#include <string>
#include <vector>

namespace art {

enum class Format {
    Tga,               // 32-bit uncompressed TGA with alpha
    Jpeg,              // plain JPEG, alpha dropped
    AlphaJpeg,         // JPEG + alpha plane at the picture's width (power-of-two sizes)
    AlphaJpegPicture,  // JPEG + alpha plane for a sized load (plane at picture width too)
};

// Call once before any encoding (sets the TGA writer's global option).
void initEncoders();

std::vector<uint8_t> encodeJpeg(const Image& img, int quality = 90);
std::vector<uint8_t> encodeTga(const Image& img);
std::vector<uint8_t> encodeAlphaJpeg(const Image& img, int quality = 90);
std::vector<uint8_t> encode(const Image& img, Format format);

// Collects the finished pictures: writes each one below the output directory
// at once and, when asked, keeps a copy for the contact sheet.
class Sink {
public:
    Sink(std::string outDir, bool keepCopies) : outDir_(std::move(outDir)), keep_(keepCopies) {}

    // path uses '/' and is relative to the Data directory.
    void put(const std::string& path, const Image& img, Format format);

    // A data file that belongs with a picture (the map's path file).
    void putBytes(const std::string& path, const std::vector<uint8_t>& bytes);

    struct Entry {
        std::string path;
        Image image;
    };
    // Kept pictures sorted by path.
    std::vector<Entry> entries() const;
    int count() const;
    bool failed() const { return failed_; }

private:
    std::string outDir_;
    bool keep_;
    mutable std::mutex mutex_;
    std::vector<Entry> kept_;
    int count_ = 0;
    bool failed_ = false;
};

bool writeBytes(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace art

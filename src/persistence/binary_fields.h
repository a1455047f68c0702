// Little-endian fields of the player files, read and written at fixed
// offsets so the layout never depends on the compiler's struct packing.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace aw {

inline int32_t getInt32(const uint8_t* p) {
    return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

inline float getFloat32(const uint8_t* p) {
    uint32_t u = static_cast<uint32_t>(getInt32(p));
    float f;
    std::memcpy(&f, &u, 4);
    return f;
}

inline void putInt32(uint8_t* p, int32_t v) {
    uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(u >> (8 * i));
}

// An IEEE single float stored as its little-endian bit pattern.
inline void putFloat32(uint8_t* p, float f) {
    uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    putInt32(p, static_cast<int32_t>(u));
}

// Copies a name field, always NUL-terminated within the destination.
inline void getName(char* out, size_t outSize, const uint8_t* field, size_t fieldSize) {
    size_t n = 0;
    size_t limit = fieldSize < outSize ? fieldSize : outSize;
    while (n + 1 < limit && field[n] != 0) ++n;
    std::memcpy(out, field, n);
    std::memset(out + n, 0, outSize - n);
}

// Writes a name into its field: the bytes up to the NUL, zero padding after.
inline void putName(uint8_t* field, size_t fieldSize, const char* name) {
    size_t n = strnlen(name, fieldSize - 1);
    std::memcpy(field, name, n);
    std::memset(field + n, 0, fieldSize - n);
}

// Copies text into a fixed name buffer, cut to fit and NUL-terminated.
inline void copyName(char* out, size_t outSize, const char* text) {
    size_t n = text ? strnlen(text, outSize - 1) : 0;
    if (n) std::memcpy(out, text, n);
    std::memset(out + n, 0, outSize - n);
}

} // namespace aw

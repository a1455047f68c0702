// The resource registry: every data file is read through it. A request names
// a file; the registry answers from a registered block of that name (an
// archive entry or an earlier disk read not yet released), else from the disk
// relative to the current directory. Names compare after upper-casing.
//
// Lifetime: the registry lives for the run; blocks stay until released.
// resetResources() empties it (tests and shutdown).
#pragma once
#include <cstdint>

namespace aw {

constexpr int kMaxResources = 1024;
constexpr int kResourceNameSize = 128;

struct ResourceEntry {
    char name[kResourceNameSize]; // upper-cased, NUL-terminated
    int32_t size;
    uint8_t* data;
    bool ownsData; // data is a std::malloc block of its own (image or disk file)
};

// Reads an archive and registers its image and every complete entry, each
// unscrambled in place. A missing archive is skipped silently; a malformed one
// keeps the entries before the first that runs past its end.
void openArchive(const char* archiveName);
// The same for an archive already in memory: image is a std::malloc block of
// size bytes that the registry takes over (and frees when it cannot register it).
void openArchiveImage(const char* archiveName, uint8_t* image, int size);
// Releases the archive image and unregisters the entries that point into it,
// so later requests fall through to the disk. True when the archive was open.
bool closeArchive(const char* archiveName);

// The bytes of a file (NOT NUL-terminated), registered until released. When
// the file is nowhere: null, or with required the "Loading Error" box and exit 1.
uint8_t* loadResource(const char* name, int* outSize, bool required);
// Copies the file into buffer, at most bufferSize bytes (a longer file is cut).
// Returns buffer, or null when the file is nowhere; outSize gets the bytes
// copied. A file read from disk this way is not registered.
uint8_t* readResourceInto(const char* name, void* buffer, int bufferSize, int* outSize);
// Gives a block back; false (nothing changed) when no entry holds the pointer.
bool releaseResource(const void* data);
const ResourceEntry* findResource(const char* name);
// Appends an entry and reports its size to the progress handler. With ownsData
// the registry frees data with std::free on release. False when the registry
// is full or the name does not fit (the caller keeps ownership then).
bool registerResource(const char* name, int size, uint8_t* data, bool ownsData);
int resourceCount();

// Writes a whole file safely (temporary file renamed over the old one); on
// failure the "Writing Error" box and exit 1.
void writeFileOrDie(const char* name, const void* data, int size);

// Called with the size of every block registered (the splash load bar).
using LoadProgressHandler = void (*)(int bytes);
void setLoadProgressHandler(LoadProgressHandler h);

// Frees every block and entry and clears the progress handler.
void resetResources();

// The registry's name rule: a-z and 0xE0-0xFF lose 0x20, other bytes stay.
char upperResourceByte(char c);

} // namespace aw

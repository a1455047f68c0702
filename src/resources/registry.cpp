#include "resources/registry.h"

#include "platform/files.h"
#include "resources/archive_format.h"
#include "resources/file_errors.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <string>
#include <vector>

namespace aw {
namespace {

// Lives for the run; entries keep their registration order.
ResourceEntry* entries[kMaxResources];
int entryCount = 0;
LoadProgressHandler progressHandler = nullptr;

// Upper-cases name into out; false when it does not fit.
bool upperName(const char* name, char (&out)[kResourceNameSize]) {
    size_t n = std::strlen(name);
    if (n >= sizeof out) return false;
    for (size_t i = 0; i < n; ++i) out[i] = upperResourceByte(name[i]);
    out[n] = 0;
    return true;
}

// Removes entry i, freeing its data when owned, and (for an owned block) every
// entry that points into it, so nothing is left pointing at freed memory.
void removeEntry(int i) {
    ResourceEntry* e = entries[i];
    std::memmove(&entries[i], &entries[i + 1], sizeof(entries[0]) * size_t(entryCount - i - 1));
    --entryCount;
    if (e->ownsData) {
        // Addresses compared as integers: the entries may point anywhere.
        uintptr_t begin = reinterpret_cast<uintptr_t>(e->data);
        uintptr_t end = begin + uintptr_t(e->size);
        for (int j = 0; j < entryCount;) {
            ResourceEntry* d = entries[j];
            uintptr_t at = reinterpret_cast<uintptr_t>(d->data);
            if (!d->ownsData && d->data && at >= begin && at <= end) {
                std::memmove(&entries[j], &entries[j + 1], sizeof(entries[0]) * size_t(entryCount - j - 1));
                --entryCount;
                delete d;
            } else {
                ++j;
            }
        }
        std::free(e->data);
    }
    delete e;
}

// A heap copy of a whole disk file; null when it cannot be read or is too large.
uint8_t* readWholeFile(const char* name, int* outSize) {
    std::vector<uint8_t> bytes;
    if (!readFile(name, bytes) || bytes.size() > size_t(INT_MAX)) return nullptr;
    uint8_t* block = static_cast<uint8_t*>(std::malloc(bytes.empty() ? 1 : bytes.size()));
    if (!block) return nullptr;
    if (!bytes.empty()) std::memcpy(block, bytes.data(), bytes.size());
    *outSize = static_cast<int>(bytes.size());
    return block;
}

} // namespace

char upperResourceByte(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    if ((u >= 0x61 && u <= 0x7A) || u >= 0xE0) u = static_cast<unsigned char>(u - 0x20);
    return static_cast<char>(u);
}

bool registerResource(const char* name, int size, uint8_t* data, bool ownsData) {
    if (!name || size < 0 || entryCount >= kMaxResources) return false;
    ResourceEntry* e = new ResourceEntry{};
    if (!upperName(name, e->name)) {
        delete e;
        return false;
    }
    e->size = size;
    e->data = data;
    e->ownsData = ownsData;
    entries[entryCount++] = e;
    if (progressHandler) progressHandler(size);
    return true;
}

const ResourceEntry* findResource(const char* name) {
    if (!name) return nullptr;
    char key[kResourceNameSize];
    if (!upperName(name, key)) return nullptr; // longer than any registered name
    for (int i = 0; i < entryCount; ++i)
        if (std::strcmp(entries[i]->name, key) == 0) return entries[i];
    return nullptr;
}

int resourceCount() { return entryCount; }

void openArchive(const char* archiveName) {
    if (!archiveName) return;
    int size = 0;
    uint8_t* image = readWholeFile(archiveName, &size);
    if (image) openArchiveImage(archiveName, image, size);
}

void openArchiveImage(const char* archiveName, uint8_t* image, int size) {
    if (!image) return;
    if (!archiveName || size < 0 || !registerResource(archiveName, size, image, true)) {
        std::free(image);
        return;
    }
    ArchiveScan scan = scanArchive(image, size_t(size), true);
    for (const ArchiveEntryView& v : scan.entries) {
        if (v.nameLength == 0) continue; // carries no data and names nothing
        if (!registerResource(v.name, int(v.length), image + v.dataOffset, false)) break;
    }
}

bool closeArchive(const char* archiveName) {
    if (!archiveName) return false;
    char key[kResourceNameSize];
    if (!upperName(archiveName, key)) return false;
    for (int i = 0; i < entryCount; ++i) {
        if (std::strcmp(entries[i]->name, key) == 0) {
            removeEntry(i);
            return true;
        }
    }
    return false;
}

bool releaseResource(const void* data) {
    if (!data) return false;
    for (int i = 0; i < entryCount; ++i) {
        if (entries[i]->data == data) {
            removeEntry(i);
            return true;
        }
    }
    return false;
}

uint8_t* loadResource(const char* name, int* outSize, bool required) {
    if (const ResourceEntry* e = findResource(name)) {
        if (outSize) *outSize = e->size;
        return e->data;
    }
    int size = 0;
    uint8_t* block = name ? readWholeFile(name, &size) : nullptr;
    // A full registry cannot hold the block: treat it as not loadable rather
    // than hand out a block that releaseResource would never free.
    if (block && !registerResource(name, size, block, true)) {
        std::free(block);
        block = nullptr;
    }
    if (!block) {
        if (required) loadingError(name);
        return nullptr;
    }
    if (outSize) *outSize = size;
    return block;
}

uint8_t* readResourceInto(const char* name, void* buffer, int bufferSize, int* outSize) {
    if (!buffer || bufferSize < 0) return nullptr;
    uint8_t* out = static_cast<uint8_t*>(buffer);
    if (const ResourceEntry* e = findResource(name)) {
        int n = e->size < bufferSize ? e->size : bufferSize;
        if (n > 0) std::memcpy(out, e->data, size_t(n));
        if (outSize) *outSize = n;
        return out;
    }
    if (!name) return nullptr;
    int fd = ::open(resolvePath(name).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    int done = 0;
    while (done < bufferSize) {
        ssize_t n = ::read(fd, out + done, size_t(bufferSize - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += int(n);
    }
    ::close(fd);
    if (outSize) *outSize = done;
    return out;
}

namespace {
// The directory part may differ in case from the disk; the file name is kept
// exactly, so "ann.trp" never overwrites "Ann.trp".
std::string writeTarget(const char* name) {
    std::string path = name;
    size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos || slash == 0) return path;
    return resolvePath(path.substr(0, slash)) + "/" + path.substr(slash + 1);
}
} // namespace

void writeFileOrDie(const char* name, const void* data, int size) {
    if (!name || !name[0] || size < 0 || (size > 0 && !data) ||
        !writeFileAtomic(writeTarget(name), data, size_t(size)))
        writingError(name);
}

void setLoadProgressHandler(LoadProgressHandler h) { progressHandler = h; }

void resetResources() {
    while (entryCount > 0) {
        ResourceEntry* e = entries[--entryCount];
        if (e->ownsData) std::free(e->data);
        delete e;
    }
    progressHandler = nullptr;
}

} // namespace aw

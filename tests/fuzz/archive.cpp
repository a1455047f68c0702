// Resource archives: the registry opens an archive image as the start-up load
// does, every entry is looked up and read as the loaders do, then the archive
// is closed, which must leave nothing registered.
#include "fuzz_support.h"
#include "resources/archive_format.h"
#include "resources/registry.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > (1u << 24)) return 0;
    aw::resetResources();
    uint8_t* image = static_cast<uint8_t*>(std::malloc(size ? size : 1));
    if (size) std::memcpy(image, data, size);
    aw::openArchiveImage("fuzz.dat", image, int(size));
    FUZZ_CHECK(aw::resourceCount() >= 1 && aw::resourceCount() <= aw::kMaxResources);
    const aw::ResourceEntry* archive = aw::findResource("FUZZ.DAT");
    FUZZ_CHECK(archive && archive->data == image && archive->size == int(size));

    // The entries as registered (already unscrambled): each one is found by
    // its name in any case and lies wholly inside the image.
    aw::ArchiveScan scan = aw::scanArchive(image, size, false);
    unsigned sum = 0;
    for (const aw::ArchiveEntryView& v : scan.entries) {
        if (v.nameLength == 0) continue;
        int got = -1;
        uint8_t* bytes = aw::loadResource(v.name, &got, false);
        if (!bytes) continue; // the registry was full
        FUZZ_CHECK(got >= 0);
        if (bytes != image) {
            FUZZ_CHECK(bytes >= image && size_t(bytes - image) + size_t(got) <= size);
            for (int k = 0; k < got; ++k) sum += bytes[k];
        }
    }
    (void)sum;
    FUZZ_CHECK(aw::closeArchive("fuzz.dat"));
    FUZZ_CHECK(aw::resourceCount() == 0);
    aw::resetResources();
    return 0;
}

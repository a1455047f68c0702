// "records.dat": the per-level records decoded from a file image of any
// length, written back, and read again unchanged; names stay terminated.
#include "fuzz_support.h"
#include "persistence/records.h"

#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 2 * size_t(aw::kRecordsFileSize)) return 0;
    aw::resetRecords();
    aw::decodeRecords(data, int(size));
    static std::vector<uint8_t> image(aw::kRecordsFileSize), again(aw::kRecordsFileSize);
    aw::encodeRecords(image.data());
    for (int mode = 0; mode < aw::kModeCount; ++mode)
        for (int level = 0; level < aw::kLevelCount; ++level) {
            const aw::LevelRecord* r = aw::levelRecord(mode, level);
            FUZZ_CHECK(r != nullptr);
            for (const char* name : {r->scoreHolder, r->comboHolder, r->movesHolder, r->timeHolder})
                FUZZ_CHECK(std::memchr(name, 0, aw::kRecordNameSize) != nullptr);
        }
    FUZZ_CHECK(aw::levelRecord(aw::kModeCount, 0) == nullptr && aw::levelRecord(0, aw::kLevelCount) == nullptr);
    aw::decodeRecords(image.data(), aw::kRecordsFileSize);
    aw::encodeRecords(again.data());
    FUZZ_CHECK(image == again);
    return 0;
}

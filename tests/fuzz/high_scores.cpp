// "hiscore.dat": the top-ten tables decoded from a file image of any length,
// written back and read again unchanged; names stay terminated.
#include "fuzz_support.h"
#include "persistence/records.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) return 0;
    aw::resetRecords();
    aw::decodeHighScores(data, int(size));
    uint8_t image[aw::kHighScoreFileSize], again[aw::kHighScoreFileSize];
    aw::encodeHighScores(image);
    for (int mode = 0; mode < aw::kModeCount; ++mode)
        for (int row = 0; row < aw::kHighScoreRows; ++row) {
            const aw::HighScoreRow* r = aw::highScoreRow(mode, row);
            FUZZ_CHECK(r && std::memchr(r->name, 0, aw::kHighScoreNameSize) != nullptr);
        }
    aw::decodeHighScores(image, aw::kHighScoreFileSize);
    aw::encodeHighScores(again);
    FUZZ_CHECK(std::memcmp(image, again, sizeof image) == 0);
    return 0;
}

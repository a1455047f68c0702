// "profiles.dat": the table read as readProfiles reads it (the count and the
// current index come from the settings record: the first two input bytes),
// then the current profile's trophy file looked up by its name. No name may
// lead a file outside the settings directory.
#include "fuzz_support.h"
#include "persistence/player_paths.h"
#include "persistence/profile_files.h"
#include "persistence/profiles.h"
#include "persistence/settings.h"
#include "persistence/trophy_file.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const std::string& scratchSettings() {
    static std::string dir = [] {
        char tmpl[] = "/tmp/aw-fuzz-profiles-XXXXXX";
        const char* made = ::mkdtemp(tmpl);
        return std::string(made ? made : "/tmp") + "/settings";
    }();
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2 || size > 4096) return 0;
    aw::setSettingsDirectory(scratchSettings());
    aw::Settings& s = aw::settings();
    s = aw::Settings{};
    s.profileCount = data[0] % 16 - 4;     // also out of range, as a hand-edited file gives
    s.currentProfileIndex = int8_t(data[1]);
    aw::decodeProfileTable(data + 2, int(size - 2));
    FUZZ_CHECK(aw::profileCount() >= 0 && aw::profileCount() <= aw::kMaxProfiles);
    FUZZ_CHECK(aw::profileCount() * aw::kProfileRecordSize <= int(size - 2));
    FUZZ_CHECK(aw::currentProfileIndex() >= 0);
    FUZZ_CHECK(aw::profileCount() == 0 || aw::currentProfileIndex() < aw::profileCount());
    const std::string prefix = scratchSettings() + "/";
    for (int i = 0; i < aw::profileCount(); ++i) {
        const aw::Profile* p = aw::profileAt(i);
        FUZZ_CHECK(p && std::memchr(p->name, 0, sizeof p->name) != nullptr);
        FUZZ_CHECK(p->lastMode < aw::kModeCount);
        for (int k = 0; k < aw::kProfileFileCount; ++k) {
            std::string path = aw::profileFilePath(p->name, aw::ProfileFile(k));
            FUZZ_CHECK(path.compare(0, prefix.size(), prefix) == 0);
            FUZZ_CHECK(path.find('/', prefix.size()) == std::string::npos);
        }
        uint8_t record[aw::kProfileRecordSize];
        aw::encodeProfile(*p, record);
        aw::Profile back;
        aw::decodeProfile(record, back);
        FUZZ_CHECK(std::memcmp(&back, p, sizeof back) == 0);
    }
    if (aw::profileCount() > 0) aw::readProfileTrophies(aw::currentProfile()->name);
    aw::resetProfiles();
    return 0;
}

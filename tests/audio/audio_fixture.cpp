#include "audio_fixture.h"

#include "audio/ambient.h"
#include "platform/audio_backend.h"
#include "soundgen/vorbis_writer.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace audiotest {

TempDir::TempDir() {
    char pattern[] = "/tmp/aw-audio-XXXXXX";
    char* made = mkdtemp(pattern);
    path = made ? made : "";
}

TempDir::~TempDir() {
    std::error_code ec;
    if (!path.empty())
        std::filesystem::remove_all(path, ec);
}

std::vector<uint8_t> toneOgg(float hz, float seconds, float amplitude) {
    soundgen::Sound s((size_t)(seconds * 44100));
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = amplitude * (float)std::sin(2 * M_PI * hz * i / 44100.0);
    soundgen::finish(s, 0.002f, 0.002f);
    return soundgen::encodeVorbis(s, 0.5f);
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), (std::streamsize)bytes.size());
}

std::vector<float> render(int frames) {
    std::vector<float> out(2 * (size_t)frames);
    // In blocks like the device's, so per-block changes behave as in the game.
    for (int done = 0; done < frames; done += 1024) {
        int n = std::min(1024, frames - done);
        aw::audioRender(out.data() + 2 * (size_t)done, n);
    }
    return out;
}

double rms(const std::vector<float>& stereo, int channel) {
    double sum = 0;
    size_t n = stereo.size() / 2;
    for (size_t i = 0; i < n; ++i)
        sum += (double)stereo[2 * i + channel] * stereo[2 * i + channel];
    return n ? std::sqrt(sum / n) : 0;
}

double frequencyOf(const std::vector<float>& stereo) {
    size_t n = stereo.size() / 2;
    double first = -1, last = -1;
    int crossings = 0;
    for (size_t i = 1; i < n; ++i) {
        float a = stereo[2 * (i - 1)], b = stereo[2 * i];
        if (a < 0 && b >= 0 && b - a > 1e-4f) {
            double at = (i - 1) + (double)(-a) / (b - a);
            if (first < 0)
                first = at;
            last = at;
            ++crossings;
        }
    }
    if (crossings < 2)
        return 0;
    return (crossings - 1) / ((last - first) / 44100.0);
}

std::string requestedName(const aw::SoundRequest& request) {
    const aw::SoundState& s = aw::soundState();
    for (int i = 0; i < s.sampleCount; ++i)
        if (request.sample != 0 && s.samples[i].handle == request.sample)
            return s.samples[i].name;
    return "";
}

std::vector<const aw::SoundRequest*> pendingRequests() {
    std::vector<const aw::SoundRequest*> out;
    for (const aw::SoundRequest& r : aw::soundState().requests)
        if (r.state == aw::kRequestPending)
            out.push_back(&r);
    return out;
}

std::string runCommand(const std::string& command, int& status) {
    std::string out;
    FILE* p = popen(command.c_str(), "r");
    if (!p) {
        status = -1;
        return out;
    }
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        out.append(buf, n);
    status = pclose(p);
    return out;
}

const std::string& generatedData() {
    // Every test runs in its own process: the generated set is kept in the
    // build tree, one folder per build of the generator.
    static std::string path;
    if (!path.empty())
        return path;
    namespace fs = std::filesystem;
    const char* build = std::getenv("AW_BUILD_DIR");
    fs::path parent = build ? fs::path(build) : fs::temp_directory_path();
    std::error_code ec;
    auto stamp = fs::last_write_time(AW_SOUNDGEN_PATH, ec).time_since_epoch().count();
    std::string name = "test-audio-data-" + std::to_string(stamp);
    fs::path target = parent / name;
    if (!fs::exists(target / "music.mo3")) {
        // Made aside and moved in whole, so a parallel test never sees half a set.
        std::string temp = (parent / "test-audio-new-XXXXXX").string();
        std::vector<char> pattern(temp.begin(), temp.end());
        pattern.push_back(0);
        if (mkdtemp(pattern.data())) {
            int status = 0;
            runCommand(std::string(AW_SOUNDGEN_PATH) + " " + pattern.data() + " 2>&1", status);
            EXPECT_EQ(status, 0) << "the generator failed";
            fs::rename(pattern.data(), target, ec);
            if (ec)
                fs::remove_all(pattern.data(), ec); // another test got there first
        }
        // Sets from older builds of the generator.
        for (const auto& e : fs::directory_iterator(parent, ec)) {
            std::string other = e.path().filename().string();
            if (other.rfind("test-audio-data-", 0) == 0 && other != name)
                fs::remove_all(e.path(), ec);
        }
    }
    path = target.string();
    return path;
}

void OfflineSound::SetUp() {
    aw::resetSound();
    aw::resetAmbient();
    aw::audioInitOffline();
    ASSERT_TRUE(aw::startSound());
}

void OfflineSound::TearDown() {
    aw::resetSound();
}

} // namespace audiotest

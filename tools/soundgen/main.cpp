// amberwick-soundgen OUTDIR: writes OUTDIR/Sounds/<name>.ogg for every sound
// the game plays and OUTDIR/music.mo3. The same input always writes the same
// bytes. With -v it prints each sound's level.
#include "soundgen/loudness.h"
#include "soundgen/music.h"
#include "soundgen/sound_catalog.h"
#include "soundgen/synth.h"
#include "soundgen/vorbis_writer.h"
#include "soundgen/xm_writer.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

using namespace soundgen;

namespace {

// Effects share one level; the ambient bed sits lower so it never competes.
constexpr float kEffectLevelDb = -18.f;
constexpr float kAmbientLevelDb = -26.f;
constexpr float kPeakCeilingDb = -3.f;
constexpr float kVorbisQuality = 0.4f;

bool writeBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::filesystem::path temp = path;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(reinterpret_cast<const char*>(bytes.data()), (std::streamsize)bytes.size());
        if (!out)
            return false;
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    return !ec;
}

uint32_t nameSeed(const char* name) {
    uint32_t h = 2166136261u;
    for (const char* p = name; *p; ++p)
        h = (h ^ (uint8_t)*p) * 16777619u;
    return h;
}

} // namespace

int main(int argc, char** argv) {
    bool verbose = false;
    const char* outDir = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-v") == 0)
            verbose = true;
        else
            outDir = argv[i];
    }
    if (!outDir) {
        std::fprintf(stderr, "usage: amberwick-soundgen [-v] OUTDIR\n");
        return 2;
    }
    std::filesystem::path root(outDir);
    std::error_code ec;
    std::filesystem::create_directories(root / "Sounds", ec);
    if (ec) {
        std::fprintf(stderr, "amberwick-soundgen: cannot create %s: %s\n", (root / "Sounds").c_str(), ec.message().c_str());
        return 1;
    }

    for (const SoundRecipe& recipe : soundCatalog()) {
        Rng rng(nameSeed(recipe.name));
        Sound s = recipe.make(rng);
        if (recipe.ambient)
            finish(s, 0.8f, 0.8f);
        else
            finish(s, 0.005f, 0.02f);
        if (recipe.ambient)
            normaliseLevel(s, kAmbientLevelDb, kPeakCeilingDb, LevelMeasure::Smoothed);
        else
            normaliseLevel(s, kEffectLevelDb, kPeakCeilingDb);
        std::vector<uint8_t> ogg = encodeVorbis(s, kVorbisQuality);
        if (ogg.empty() || !writeBytes(root / "Sounds" / recipe.name, ogg)) {
            std::fprintf(stderr, "amberwick-soundgen: cannot write %s\n", recipe.name);
            return 1;
        }
        if (verbose) {
            Level level = measureLevel(s);
            std::printf("%-24s %5.2f s  short-term %6.1f dBFS  smoothed %6.1f dBFS  peak %6.1f dBFS  %6zu bytes\n",
                        recipe.name, (double)s.size() / kRate, level.shortTermDb, level.smoothedDb, level.peakDb,
                        ogg.size());
        }
    }

    std::vector<uint8_t> module = writeXm(composeMusic());
    if (!writeBytes(root / "music.mo3", module)) {
        std::fprintf(stderr, "amberwick-soundgen: cannot write music.mo3\n");
        return 1;
    }
    if (verbose)
        std::printf("music.mo3 %zu bytes\n", module.size());
    return 0;
}

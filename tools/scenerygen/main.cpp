// amberwick-scenerygen SRCDIR OUTDIR: turns the scenery description in SRCDIR
// (gameobjs.txt, landscape00.txt to landscape17.txt, models.txt) into the
// game's files below OUTDIR: "gameobjs.txt", "AnimBacks/level%i.lev", the
// ".cgo" objects and their ".msh_s" meshes. Any fault in the description
// stops it with the file and line.
#include "scenery_files.h"
#include "scenery_source.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace scenerygen;
namespace fs = std::filesystem;

namespace {

constexpr int kLandscapes = 18;

bool readText(const fs::path& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool write(const fs::path& path, const void* data, size_t size) {
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), std::streamsize(size));
    return bool(out);
}

int problem(const Problem& p) {
    std::fprintf(stderr, "%s: %s\n", p.where.c_str(), p.what.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: amberwick-scenerygen SRCDIR OUTDIR\n");
        return 2;
    }
    fs::path src(argv[1]), out(argv[2]);
    Problem p;
    std::string text;

    Catalogue catalogue;
    fs::path file = src / "gameobjs.txt";
    if (!readText(file, text)) return problem({file.string(), "cannot read"});
    if (!readCatalogue(file.string(), text, catalogue, p)) return problem(p);

    std::vector<Landscape> landscapes(kLandscapes);
    for (int n = 0; n < kLandscapes; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "landscape%02d.txt", n);
        file = src / name;
        if (!readText(file, text)) return problem({file.string(), "cannot read"});
        if (!readLandscape(file.string(), text, landscapes[size_t(n)], p)) return problem(p);
    }

    Models models;
    file = src / "models.txt";
    if (!readText(file, text)) return problem({file.string(), "cannot read"});
    if (!readModels(file.string(), text, models, p)) return problem(p);

    std::vector<std::string> faults = checkScenery(catalogue, landscapes, models);
    for (const std::string& f : faults) std::fprintf(stderr, "amberwick-scenerygen: %s\n", f.c_str());
    if (!faults.empty()) return 1;

    bool ok = true;
    std::string cat = catalogueText(catalogue);
    ok = ok && write(out / "gameobjs.txt", cat.data(), cat.size());
    for (int n = 0; n < kLandscapes && ok; ++n) {
        Bytes b = layoutFile(landscapes[size_t(n)]);
        ok = !b.empty() && write(out / "AnimBacks" / ("level" + std::to_string(n) + ".lev"), b.data(), b.size());
    }
    for (const Object3D& o : models.objects) {
        std::string t = objectText(o);
        ok = ok && write(out / o.file, t.data(), t.size());
    }
    for (const MeshShape& m : models.meshes) {
        Bytes b = meshFile(m, buildShape(m));
        ok = ok && write(out / m.file, b.data(), b.size());
    }
    if (!ok) {
        std::fprintf(stderr, "amberwick-scenerygen: cannot write below %s\n", out.c_str());
        return 1;
    }
    return 0;
}

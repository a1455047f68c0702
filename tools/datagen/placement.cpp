#include "placement.h"

#include <algorithm>
#include <map>
#include <set>

namespace aw::datagen {

namespace {

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool endsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

bool startsWith(std::string_view s, std::string_view head) {
    return s.substr(0, head.size()) == head;
}

// Read before the archives open, after they close, rewritten by the game, or
// found by a directory search: these must be plain files.
bool mustStayOnDisk(std::string_view path) {
    static const char* const kRootFiles[] = {
        "splash1.jpg", "splash2.jpg", "loadscreen.jpg", "loadbar.tga", "music.mo3",
        // The map may first load after the archives are closed.
        "megamap.jpg", "mapback.jpg", "mapback1.tga", "mapback2.tga", "_a_mapstart.jpg",
        "maplevelmark.tga", "mapstagemark.tga", "mapstar.tga", "mapartefact_q.tga",
        "mapspline.spl",
    };
    static const char* const kDiskDirs[] = {
        "levels/", "animbacks/", "effects/", "sounds/", "artefacts/", "mask/",
    };
    std::string p = lower(path);
    for (const char* f : kRootFiles)
        if (p == f) return true;
    for (const char* d : kDiskDirs)
        if (startsWith(p, d)) return true;
    if (p == "trophyes/trophy.cfg") return true;
    if (startsWith(p, "smallart") && p.find('/') == std::string::npos) return true;
    return false;
}

} // namespace

const char* archiveName(Home home) {
    switch (home) {
    case Home::Targa: return "targa.dat";
    case Home::Jpeg: return "jpeg.dat";
    case Home::Texts: return "texts.dat";
    case Home::Disk: break;
    }
    return "";
}

Placement placeFile(std::string_view relPath) {
    Placement pl;
    if (mustStayOnDisk(relPath)) return pl;
    std::string p = lower(relPath);
    size_t slash = relPath.rfind('/');
    std::string bare(slash == std::string_view::npos ? relPath : relPath.substr(slash + 1));
    // field is the one directory the game names in its requests.
    if (startsWith(p, "field/")) pl.entryName = "field\\" + bare;
    else pl.entryName = bare;
    if (endsWith(p, ".tga")) pl.home = Home::Targa;
    else if (endsWith(p, ".jpg")) pl.home = Home::Jpeg;
    else pl.home = Home::Texts;
    return pl;
}

std::string alphaJpegSubstitute(std::string_view name) {
    if (name.find(".tga") == std::string_view::npos && name.find(".TGA") == std::string_view::npos)
        return {};
    size_t dot = name.find('.');
    return "_a_" + std::string(name.substr(0, dot)) + ".jpg";
}

std::vector<std::string> checkDataSet(const std::vector<std::string>& relPaths) {
    std::vector<std::string> problems;
    std::map<std::string, std::string> entries; // upper-cased entry name -> path
    for (const std::string& path : relPaths) {
        Placement pl = placeFile(path);
        if (pl.home == Home::Disk) continue;
        if (pl.entryName.size() > 63)
            problems.push_back(path + ": entry name longer than 63 characters");
        std::string key = lower(pl.entryName);
        auto [it, fresh] = entries.emplace(key, path);
        if (!fresh) problems.push_back(path + " and " + it->second + " share the entry name " + pl.entryName);
    }

    // Substitutes are looked up by the request name, which is the bare name (or
    // "field\..."), in whatever directory is current: compare per directory.
    std::map<std::string, std::set<std::string>> wantedBy; // dir + substitute -> TGA names
    std::set<std::string> present;
    for (const std::string& path : relPaths) present.insert(lower(path));
    for (const std::string& path : relPaths) {
        std::string p = lower(path);
        if (!endsWith(p, ".tga")) continue;
        size_t slash = p.rfind('/');
        std::string dir = slash == std::string::npos ? "" : p.substr(0, slash + 1);
        std::string request = p.substr(dir.size());
        if (dir == "field/") { request = "field\\" + request; dir.clear(); }
        wantedBy[dir + alphaJpegSubstitute(request)].insert(request);
    }
    // Requests the game makes whether or not the TGA files exist yet.
    wantedBy["_a_hammer.jpg"].insert("hammer.texture1.tga");
    wantedBy["_a_hammer.jpg"].insert("hammer.texture2.tga");
    for (const auto& [sub, tgas] : wantedBy) {
        std::string onDisk = sub;
        std::replace(onDisk.begin(), onDisk.end(), '\\', '/');
        if (tgas.size() > 1 && present.count(onDisk))
            problems.push_back(sub + " would replace " + std::to_string(tgas.size()) + " different TGA pictures");
    }
    return problems;
}

} // namespace aw::datagen

// amberwick-pack: creates, lists and extracts the game's resource archives
// through the same format code the game reads them with.
//
//   amberwick-pack create ARCHIVE [--root DIR] FILE...
//   amberwick-pack list ARCHIVE
//   amberwick-pack extract ARCHIVE DIR
//
// Exit codes: 0 success, 1 malformed or unreadable archive (or a write that
// failed), 2 bad arguments.
#include "platform/files.h"
#include "platform/paths.h"
#include "resources/archive_format.h"
#include "resources/registry.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kOk = 0;
constexpr int kBadArchive = 1;
constexpr int kBadArguments = 2;

int usage() {
    std::fprintf(stderr,
                 "usage: amberwick-pack create ARCHIVE [--root DIR] FILE...\n"
                 "       amberwick-pack list ARCHIVE\n"
                 "       amberwick-pack extract ARCHIVE DIR\n");
    return kBadArguments;
}

// The game compares names upper-cased, so two names that differ only in case
// are the same entry to it.
std::string registryKey(const std::string& name) {
    std::string k = name;
    for (char& c : k) c = aw::upperResourceByte(c);
    return k;
}

// The entry name of a file: its path below root with '\' separators, or its
// bare name without a root. Empty when the file is not below root.
std::string entryName(const fs::path& file, const fs::path* root) {
    std::string name;
    if (root) {
        fs::path rel = fs::absolute(file).lexically_normal().lexically_relative(fs::absolute(*root).lexically_normal());
        if (rel.empty() || *rel.begin() == "..") return "";
        name = rel.generic_string();
    } else {
        name = file.filename().string();
    }
    std::replace(name.begin(), name.end(), '/', '\\');
    return name;
}

int create(const std::vector<std::string>& args) {
    if (args.empty()) return usage();
    std::string archivePath = args[0];
    std::vector<std::string> inputs;
    bool hasRoot = false;
    fs::path root;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--root") {
            if (i + 1 >= args.size() || hasRoot) return usage();
            hasRoot = true;
            root = args[++i];
        } else {
            inputs.push_back(args[i]);
        }
    }
    if (inputs.empty()) return usage();
    if (hasRoot && !fs::is_directory(root)) {
        std::fprintf(stderr, "amberwick-pack: --root %s is not a directory\n", root.c_str());
        return kBadArguments;
    }

    // A directory argument stands for every plain file below it, in name order.
    std::vector<fs::path> files;
    for (const std::string& in : inputs) {
        std::error_code ec;
        if (fs::is_directory(in, ec)) {
            std::vector<fs::path> found;
            for (auto& e : fs::recursive_directory_iterator(in, ec))
                if (e.is_regular_file()) found.push_back(e.path());
            std::sort(found.begin(), found.end());
            files.insert(files.end(), found.begin(), found.end());
        } else {
            files.push_back(in);
        }
    }

    std::vector<uint8_t> archive;
    std::set<std::string> keys;
    for (const fs::path& file : files) {
        std::vector<uint8_t> bytes;
        std::error_code ec;
        if (!fs::is_regular_file(file, ec) || !aw::readFile(file.string(), bytes)) {
            std::fprintf(stderr, "amberwick-pack: cannot read %s\n", file.c_str());
            return kBadArguments;
        }
        std::string name = entryName(file, hasRoot ? &root : nullptr);
        if (name.empty()) {
            std::fprintf(stderr, "amberwick-pack: %s is not below the root %s\n", file.c_str(), root.c_str());
            return kBadArguments;
        }
        if (!keys.insert(registryKey(name)).second) {
            std::fprintf(stderr, "amberwick-pack: %s: a second entry of that name would never be read\n",
                         name.c_str());
            return kBadArguments;
        }
        if (!aw::appendArchiveEntry(archive, name, bytes.data(), bytes.size())) {
            std::fprintf(stderr, "amberwick-pack: %s: entry names hold at most %zu bytes\n", name.c_str(),
                         aw::kArchiveNameMax);
            return kBadArguments;
        }
    }
    if (!aw::writeFileAtomic(archivePath, archive.data(), archive.size())) {
        std::fprintf(stderr, "amberwick-pack: cannot write %s\n", archivePath.c_str());
        return kBadArchive;
    }
    return kOk;
}

bool readArchive(const std::string& path, std::vector<uint8_t>& image) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec) || !aw::readFile(path, image)) {
        std::fprintf(stderr, "amberwick-pack: cannot read %s\n", path.c_str());
        return false;
    }
    return true;
}

void reportMalformed(const std::string& path, const aw::ArchiveScan& scan) {
    std::fprintf(stderr, "amberwick-pack: %s: malformed at byte %zu (%s); %zu complete entries before it\n",
                 path.c_str(), scan.stoppedAt, scan.problem.c_str(), scan.entries.size());
}

int list(const std::vector<std::string>& args) {
    if (args.size() != 1) return usage();
    std::vector<uint8_t> image;
    if (!readArchive(args[0], image)) return kBadArchive;
    aw::ArchiveScan scan = aw::scanArchive(image.data(), image.size(), false);
    for (const aw::ArchiveEntryView& e : scan.entries) std::printf("%s\t%u\n", e.name, e.length);
    std::fflush(stdout);
    if (!scan.wellFormed) {
        reportMalformed(args[0], scan);
        return kBadArchive;
    }
    return kOk;
}

// The path below dir for an entry name, or empty when the name would leave
// dir (absolute, or with a ".." component) or names no file.
std::string extractPath(const std::string& dir, const std::string& name) {
    std::string rel = name;
    std::replace(rel.begin(), rel.end(), '\\', '/');
    if (rel.empty() || rel[0] == '/') return "";
    fs::path p(rel);
    for (const fs::path& part : p)
        if (part == "..") return "";
    if (!p.has_filename()) return "";
    return (fs::path(dir) / p).string();
}

int extract(const std::vector<std::string>& args) {
    if (args.size() != 2) return usage();
    const std::string& dir = args[1];
    std::vector<uint8_t> image;
    if (!readArchive(args[0], image)) return kBadArchive;
    if (!aw::makeDirectories(fs::absolute(dir).lexically_normal().string())) {
        std::fprintf(stderr, "amberwick-pack: cannot create %s\n", dir.c_str());
        return kBadArguments;
    }
    aw::ArchiveScan scan = aw::scanArchive(image.data(), image.size(), true);
    int result = kOk;
    std::set<std::string> keys;
    for (const aw::ArchiveEntryView& e : scan.entries) {
        if (e.nameLength == 0) continue;
        std::string name(e.name, e.nameLength);
        std::string path = extractPath(dir, name);
        if (path.empty()) {
            std::fprintf(stderr, "amberwick-pack: refused entry %s: it would leave %s\n", name.c_str(), dir.c_str());
            result = kBadArchive;
            continue;
        }
        if (!keys.insert(registryKey(name)).second) {
            std::fprintf(stderr, "amberwick-pack: skipped %s: an earlier entry of that name shadows it\n",
                         name.c_str());
            continue;
        }
        fs::path parent = fs::absolute(path).lexically_normal().parent_path();
        if (!aw::makeDirectories(parent.string()) || !aw::writeFileAtomic(path, image.data() + e.dataOffset, e.length)) {
            std::fprintf(stderr, "amberwick-pack: cannot write %s\n", path.c_str());
            result = kBadArchive;
        }
    }
    if (!scan.wellFormed) {
        reportMalformed(args[0], scan);
        result = kBadArchive;
    }
    return result;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    std::string command = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "create") return create(args);
    if (command == "list") return list(args);
    if (command == "extract") return extract(args);
    return usage();
}

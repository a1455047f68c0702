#include "assemble.h"

#include "placement.h"

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <set>
#include <vector>

extern char** environ;

namespace aw::datagen {

namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Copies src to dst unless dst already holds the same bytes, so an unchanged
// file keeps its time stamp and nothing downstream rebuilds.
bool copyIfDifferent(const fs::path& src, const fs::path& dst, std::ostream& err) {
    std::error_code ec;
    if (fs::exists(dst, ec) && fs::file_size(src, ec) == fs::file_size(dst, ec) &&
        readAll(src) == readAll(dst))
        return true;
    fs::create_directories(dst.parent_path(), ec);
    fs::copy_file(src, dst, fs::copy_options::overwrite_existing, ec);
    if (ec) err << "cannot write " << dst.string() << ": " << ec.message() << "\n";
    return !ec;
}

int runProgram(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) < 0) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> stagedFiles(const fs::path& stage) {
    std::vector<std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(stage))
        if (e.is_regular_file()) out.push_back(fs::relative(e.path(), stage).generic_string());
    std::sort(out.begin(), out.end());
    return out;
}

std::set<std::string> readList(const fs::path& p) {
    std::set<std::string> out;
    std::ifstream in(p);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) out.insert(line);
    return out;
}

} // namespace

int assembleDataSet(const AssembleOptions& o, std::ostream& err) {
    std::error_code ec;
    if (!fs::is_directory(o.stage, ec)) {
        err << "no staging directory " << o.stage.string() << "\n";
        return 1;
    }
    std::vector<std::string> files = stagedFiles(o.stage);
    std::vector<std::string> problems = checkDataSet(files);
    for (const std::string& p : problems) err << "data set: " << p << "\n";
    if (!problems.empty()) return 1;

    const bool packing = !o.packTool.empty();
    std::set<std::string> placed;                                  // Data-relative outputs
    std::map<Home, std::vector<std::pair<std::string, std::string>>> archives; // entry, path
    for (const std::string& rel : files) {
        Placement pl = placeFile(rel);
        if (pl.home == Home::Disk || !packing) {
            if (!copyIfDifferent(o.stage / rel, o.data / rel, err)) return 1;
            placed.insert(rel);
        } else {
            archives[pl.home].emplace_back(pl.entryName, rel);
        }
    }

    for (auto& [home, entries] : archives) {
        std::sort(entries.begin(), entries.end());
        // The archive tool names an entry by its path below --root, with '/'
        // written as '\', so lay the files out by entry name.
        fs::path root = o.work / (std::string("pack-") + archiveName(home));
        fs::remove_all(root, ec);
        std::vector<std::string> args = {o.packTool, "create",
                                         (o.work / archiveName(home)).string(), "--root", root.string()};
        for (const auto& [entry, rel] : entries) {
            std::string sub = entry;
            std::replace(sub.begin(), sub.end(), '\\', '/');
            fs::path dst = root / sub;
            fs::create_directories(dst.parent_path(), ec);
            fs::copy_file(o.stage / rel, dst, fs::copy_options::overwrite_existing, ec);
            if (ec) {
                err << "cannot stage " << rel << " for packing: " << ec.message() << "\n";
                return 1;
            }
            args.push_back(dst.string());
        }
        int rc = runProgram(args);
        if (rc != 0) {
            err << o.packTool << " failed (" << rc << ") on " << archiveName(home) << "\n";
            return 1;
        }
        if (!copyIfDifferent(o.work / archiveName(home), o.data / archiveName(home), err)) return 1;
        placed.insert(archiveName(home));
    }

    // Whatever an earlier run placed and this one did not is stale (a file
    // moved into an archive, a producer that is gone); remove it.
    fs::path listFile = o.work / "placed.txt";
    for (const std::string& old : readList(listFile))
        if (!placed.count(old)) fs::remove(o.data / old, ec);
    std::ofstream list(listFile, std::ios::trunc);
    for (const std::string& p : placed) list << p << "\n";
    return list ? 0 : 1;
}

} // namespace aw::datagen

#include "platform/paths.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace aw {

std::string currentDirectory() {
    char buf[PATH_MAX];
    if (!::getcwd(buf, sizeof buf)) return ".";
    return buf;
}

bool setCurrentDirectory(const std::string& dir) { return ::chdir(dir.c_str()) == 0; }

bool makeDirectories(const std::string& dir) {
    if (dir.empty()) return false;
    std::string path;
    size_t pos = 0;
    while (pos != std::string::npos) {
        pos = dir.find('/', pos + 1);
        path = dir.substr(0, pos);
        if (path.empty() || path == "/") continue;
        if (::mkdir(path.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
    struct stat st;
    return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string executableDirectory() {
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return currentDirectory();
    std::string p(buf, size_t(n));
    size_t slash = p.rfind('/');
    return slash == std::string::npos ? currentDirectory() : p.substr(0, slash);
}

namespace {
bool isDirectory(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
} // namespace

std::string chooseDataDirectory(const std::string& workingDir, const std::string& executableDir) {
    std::string local = workingDir + "/Data";
    if (isDirectory(local)) return local + "/";
    std::string beside = executableDir + "/Data";
    if (isDirectory(beside)) return beside + "/";
    // Installed: the executable in <prefix>/bin, the data in <prefix>/share.
    size_t slash = executableDir.rfind('/');
    std::string prefix = slash == std::string::npos ? std::string() : executableDir.substr(0, slash);
    std::string installed = prefix + "/share/amberwick/Data";
    if (isDirectory(installed)) return installed + "/";
    return beside + "/";
}

std::string findDataDirectory() { return chooseDataDirectory(currentDirectory(), executableDirectory()); }

std::string playerDirectory() {
    std::string base;
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !home[0]) {
            const passwd* pw = ::getpwuid(::getuid());
            home = pw ? pw->pw_dir : "/tmp";
        }
        base = std::string(home) + "/.local/share";
    }
    std::string dir = base + "/amberwick";
    makeDirectories(dir);
    return dir;
}

} // namespace aw

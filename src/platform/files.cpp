#include "platform/files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace aw {
namespace {

std::string mapSeparators(const std::string& name) {
    std::string s = name;
    std::replace(s.begin(), s.end(), '\\', '/');
    return s;
}

bool pathExists(const std::string& p) {
    struct stat st;
    return ::stat(p.c_str(), &st) == 0;
}

// Finds an entry of dir whose name equals part case-insensitively.
bool findInsensitive(const std::string& dir, const std::string& part, std::string& found) {
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return false;
    bool ok = false;
    while (dirent* e = ::readdir(d)) {
        if (::strcasecmp(e->d_name, part.c_str()) == 0) {
            found = e->d_name;
            ok = true;
            break;
        }
    }
    ::closedir(d);
    return ok;
}

int lowerByte(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; }

bool lessInsensitive(const std::string& a, const std::string& b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        int x = lowerByte(static_cast<unsigned char>(a[i])), y = lowerByte(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b; // a stable order for names that differ only in case
}

} // namespace

std::string resolvePath(const std::string& name) {
    std::string mapped = mapSeparators(name);
    if (mapped.empty() || pathExists(mapped)) return mapped;

    // Walk the components, fixing the case of each one that is missing.
    std::string result;
    size_t pos = 0;
    if (mapped[0] == '/') {
        result = "/";
        pos = 1;
    }
    while (pos <= mapped.size()) {
        size_t slash = mapped.find('/', pos);
        std::string part = mapped.substr(pos, slash == std::string::npos ? std::string::npos : slash - pos);
        if (!part.empty()) {
            std::string candidate = result + part;
            if (!pathExists(candidate)) {
                std::string found;
                std::string dir = result.empty() ? "." : result;
                if (!findInsensitive(dir, part, found)) return mapped;
                candidate = result + found;
            }
            result = candidate;
            if (slash != std::string::npos) result += '/';
        }
        if (slash == std::string::npos) break;
        pos = slash + 1;
    }
    return result;
}

bool fileExists(const std::string& name) {
    struct stat st;
    return ::stat(resolvePath(name).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool directoryExists(const std::string& name) {
    struct stat st;
    return ::stat(resolvePath(name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

long long fileSize(const std::string& name) {
    struct stat st;
    if (::stat(resolvePath(name).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    return static_cast<long long>(st.st_size);
}

namespace {
FileReadObserver fileReadObserver = nullptr;
} // namespace

void setFileReadObserver(FileReadObserver observer) { fileReadObserver = observer; }

bool readFile(const std::string& name, std::vector<uint8_t>& out) {
    out.clear();
    std::string path = resolvePath(name);
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    out.resize(static_cast<size_t>(st.st_size));
    size_t done = 0;
    while (done < out.size()) {
        ssize_t n = ::read(fd, out.data() + done, out.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    out.resize(done); // a file that shrank while reading yields what was there
    if (fileReadObserver) fileReadObserver(path, done);
    return true;
}

bool writeFileAtomic(const std::string& name, const void* data, size_t size) {
    std::string path = mapSeparators(name);
    std::string tmp = path + ".tmp-XXXXXX";
    std::vector<char> tmpl(tmp.begin(), tmp.end());
    tmpl.push_back(0);
    int fd = ::mkstemp(tmpl.data());
    if (fd < 0) return false;
    const char* p = static_cast<const char*>(data);
    size_t done = 0;
    bool ok = true;
    while (done < size) {
        ssize_t n = ::write(fd, p + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<size_t>(n);
    }
    // mkstemp creates the file private; player files are ordinary files.
    if (ok && ::fchmod(fd, 0644) != 0) ok = false;
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    if (ok && ::rename(tmpl.data(), path.c_str()) != 0) ok = false;
    if (!ok) ::unlink(tmpl.data());
    return ok;
}

bool copyFile(const std::string& src, const std::string& dst) {
    std::vector<uint8_t> bytes;
    if (!readFile(src, bytes)) return false;
    return writeFileAtomic(dst, bytes.data(), bytes.size());
}

bool deleteFile(const std::string& name) { return ::unlink(resolvePath(name).c_str()) == 0; }

bool wildcardMatch(const std::string& pattern, const std::string& name) {
    // Iterative matcher with one backtrack point: linear in practice, no recursion.
    size_t p = 0, n = 0, starP = std::string::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || lowerByte(static_cast<unsigned char>(pattern[p])) ==
                                             lowerByte(static_cast<unsigned char>(name[n])))) {
            ++p;
            ++n;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::vector<std::string> listFiles(const std::string& dir, const std::string& pattern) {
    std::vector<std::string> names;
    std::string path = resolvePath(dir.empty() ? "." : dir);
    DIR* d = ::opendir(path.c_str());
    if (!d) return names;
    while (dirent* e = ::readdir(d)) {
        std::string n = e->d_name;
        if (n == "." || n == "..") continue;
        struct stat st;
        if (::stat((path + "/" + n).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (wildcardMatch(pattern, n)) names.push_back(n);
    }
    ::closedir(d);
    std::sort(names.begin(), names.end(), lessInsensitive);
    return names;
}

} // namespace aw

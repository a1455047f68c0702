#include "platform/single_instance.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

namespace aw {
namespace {
int lockFd = -1;

std::string lockPath(const char* name) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/') return std::string(runtime) + "/" + name + ".lock";
    return "/tmp/" + std::string(name) + "-" + std::to_string(::getuid()) + ".lock";
}
} // namespace

bool acquireSingleInstance(const char* name) {
    // The name becomes part of a path: keep only harmless characters.
    std::string safe;
    for (const char* p = name; *p; ++p)
        safe += (std::isalnum(static_cast<unsigned char>(*p)) || *p == '-' || *p == '_') ? *p : '_';
    int fd = ::open(lockPath(safe.c_str()).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return true; // no lock file possible: better to run than to refuse
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    if (lockFd < 0) lockFd = fd;
    return true;
}

void releaseSingleInstance() {
    if (lockFd >= 0) ::close(lockFd);
    lockFd = -1;
}

} // namespace aw

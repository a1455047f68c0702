// A private temporary directory for one test, removed afterwards.
#pragma once
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace aw::test {

struct TempDir {
    std::string path;
    TempDir() {
        char tmpl[] = "/tmp/aw-test-XXXXXX";
        path = ::mkdtemp(tmpl);
    }
    ~TempDir() { std::system(("rm -rf '" + path + "'").c_str()); }
    std::string operator/(const std::string& name) const { return path + "/" + name; }
};

} // namespace aw::test

// Shared by the resources and persistence tests: a scratch directory that is
// current for the test's duration, files written byte for byte, and hooks
// that turn the fatal path into an exception with the box recorded.
#pragma once
#include "platform/message_box.h"
#include "platform/paths.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace awtest {

struct FatalExit {
    int code;
};

inline std::string& lastBoxTitle() {
    static std::string s;
    return s;
}
inline std::string& lastBoxText() {
    static std::string s;
    return s;
}

inline void recordBox(const char* title, const char* text) {
    lastBoxTitle() = title;
    lastBoxText() = text;
}
[[noreturn]] inline void throwOnExit(int code) { throw FatalExit{code}; }

// A fresh directory under /tmp, made current; removed afterwards.
class ScratchDir {
public:
    ScratchDir() {
        char tmpl[] = "/tmp/aw-test-XXXXXX";
        const char* made = ::mkdtemp(tmpl);
        EXPECT_NE(made, nullptr);
        path_ = made ? made : "/tmp";
        previous_ = aw::currentDirectory();
        aw::setCurrentDirectory(path_);
    }
    ~ScratchDir() {
        aw::setCurrentDirectory(previous_);
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::string& path() const { return path_; }

private:
    std::string path_, previous_;
};

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::filesystem::path p(path);
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool exists(const std::string& path) { return std::filesystem::exists(path); }

// Installs the recording box and the throwing exit for one test.
struct FatalHooks {
    FatalHooks() {
        lastBoxTitle().clear();
        lastBoxText().clear();
        aw::setMessageBoxHook(recordBox);
        aw::setExitHook(throwOnExit);
    }
    ~FatalHooks() {
        aw::setMessageBoxHook(nullptr);
        aw::setExitHook(nullptr);
    }
};

} // namespace awtest

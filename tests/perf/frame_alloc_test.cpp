// Every C++ heap allocation made while a frame runs is counted; the first
// one's call stack is kept so a failure says where it came from.
#include "bench_scenes.h"

#include <gtest/gtest.h>

#include <execinfo.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <new>
#include <string>

namespace {

bool counting = false;
long allocations = 0;
constexpr int kStackDepth = 24;
void* firstStack[kStackDepth];
int firstStackDepth = 0;

void* allocate(std::size_t size) {
    if (counting && allocations++ == 0) firstStackDepth = backtrace(firstStack, kStackDepth);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& t) noexcept { return operator new(size, t); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

constexpr int kCountedFrames = 30;

class FrameAllocations : public ::testing::Test {
protected:
    static inline std::string home;
    static inline bool up = false;

    static void SetUpTestSuite() {
        void* warm[1];
        backtrace(warm, 1); // loads the unwinder now, not inside a counted frame
        char dir[] = "/tmp/aw_alloc_XXXXXX";
        if (!mkdtemp(dir)) return;
        home = dir;
        setenv("XDG_DATA_HOME", dir, 1);
        const char* build = std::getenv("AW_BUILD_DIR");
        up = build && aw::bench::startUp(std::string(build) + "/Data/");
    }
    static void TearDownTestSuite() {
        if (up) aw::bench::shutDown();
        std::error_code ignored;
        if (!home.empty()) std::filesystem::remove_all(home, ignored);
    }

    // Allocations in kCountedFrames steady frames of the scene.
    long countIn(int scene) {
        aw::bench::enter(scene);
        allocations = 0;
        firstStackDepth = 0;
        counting = true;
        for (int i = 0; i < kCountedFrames; ++i) aw::bench::frame(scene);
        counting = false;
        if (allocations > 0) {
            std::fprintf(stderr, "first allocation in \"%s\":\n", aw::bench::sceneName(scene));
            backtrace_symbols_fd(firstStack, firstStackDepth, STDERR_FILENO);
        }
        return allocations;
    }
};

TEST_F(FrameAllocations, SteadyFramesAllocateNothing) {
    ASSERT_TRUE(up) << "no window or no data set";
    for (int scene : {aw::bench::kMainMenu, aw::bench::kMap, aw::bench::kGameplay})
        EXPECT_EQ(countIn(scene), 0) << aw::bench::sceneName(scene);
    // The counter itself must see an allocation made inside a frame.
    counting = true;
    allocations = 0;
    int* probe = new int[64];
    counting = false;
    delete[] probe;
    EXPECT_EQ(allocations, 1);
}

} // namespace

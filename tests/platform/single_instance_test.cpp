#include "platform/single_instance.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace aw;

TEST(SingleInstance, SecondHolderIsRefusedUntilTheFirstReleases) {
    const char* name = "AmberwickTestLock";
    ASSERT_TRUE(acquireSingleInstance(name));
    EXPECT_FALSE(acquireSingleInstance(name)); // a second open conflicts, even in-process

    // Another process is refused too.
    pid_t child = fork();
    if (child == 0) _exit(acquireSingleInstance(name) ? 1 : 0);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    releaseSingleInstance();
    EXPECT_TRUE(acquireSingleInstance(name));
    releaseSingleInstance();
}

TEST(SingleInstance, NamesCannotLeaveTheLockDirectory) {
    // Path characters are replaced, so this is an ordinary lock name.
    EXPECT_TRUE(acquireSingleInstance("../../etc/x"));
    releaseSingleInstance();
}

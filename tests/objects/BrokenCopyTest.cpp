// Copies of a damaged file kept beside it before it is written again.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/BrokenCopy.h"
#include "ObjectTestHelpers.h"

// Threads keeping copies of one file at once each claim a name of their own; none is replaced.
TEST(BrokenCopy, CopiesKeptAtOnceEachKeepTheirOwnName)
{
    constexpr int kThreads = 16;
    for (int round = 0; round < 20 && !HasFailure(); ++round) {
        TempFolder folder;
        std::vector<std::string> keptAs(kThreads), errors(kThreads);
        std::atomic<int> waiting{kThreads};
        std::vector<std::thread> threads;
        for (int i = 0; i < kThreads; ++i)
            threads.emplace_back([&, i] {
                for (--waiting; waiting > 0;)
                    std::this_thread::yield();
                Platform::KeepCopyOf(folder.File("Level1.txt"), std::to_string(i), keptAs[i], errors[i]);
            });
        for (std::thread& thread : threads)
            thread.join();
        for (int i = 0; i < kThreads; ++i)
            EXPECT_EQ(ReadWholeFile(keptAs[i]), std::to_string(i)) << "round " << round << ": " << errors[i];
    }
    std::string why;
    EXPECT_EQ(Platform::BrokenCopyName("no-such-file", &why) + why, "it cannot be read");
}

// Writing a whole file at once: two writers of one file, and a file that is a symbolic link.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "platform/AtomicFile.h"
#include "ObjectTestHelpers.h"

namespace fs = std::filesystem;

// Each writer's temporary file is its own until renamed: another writer's clean-up after its own
// write must not take it (a second game, or two threads of one).
TEST(AtomicFile, TwoWritersOfOneFileBothLandEveryTime)
{
    TempFolder folder;
    const std::string path = folder.File("SaveData.txt");
    constexpr int kRounds = 300;
    std::atomic<int> failures{0};
    std::string firstError;
    const auto writer = [&](const std::string& text) {
        for (int i = 0; i < kRounds; ++i) {
            std::string error;
            if (!Platform::WriteFileAtomically(path, text + std::to_string(i), error) && failures++ == 0)
                firstError = error;
        }
    };
    std::thread a(writer, "a");
    std::thread b(writer, "b");
    a.join();
    b.join();
    EXPECT_EQ(failures.load(), 0) << firstError;
    const std::string last = ReadWholeFile(path);
    EXPECT_TRUE(last == "a" + std::to_string(kRounds - 1) || last == "b" + std::to_string(kRounds - 1)) << last;
}

// A symbolic link written back stays a link, down a chain of them, and the file it leads to gets
// the bytes; one that leads nowhere gets its file made. A loop is refused and left as it is.
TEST(AtomicFile, ALinkWrittenBackStaysALink)
{
    TempFolder folder;
    fs::create_directory(folder.File("elsewhere"));
    const std::string target = folder.File("elsewhere/KeyboardActionMap.txt");
    WriteWholeFile(target, "old");
    fs::create_symlink("elsewhere/KeyboardActionMap.txt", folder.File("middle"));
    fs::create_symlink(folder.File("middle"), folder.File("KeyboardActionMap.txt"));
    std::string error;
    ASSERT_TRUE(Platform::WriteFileAtomically(folder.File("KeyboardActionMap.txt"), "new", error)) << error;
    EXPECT_TRUE(fs::is_symlink(folder.File("KeyboardActionMap.txt")));
    EXPECT_TRUE(fs::is_symlink(folder.File("middle")));
    EXPECT_EQ(ReadWholeFile(target), "new");

    fs::create_symlink("elsewhere/Level1.txt", folder.File("Level1.txt"));
    ASSERT_TRUE(Platform::WriteFileAtomically(folder.File("Level1.txt"), "level", error)) << error;
    EXPECT_TRUE(fs::is_symlink(folder.File("Level1.txt")));
    EXPECT_EQ(ReadWholeFile(folder.File("elsewhere/Level1.txt")), "level");

    fs::create_symlink("loop", folder.File("loop"));
    EXPECT_FALSE(Platform::WriteFileAtomically(folder.File("loop"), "x", error));
    EXPECT_NE(error.find("symbolic links"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_symlink(folder.File("loop")));
}

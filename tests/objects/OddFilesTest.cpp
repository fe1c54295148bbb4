#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "ObjectTestHelpers.h"
#include "graphics/DecodeBatch.h"
#include "graphics/GLTexture.h"
#include "graphics/TextureSystem.h"
#include "objects/LevelFile.h"
#include "platform/WholeFile.h"
#include "support/TempResourceTree.h"
#include "support/WatchedPipe.h"

namespace fs = std::filesystem;

// Whatever stands in a file's place is refused by name without blocking: a named pipe with no
// writer, a device that never ends, a folder, a file too large to be one of ours, or nothing.
// A picture says so too, by its path, whether the sprite folder listed it or not.
TEST(OddFiles, WhatIsNoRegularFileOrTooLargeIsRefusedByNameWithoutWaiting)
{
    testsupport::TempResourceTree tree({});
    testsupport::WatchedPipe pipe(tree.Root() / "pipe.txt");
    ASSERT_TRUE(pipe.Made());
    const fs::path zero = tree.Root() / "zero.txt";
    fs::create_symlink("/dev/zero", zero);
    const fs::path folder = tree.Root() / "folder.txt";
    fs::create_directory(folder);
    const fs::path large = tree.Root() / "large.txt";
    tree.WriteFile("large.txt", "x");
    fs::resize_file(large, Platform::kMostFileBytes + 1);  // sparse: no room taken
    const fs::path missing = tree.Root() / "missing.txt";
    const std::pair<fs::path, const char*> cases[] = {{pipe.Path(), "it is a named pipe"},
                                                      {zero, "it is a device"},
                                                      {folder, "it is a folder"},
                                                      {large, "it is larger than 64 MiB"},
                                                      {missing, "No such file or directory"}};
    Framework::TextureSystem pictures;
    pictures.spriteFolder = tree.Root().string();
    pictures.LoadFolder(pictures.spriteFolder);  // all but the folder and the missing file
    for (const auto& [path, cause] : cases) {
        std::string text = "before";
        std::string why;
        EXPECT_FALSE(Platform::ReadWholeFile(path.string(), text, &why)) << path;
        EXPECT_EQ(why.rfind(cause, 0), 0u) << path << ": " << why;
        EXPECT_EQ(text, "before");
        EXPECT_FALSE(Platform::ReadFileStart(path.string(), 24, text, &why)) << path;
        EXPECT_EQ(why.rfind(cause, 0), 0u) << path << ": " << why;

        testing::internal::CaptureStdout();
        EXPECT_EQ(LoadLevelFile("Level1", path.string()), FileRead::Unread) << path;
        const std::string said = testing::internal::GetCapturedStdout();
        EXPECT_NE(said.find(cause), std::string::npos) << said;
        DestroyAll();

        // As a picture: no size to sort by, and a message naming it and what stands there.
        EXPECT_EQ(DecodeBatch::PixelBytesOf(path.string()), 0u) << path;
        const GLTexture::Decoded decoded = GLTexture::Decode(path.string());
        EXPECT_EQ(decoded.error, GLTexture::kCannotOpen) << path;
        EXPECT_EQ(decoded.unread.rfind(cause, 0), 0u) << path << ": " << decoded.unread;
        testing::internal::CaptureStderr();
        pictures.GetTexture(path.filename().string());
        const std::string told = testing::internal::GetCapturedStderr();
        EXPECT_NE(told.find("Picture \"" + path.string() + "\" cannot be read (" + cause), std::string::npos) << told;
    }
    EXPECT_TRUE(fs::is_fifo(pipe.Path()));
    EXPECT_FALSE(pipe.Waited()) << "something opened the named pipe and waited on it";
}

// A file that grows past the bound while it is read is held to it as one that was too large when
// opened: every read returns at most kMostFileBytes bytes, or is refused as larger.
TEST(OddFiles, AFileGrowingPastTheBoundWhileReadIsHeldToIt)
{
    TempFolder folder;
    const std::string path = folder.File("growing.txt");
    constexpr off_t kLow = static_cast<off_t>(Platform::kMostFileBytes) - (256 << 10);
    constexpr off_t kHigh = static_cast<off_t>(Platform::kMostFileBytes) + (256 << 10);
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, kLow), 0);  // sparse: no room taken
    // Grows it across the bound over and over: up past it by appending, then back below.
    std::atomic<bool> done{false};
    std::thread grower([&] {
        const std::string chunk(4096, 'x');
        while (!done) {
            struct stat info {};
            if (fstat(fd, &info) != 0 || info.st_size >= kHigh) {
                if (ftruncate(fd, kLow) != 0)
                    return;
            } else if (write(fd, chunk.data(), chunk.size()) < 0) {
                return;
            }
        }
    });
    int whole = 0;
    int refused = 0;
    std::string failure;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (std::chrono::steady_clock::now() < deadline && failure.empty()) {
        std::string text;
        std::string why;
        if (Platform::ReadWholeFile(path, text, &why)) {
            ++whole;
            if (text.size() > Platform::kMostFileBytes)
                failure = "read " + std::to_string(text.size()) + " bytes";
        } else {
            ++refused;
            if (why.rfind("it is larger than 64 MiB", 0) != 0)
                failure = "refused: " + why;
        }
    }
    done = true;
    grower.join();
    close(fd);
    EXPECT_EQ(failure, "") << whole << " read whole, " << refused << " refused";
    EXPECT_GT(whole + refused, 0);
}

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "ObjectTestHelpers.h"
#include "graphics/GLTexture.h"
#include "objects/LevelFile.h"
#include "platform/WholeFile.h"
#include "support/TempResourceTree.h"

namespace fs = std::filesystem;

// Whatever stands in a file's place is refused by name without blocking: a named pipe with no
// writer, a device that never ends, a folder, a file too large to be one of ours.
TEST(OddFiles, WhatIsNoRegularFileOrTooLargeIsRefusedByNameWithoutWaiting)
{
    testsupport::TempResourceTree tree({});
    const fs::path pipe = tree.Root() / "pipe.txt";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    const fs::path zero = tree.Root() / "zero.txt";
    fs::create_symlink("/dev/zero", zero);
    const fs::path folder = tree.Root() / "folder.txt";
    fs::create_directory(folder);
    const fs::path large = tree.Root() / "large.txt";
    tree.WriteFile("large.txt", "x");
    fs::resize_file(large, Platform::kMostFileBytes + 1);  // sparse: no room taken
    const std::pair<fs::path, const char*> cases[] = {{pipe, "it is a named pipe"},
                                                      {zero, "it is a device"},
                                                      {folder, "it is a folder"},
                                                      {large, "it is larger than 64 MiB"}};
    for (const auto& [path, cause] : cases) {
        std::string text = "before";
        std::string why;
        EXPECT_FALSE(Platform::ReadWholeFile(path.string(), text, &why)) << path;
        EXPECT_EQ(why.rfind(cause, 0), 0u) << path << ": " << why;
        EXPECT_EQ(text, "before");

        testing::internal::CaptureStdout();
        EXPECT_EQ(LoadLevelFile("Level1", path.string()), FileRead::Unread) << path;
        const std::string said = testing::internal::GetCapturedStdout();
        EXPECT_NE(said.find(cause), std::string::npos) << said;
        DestroyAll();
        EXPECT_EQ(GLTexture::Decode(path.string()).error, GLTexture::kCannotOpen) << path;  // as a picture
    }
    EXPECT_TRUE(fs::is_fifo(pipe));
}

// Writing a whole file at once: two writers of one file, and a file that is a symbolic link.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "platform/AtomicFile.h"
#include "ObjectTestHelpers.h"
#include "support/DiskWithoutLinks.h"

namespace fs = std::filesystem;

namespace {
// The file whose flush to disk fails, as on a disk that fails while it is written; empty: none.
std::string gFailingFlushOf;
}  // namespace

// Stands in for the system's flush in this test program, so that one file's write can fail while
// its temporary file's, written just before with the same bytes, succeeds.
extern "C" int fsync(int fd)
{
    if (!gFailingFlushOf.empty()) {
        char link[64];
        std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
        char target[PATH_MAX];
        const ssize_t length = readlink(link, target, sizeof target - 1);
        if (length > 0 && std::string(target, static_cast<std::size_t>(length)) == gFailingFlushOf) {
            errno = EIO;
            return -1;
        }
    }
    return static_cast<int>(syscall(SYS_fsync, fd));
}

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

// On a disk without hard links a new file still appears whole or not at all (a no-replace rename
// gives it its name): a copy kept aside at the same time by another writer is read whole, never
// half written. No temporary file is left.
TEST(AtomicFile, ANewFileOnADiskWithoutLinksAppearsWhole)
{
    TempFolder folder;
    const std::string path = folder.File("SaveData.txt.broken");
    const std::string contents(1 << 20, 's');
    for (const testsupport::LinkRefusal& refusal : testsupport::LinkRefusals()) {
        if (refusal.renameNoReplace != 0)
            continue;  // that disk has only the exclusive make, written in place
        testsupport::DiskWithoutLinks disk(refusal);
        std::atomic<bool> done{false};
        std::atomic<long long> partSeen{-1};
        std::thread watcher([&] {
            while (!done) {
                struct stat info {};
                if (stat(path.c_str(), &info) == 0 && info.st_size != static_cast<off_t>(contents.size()))
                    partSeen = info.st_size;
            }
        });
        for (int round = 0; round < 10; ++round) {
            fs::remove(path);
            bool taken = false;
            std::string error;
            EXPECT_TRUE(Platform::WriteNewFileAtomically(path, contents, taken, error)) << refusal.Name() << ": " << error;
        }
        done = true;
        watcher.join();
        EXPECT_EQ(partSeen.load(), -1) << refusal.Name() << ": a part of the file was seen under its name";
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), fs::directory_iterator()), 1) << refusal.Name();
    }
}

// On a disk that refuses both ways of claiming a name whole, the name is made and written in
// place; a write that fails there takes the half-made file away again, and the next one lands.
TEST(AtomicFile, AFileMadeInPlaceWhoseWriteFailsIsRemoved)
{
    TempFolder folder;
    const std::string path = fs::canonical(folder.path).string() + "/SaveData.txt.broken";
    for (const testsupport::LinkRefusal& refusal : testsupport::LinkRefusals()) {
        if (refusal.renameNoReplace == 0)
            continue;
        testsupport::DiskWithoutLinks disk(refusal);
        bool taken = true;
        std::string error;
        gFailingFlushOf = path;
        const bool written = Platform::WriteNewFileAtomically(path, "the save as it was\n", taken, error);
        gFailingFlushOf.clear();
        EXPECT_FALSE(written) << refusal.Name();
        EXPECT_FALSE(taken) << refusal.Name();
        EXPECT_NE(error.find("cannot write " + path), std::string::npos) << refusal.Name() << ": " << error;
        EXPECT_TRUE(fs::is_empty(folder.path)) << refusal.Name() << ": nothing is left at the name";

        EXPECT_TRUE(Platform::WriteNewFileAtomically(path, "the save as it was\n", taken, error)) << error;
        EXPECT_EQ(ReadWholeFile(path), "the save as it was\n") << refusal.Name();
        fs::remove(path);
    }
}

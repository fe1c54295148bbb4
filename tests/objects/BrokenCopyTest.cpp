// Copies of a damaged file kept beside it before it is written again.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <thread>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/BrokenCopy.h"
#include "platform/WholeFile.h"
#include "support/DiskWithoutLinks.h"
#include "ObjectTestHelpers.h"

namespace fs = std::filesystem;
using testsupport::DiskWithoutLinks;
using testsupport::LinkRefusal;

namespace {
ino_t Inode(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

std::vector<std::string> TemporaryFiles(const TempFolder& folder)
{
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder.path))
        if (entry.path().filename().string().find(".tmp") != std::string::npos)
            found.push_back(entry.path().filename().string());
    return found;
}
}  // namespace

// Threads keeping copies of one file at once each claim a name of their own; none is replaced,
// on a disk with hard links or without them.
TEST(BrokenCopy, CopiesKeptAtOnceEachKeepTheirOwnName)
{
    constexpr int kThreads = 16;
    std::vector<LinkRefusal> disks = {{0, 0}};
    for (const LinkRefusal& refusal : testsupport::LinkRefusals())
        if (refusal.link == EPERM)
            disks.push_back(refusal);
    for (const LinkRefusal& disk : disks) {
        DiskWithoutLinks refused(disk);
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
                EXPECT_EQ(ReadWholeFile(keptAs[i]), std::to_string(i)) << disk.Name() << ", round " << round << ": " << errors[i];
        }
    }
    std::string why;
    EXPECT_EQ(Platform::BrokenCopyName("no-such-file", &why) + why, "it cannot be read");
}

// Where the disk refuses hard links (and perhaps the no-replace rename), each copy is still made
// under the name promised, and nothing already there is replaced.
TEST(BrokenCopy, CopiesAreKeptOnADiskWithoutHardLinks)
{
    for (const LinkRefusal& disk : testsupport::LinkRefusals()) {
        TempFolder folder;
        const std::string path = folder.File("Level1.txt");
        WriteWholeFile(path, "damaged");
        WriteWholeFile(path + ".broken", "an earlier copy");
        DiskWithoutLinks refused(disk);

        EXPECT_EQ(Platform::BrokenCopyName(path), path + ".broken2") << disk.Name();
        std::string keptAs, error;
        bool linked = true;
        EXPECT_TRUE(Platform::KeepBrokenCopy(path, keptAs, error, &linked)) << disk.Name() << ": " << error;
        EXPECT_EQ(keptAs, path + ".broken2") << disk.Name();
        EXPECT_FALSE(linked) << disk.Name();
        EXPECT_EQ(ReadWholeFile(path + ".broken2"), "damaged") << disk.Name();
        EXPECT_NE(Inode(path + ".broken2"), Inode(path)) << disk.Name();

        EXPECT_TRUE(Platform::KeepCopyOf(path, "other", keptAs, error)) << disk.Name() << ": " << error;
        EXPECT_EQ(keptAs, path + ".broken3") << disk.Name();
        EXPECT_TRUE(Platform::KeepBrokenCopy(path, keptAs, error)) << disk.Name() << ": " << error;
        EXPECT_EQ(keptAs, path + ".broken2") << disk.Name() << ": the copy of those bytes already kept";

        EXPECT_EQ(ReadWholeFile(path + ".broken"), "an earlier copy") << disk.Name();
        EXPECT_EQ(ReadWholeFile(path + ".broken3"), "other") << disk.Name();
        EXPECT_FALSE(fs::exists(path + ".broken4")) << disk.Name();
        EXPECT_EQ(TemporaryFiles(folder), std::vector<std::string>{}) << disk.Name();
    }
}

// Where links work, the file kept is linked to the copy's name: no bytes are written. The next
// write replaces the live file by rename and the copy keeps the old bytes; a write that failed
// has its linked copy undone, and a copy that no longer is the live file is never removed.
TEST(BrokenCopy, ACopyByLinkIsTheFileItselfUntilTheNextWrite)
{
    TempFolder folder;
    const std::string path = folder.File("KeyboardActionMap.txt");
    WriteWholeFile(path, "damaged");
    std::string keptAs, error;
    bool linked = false;
    ASSERT_TRUE(Platform::KeepBrokenCopy(path, keptAs, error, &linked)) << error;
    EXPECT_TRUE(linked);
    EXPECT_EQ(Inode(keptAs), Inode(path)) << "one file, two names";
    EXPECT_TRUE(Platform::UndoLinkedCopy(path, keptAs));
    EXPECT_FALSE(fs::exists(keptAs));
    EXPECT_EQ(ReadWholeFile(path), "damaged");

    ASSERT_TRUE(Platform::KeepBrokenCopy(path, keptAs, error, &linked)) << error;
    ASSERT_TRUE(Platform::WriteFileAtomically(path, "mended", error)) << error;
    EXPECT_FALSE(Platform::UndoLinkedCopy(path, keptAs)) << "no longer the live file";
    EXPECT_EQ(ReadWholeFile(keptAs), "damaged");
    EXPECT_EQ(ReadWholeFile(path), "mended");

    // Through a symbolic link the copy is of the file it leads to, and a plain file beside the link.
    const std::string target = folder.File("bindings.txt");
    WriteWholeFile(target, "damaged too");
    const std::string link = folder.File("Level1.txt");
    fs::create_symlink("bindings.txt", link);
    ASSERT_TRUE(Platform::KeepBrokenCopy(link, keptAs, error, &linked)) << error;
    EXPECT_EQ(keptAs, link + ".broken");
    EXPECT_FALSE(fs::is_symlink(keptAs));
    EXPECT_EQ(Inode(keptAs), Inode(target));
    ASSERT_TRUE(Platform::WriteFileAtomically(link, "written", error)) << error;
    EXPECT_EQ(ReadWholeFile(keptAs), "damaged too");
}

// A copy is promised only where it can be made, and the name promised is the one made: a
// dangling link stands at its name as any file does. A copy that fails names none.
TEST(BrokenCopy, TheCopyPromisedIsTheCopyMade)
{
    TempFolder folder;
    const std::string path = folder.File("Level1.txt");
    WriteWholeFile(path, "damaged");
    fs::create_symlink("nowhere", path + ".broken");
    std::string why;
    EXPECT_EQ(Platform::BrokenCopyName(path, &why), path + ".broken2") << why;
    std::string keptAs, error;
    EXPECT_TRUE(Platform::KeepBrokenCopy(path, keptAs, error)) << error;
    EXPECT_EQ(keptAs, path + ".broken2");
    EXPECT_TRUE(fs::is_symlink(path + ".broken")) << "left as it was";

    keptAs = "an earlier name";
    EXPECT_FALSE(Platform::KeepCopyOf(folder.File("no-such-folder/Level1.txt"), "text", keptAs, error));
    EXPECT_EQ(keptAs, "") << error;

    // A folder no one may add to, not even root: the process's own entry in /proc.
    if (Platform::CanReadFile("/proc/self/status", why)) {
        EXPECT_EQ(Platform::BrokenCopyName("/proc/self/status", &why), "");
        EXPECT_EQ(why.rfind("its folder cannot take a new file (", 0), 0u) << why;
    }
    if (geteuid() != 0) {
        fs::permissions(folder.path, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(Platform::BrokenCopyName(path, &why), "");
        EXPECT_EQ(why, "its folder cannot take a new file (Permission denied)");
        fs::permissions(folder.path, fs::perms::owner_all);
    }
}

// A copy linked by a writer is the live file until its rename: a second writer keeping a copy of
// the same bytes meanwhile takes a name of its own, which stands when the first undoes its link
// (its write failed).
TEST(BrokenCopy, ACopyStillLinkedToTheLiveFileIsNoCopyForAnotherWriter)
{
    enum class Second { LinkedKeep, ByteKeep, CopyOfTheBytes };
    for (const Second second : {Second::LinkedKeep, Second::ByteKeep, Second::CopyOfTheBytes}) {
        SCOPED_TRACE(static_cast<int>(second));
        TempFolder folder;
        const std::string path = folder.File("TxtName.txt");
        WriteWholeFile(path, "damaged");
        std::string first, error;
        bool linked = false;
        ASSERT_TRUE(Platform::KeepBrokenCopy(path, first, error, &linked)) << error;
        ASSERT_TRUE(linked);
        EXPECT_EQ(Platform::BrokenCopyName(path), path + ".broken2") << "the linked name is not promised";

        std::string kept;
        bool secondLinked = false;
        const bool made = second == Second::CopyOfTheBytes ? Platform::KeepCopyOf(path, "damaged", kept, error)
                          : second == Second::LinkedKeep   ? Platform::KeepBrokenCopy(path, kept, error, &secondLinked)
                                                           : Platform::KeepBrokenCopy(path, kept, error);
        ASSERT_TRUE(made) << error;
        EXPECT_EQ(kept, path + ".broken2");
        EXPECT_TRUE(Platform::UndoLinkedCopy(path, first));
        EXPECT_EQ(ReadWholeFile(kept), "damaged") << "the second writer's reported copy is gone";
    }
}

// A writer killed between its linked copy and its rename left the copy a second name of the live
// file: severed, each such copy holds its bytes when the live file is then changed in place, and a
// copy that was a file of its own is left as it was.
TEST(BrokenCopy, ACopyLeftLinkedByACrashGetsBytesOfItsOwn)
{
    TempFolder folder;
    const std::string path = folder.File("PrefabName.txt");
    WriteWholeFile(path, "as kept");
    const std::string other = folder.File("Other.txt");
    WriteWholeFile(other, "other");
    for (const std::string& copy : {path + ".broken", path + ".broken3"})
        ASSERT_EQ(link(path.c_str(), copy.c_str()), 0);
    ASSERT_EQ(link(other.c_str(), (path + ".broken4").c_str()), 0);  // no copy of its live name
    WriteWholeFile(path + ".broken2", "a copy of its own");
    const ino_t own = Inode(path + ".broken2");

    EXPECT_EQ(Platform::SeverLinkedCopies(folder.path), 2);
    WriteWholeFile(path, "edited in place");
    EXPECT_EQ(ReadWholeFile(path + ".broken"), "as kept");
    EXPECT_EQ(ReadWholeFile(path + ".broken3"), "as kept");
    EXPECT_EQ(Inode(path + ".broken2"), own);
    EXPECT_EQ(ReadWholeFile(path + ".broken2"), "a copy of its own");
    EXPECT_EQ(Inode(path + ".broken4"), Inode(other));
    EXPECT_EQ(TemporaryFiles(folder), std::vector<std::string>{});
}

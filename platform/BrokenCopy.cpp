#include "platform/BrokenCopy.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>

#include "platform/AtomicFile.h"
#include "platform/FileSystemSeam.h"
#include "platform/WholeFile.h"

namespace Platform {

namespace {
// Copies kept of one file: past this something keeps breaking it, and more would not help.
constexpr int kMostCopies = 99;

std::string CopyName(const std::string& path, int copy)
{
    return path + ".broken" + (copy > 1 ? std::to_string(copy) : "");
}

// What stands at a copy's name: nothing, a copy of these bytes, or something else.
enum class Slot { Free, HoldsText, Taken };

Slot Look(const std::string& name, const std::string& text)
{
    // Not followed: a dangling link stands there, and no claim would replace it.
    if (!PathStands(name))
        return Slot::Free;
    std::string earlier;
    return ReadWholeFile(name, earlier) && earlier == text ? Slot::HoldsText : Slot::Taken;
}

// Makes the copy under a free name; taken when something stood there first.
using Claim = std::function<bool(const std::string& name, bool& taken, std::string& error)>;

bool KeepUnder(const std::string& path, const std::string& text, const Claim& claim, std::string& keptAs,
               std::string& error)
{
    for (int copy = 1; copy <= kMostCopies; ++copy) {
        keptAs = CopyName(path, copy);
        Slot slot = Look(keptAs, text);
        if (slot == Slot::Free) {
            bool taken = false;
            if (claim(keptAs, taken, error))
                return true;
            if (!taken) {
                keptAs.clear();
                return false;
            }
            // Made by someone else meanwhile, whole: it may be a copy of these bytes too.
            slot = Look(keptAs, text);
        }
        if (slot == Slot::HoldsText)
            return true;
    }
    keptAs.clear();
    error = std::to_string(kMostCopies) + " broken copies of " + path + " are kept already";
    return false;
}

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}
}  // namespace

std::string BrokenCopyName(const std::string& path, std::string* whyNone)
{
    std::string text;
    if (!ReadWholeFile(path, text)) {
        if (whyNone)
            *whyNone = "it cannot be read";
        return "";
    }
    // Every claim makes a new name in the folder.
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) != 0) {
        if (whyNone)
            *whyNone = std::string("its folder cannot take a new file (") + std::strerror(errno) + ")";
        return "";
    }
    for (int copy = 1; copy <= kMostCopies; ++copy) {
        if (Look(CopyName(path, copy), text) != Slot::Taken)
            return CopyName(path, copy);
    }
    if (whyNone)
        *whyNone = std::to_string(kMostCopies) + " copies of it are kept already";
    return "";
}

bool KeepCopyOf(const std::string& path, const std::string& text, std::string& keptAs, std::string& error)
{
    const Claim claim = [&text](const std::string& name, bool& taken, std::string& claimError) {
        return WriteNewFileAtomically(name, text, taken, claimError);
    };
    return KeepUnder(path, text, claim, keptAs, error);
}

bool KeepBrokenCopy(const std::string& path, std::string& keptAs, std::string& error, bool* linked)
{
    if (linked)
        *linked = false;
    // The file is noted before it is read: one replaced meanwhile is not the bytes read, and gets
    // those bytes copied instead of a link.
    struct stat read {};
    bool mayLink = linked && stat(path.c_str(), &read) == 0;
    std::string text;
    std::string why;
    if (!ReadWholeFile(path, text, &why)) {
        error = "cannot read " + path + ": " + why;
        keptAs.clear();
        return false;
    }
    const Claim claim = [&](const std::string& name, bool& taken, std::string& claimError) {
        if (mayLink) {
            if (FileSystemSeam::Link(path, name) == 0) {
                struct stat made {};
                if (lstat(name.c_str(), &made) == 0 && SameFile(made, read)) {
                    if (linked)
                        *linked = true;
                    return true;
                }
                unlink(name.c_str());  // ours, made just now, but of a newer file
            } else if (errno == EEXIST) {
                taken = true;
                claimError = "there is a file at " + name;
                return false;
            }
            // A disk without hard links, or a file replaced since it was read.
            mayLink = false;
        }
        return WriteNewFileAtomically(name, text, taken, claimError);
    };
    return KeepUnder(path, text, claim, keptAs, error);
}

bool UndoLinkedCopy(const std::string& path, const std::string& keptAs)
{
    struct stat live {};
    struct stat copy {};
    if (stat(path.c_str(), &live) != 0 || lstat(keptAs.c_str(), &copy) != 0 || !SameFile(live, copy))
        return false;
    return unlink(keptAs.c_str()) == 0;
}

}  // namespace Platform

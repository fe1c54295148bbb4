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

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Both names lead to one file.
bool SameFile(const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 && SameFile(first, second);
}

Slot Look(const std::string& path, const std::string& name, const std::string& text)
{
    // Not followed: a dangling link stands there, and no claim would replace it.
    if (!PathStands(name))
        return Slot::Free;
    // Still the live file (a writer's linked copy before its rename): it is no settled copy, as
    // that writer may undo it, and a change to the file in place would change it too.
    if (SameFile(path, name))
        return Slot::Taken;
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
        Slot slot = Look(path, keptAs, text);
        if (slot == Slot::Free) {
            bool taken = false;
            if (claim(keptAs, taken, error))
                return true;
            if (!taken) {
                keptAs.clear();
                return false;
            }
            // Made by someone else meanwhile, whole: it may be a copy of these bytes too.
            slot = Look(path, keptAs, text);
        }
        if (slot == Slot::HoldsText)
            return true;
    }
    keptAs.clear();
    error = std::to_string(kMostCopies) + " broken copies of " + path + " are kept already";
    return false;
}

// "<name>.broken" or "<name>.brokenN": the live file's name, empty for any other name.
std::string LiveNameOf(const std::string& copy)
{
    const std::string mark = ".broken";
    const std::size_t at = copy.rfind(mark);
    if (at == std::string::npos || at == 0)
        return "";
    for (std::size_t i = at + mark.size(); i < copy.size(); ++i)
        if (copy[i] < '0' || copy[i] > '9')
            return "";
    return copy.substr(0, at);
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
        if (Look(path, CopyName(path, copy), text) != Slot::Taken)
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
    struct stat noted {};
    bool mayLink = linked && stat(path.c_str(), &noted) == 0;
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
                if (lstat(name.c_str(), &made) == 0 && SameFile(made, noted)) {
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

int SeverLinkedCopies(const std::string& folder)
{
    namespace fs = std::filesystem;
    int severed = 0;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string live = LiveNameOf(it->path().filename().string());
        struct stat copy {};
        if (live.empty() || lstat(it->path().c_str(), &copy) != 0 || !S_ISREG(copy.st_mode))
            continue;
        const std::string copyPath = it->path().string();
        const std::string livePath = (it->path().parent_path() / live).string();
        if (!SameFile(livePath, copyPath))
            continue;
        // The same bytes in a file of its own, renamed over the copy's name: the live file keeps
        // its own, and the copy no longer changes with it.
        std::string text;
        std::string error;
        if (ReadWholeFile(copyPath, text) && WriteFileAtomically(copyPath, text, error))
            ++severed;
    }
    return severed;
}

}  // namespace Platform

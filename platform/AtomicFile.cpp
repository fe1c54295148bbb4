#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/FileSystemSeam.h"

namespace Platform {

namespace {

namespace fs = std::filesystem;

constexpr const char* kTempMark = ".tmp";
constexpr std::size_t kTempSuffixLength = 6;  // mkstemp's XXXXXX
// A temporary file this old is no live writer's: a write takes well under a second from making
// it to renaming it. A younger one may be another writer's (a second game, another thread) that
// is about to be renamed.
constexpr time_t kLeftoverSeconds = 60;
// As the system's own bound on a chain of symbolic links.
constexpr int kMostLinks = 40;

bool IsAlnum(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// True for "<target>.tmpXXXXXX", or any "<name>.tmpXXXXXX" when target is empty.
bool IsOurTemporary(const std::string& name, const std::string& target)
{
    const std::size_t markLength = std::strlen(kTempMark);
    if (name.size() <= markLength + kTempSuffixLength)
        return false;
    const std::size_t stem = name.size() - markLength - kTempSuffixLength;
    if (name.compare(stem, markLength, kTempMark) != 0)
        return false;
    for (std::size_t i = stem + markLength; i < name.size(); ++i)
        if (!IsAlnum(name[i]))
            return false;
    return target.empty() || (stem == target.size() && name.compare(0, stem, target) == 0);
}

// A regular file last written over kLeftoverSeconds ago (a clock set back counts as young).
bool IsOldRegularFile(const fs::path& path)
{
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    return std::time(nullptr) - info.st_mtime > kLeftoverSeconds;
}

// Removes the leftovers in folder that belong to target (all of them for an empty target).
int RemoveLeftovers(const fs::path& folder, const std::string& target)
{
    int removed = 0;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!IsOurTemporary(name, target) || !IsOldRegularFile(it->path()))
            continue;
        std::error_code removeError;
        if (fs::remove(it->path(), removeError))
            ++removed;
    }
    return removed;
}

// Writes all of contents to fd; false with errno set.
bool WriteAll(int fd, const std::string& contents)
{
    const char* data = contents.data();
    std::size_t left = contents.size();
    while (left > 0) {
        const ssize_t written = write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// Writes contents to a new temporary file beside path, flushed to disk and closed, and names it
// in tempPath; on failure nothing is left behind.
bool WriteTemporaryFile(const std::string& path, const std::string& contents, std::string& tempPath,
                        std::string& error)
{
    std::string pattern = path + ".tmpXXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        error = "cannot create a temporary file next to " + path + ": " + std::strerror(errno);
        return false;
    }
    tempPath = name.data();

    auto fail = [&](const char* what) {
        error = std::string(what) + " " + tempPath + ": " + std::strerror(errno);
        close(fd);
        unlink(tempPath.c_str());
        return false;
    };

    // Keep the old file's permissions; a new file gets the usual rw-r--r--.
    struct stat old {};
    const mode_t mode = stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    if (fchmod(fd, mode) != 0) {
        return fail("cannot set the permissions of");
    }

    if (!WriteAll(fd, contents)) {
        return fail("cannot write");
    }
    if (fsync(fd) != 0) {
        return fail("cannot flush");
    }
    if (close(fd) != 0) {
        error = "cannot close " + tempPath + ": " + std::strerror(errno);
        unlink(tempPath.c_str());
        return false;
    }
    return true;
}

// The file a write of path lands in: path itself, or the end of the chain of symbolic links
// standing there (which need not exist yet), so that a link stays a link. False on a loop.
bool FollowLinks(const std::string& path, std::string& target, std::string& error)
{
    target = path;
    for (int hops = 0; hops <= kMostLinks; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(target, ec)))
            return true;
        const fs::path to = fs::read_symlink(target, ec);
        if (ec) {
            error = "cannot follow the link " + target + ": " + ec.message();
            return false;
        }
        target = (to.is_absolute() ? to : fs::path(target).parent_path() / to).string();
    }
    error = "cannot follow the link " + path + ": " + std::strerror(ELOOP);
    return false;
}

// Makes path hold contents, creating it only if nothing stands there, for a disk that refuses
// both link and the no-replace rename. What it made is removed again if the write fails.
bool WriteExclusively(const std::string& path, const std::string& contents, bool& taken, std::string& error)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        const int openError = errno;
        taken = openError == EEXIST;
        error = (taken ? "there is a file at " : "cannot make ") + path + ": " + std::strerror(openError);
        return false;
    }
    const bool written = fchmod(fd, 0644) == 0 && WriteAll(fd, contents) && fsync(fd) == 0;
    const int writeError = errno;
    if (close(fd) != 0 || !written) {
        error = "cannot write " + path + ": " + std::strerror(written ? errno : writeError);
        unlink(path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int RemoveTemporaryLeftovers(const std::string& folder)
{
    return RemoveLeftovers(fs::path(folder), std::string());
}

bool WriteFileAtomically(const std::string& path, const std::string& contents, std::string& error)
{
    // A link is written through: renamed over, it would become a plain file.
    std::string file;
    if (!FollowLinks(path, file, error)) {
        return false;
    }
    std::string tempPath;
    if (!WriteTemporaryFile(file, contents, tempPath, error)) {
        return false;
    }
    if (std::rename(tempPath.c_str(), file.c_str()) != 0) {
        error = "cannot replace " + file + ": " + std::strerror(errno);
        unlink(tempPath.c_str());
        return false;
    }
    // A write killed before its rename left its temporary file behind; this one has landed.
    const fs::path target(file);
    RemoveLeftovers(target.parent_path(), target.filename().string());
    return true;
}

bool WriteNewFileAtomically(const std::string& path, const std::string& contents, bool& taken, std::string& error)
{
    taken = false;
    std::string tempPath;
    if (!WriteTemporaryFile(path, contents, tempPath, error)) {
        return false;
    }
    // A link, unlike a rename, fails on a name that is there: whoever made it first keeps it.
    // A disk without hard links may still rename without replacing; one with neither gets the
    // name made exclusively and written in place.
    int claimError = 0;
    if (FileSystemSeam::Link(tempPath, path) == 0) {
        unlink(tempPath.c_str());
        return true;
    }
    claimError = errno;
    if (claimError != EEXIST) {
        if (FileSystemSeam::RenameNoReplace(tempPath, path) == 0)
            return true;
        claimError = errno;
    }
    unlink(tempPath.c_str());
    if (claimError != EEXIST)
        return WriteExclusively(path, contents, taken, error);
    taken = true;
    error = "there is a file at " + path + ": " + std::strerror(claimError);
    return false;
}

}  // namespace Platform

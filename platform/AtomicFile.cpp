#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

namespace Platform {

namespace {

namespace fs = std::filesystem;

constexpr const char* kTempMark = ".tmp";
constexpr std::size_t kTempSuffixLength = 6;  // mkstemp's XXXXXX

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

// Removes the leftovers in folder that belong to target (all of them for an empty target).
int RemoveLeftovers(const fs::path& folder, const std::string& target)
{
    int removed = 0;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (!IsOurTemporary(name, target) || !it->is_regular_file(typeError))
            continue;
        std::error_code removeError;
        if (fs::remove(it->path(), removeError))
            ++removed;
    }
    return removed;
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

    const char* data = contents.data();
    std::size_t left = contents.size();
    while (left > 0) {
        const ssize_t written = write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail("cannot write");
        }
        data += written;
        left -= static_cast<std::size_t>(written);
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

}  // namespace

int RemoveTemporaryLeftovers(const std::string& folder)
{
    return RemoveLeftovers(fs::path(folder), std::string());
}

bool WriteFileAtomically(const std::string& path, const std::string& contents, std::string& error)
{
    std::string tempPath;
    if (!WriteTemporaryFile(path, contents, tempPath, error)) {
        return false;
    }
    if (std::rename(tempPath.c_str(), path.c_str()) != 0) {
        error = "cannot replace " + path + ": " + std::strerror(errno);
        unlink(tempPath.c_str());
        return false;
    }
    // A write killed before its rename left its temporary file behind; this one has landed.
    const fs::path target(path);
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
    const int linked = link(tempPath.c_str(), path.c_str());
    const int linkError = errno;
    unlink(tempPath.c_str());
    if (linked != 0) {
        taken = linkError == EEXIST;
        error = (taken ? "there is a file at " : "cannot make ") + path + ": " + std::strerror(linkError);
        return false;
    }
    return true;
}

}  // namespace Platform

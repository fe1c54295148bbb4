#include "platform/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace Platform {

const char* KindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "it is a folder, not a file";
    if (S_ISFIFO(mode))
        return "it is a named pipe, not a file";
    if (S_ISSOCK(mode))
        return "it is a socket, not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device, not a file";
    return "it is not a regular file";
}

namespace {

std::string TooLarge()
{
    return "it is larger than " + std::to_string(kMostFileBytes >> 20) + " MiB";
}

// Opens path for reading without blocking and checks what it is; -1 with why on refusal.
int OpenRegularFile(const std::string& path, struct stat& info, std::string& why)
{
    // O_NONBLOCK: opening a named pipe with no writer would wait for one for good.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        why = std::strerror(errno);
        return -1;
    }
    if (fstat(fd, &info) != 0) {
        why = std::strerror(errno);
        close(fd);
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        why = KindOf(info.st_mode);
        close(fd);
        return -1;
    }
    if (static_cast<unsigned long long>(info.st_size) > kMostFileBytes) {
        why = TooLarge();
        close(fd);
        return -1;
    }
    return fd;
}

// Reads from path's checked descriptor: at most `most` bytes, the rest left unread; or, with
// wholeOnly, the whole file, refused once it passes `most` (it may grow while it is read).
bool ReadChecked(const std::string& path, std::size_t most, bool wholeOnly, std::string& text, std::string* why)
{
    std::string reason;
    struct stat info {};
    const int fd = OpenRegularFile(path, info, reason);
    if (fd < 0) {
        if (why)
            *why = reason;
        return false;
    }
    std::string bytes;
    bytes.reserve(std::min(most, static_cast<std::size_t>(info.st_size)));
    char buffer[65536];
    while (wholeOnly || bytes.size() < most) {
        const std::size_t want = wholeOnly ? sizeof buffer : std::min(sizeof buffer, most - bytes.size());
        const ssize_t got = read(fd, buffer, want);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            reason = std::strerror(errno);
            break;
        }
        if (got == 0)
            break;
        if (bytes.size() + static_cast<std::size_t>(got) > most) {
            reason = TooLarge();
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    close(fd);
    if (!reason.empty()) {
        if (why)
            *why = reason;
        return false;
    }
    text = std::move(bytes);
    return true;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& text, std::string* why)
{
    return ReadChecked(path, kMostFileBytes, true, text, why);
}

bool ReadFileStart(const std::string& path, std::size_t count, std::string& bytes, std::string* why)
{
    return ReadChecked(path, count, false, bytes, why);
}

bool CanReadFile(const std::string& path, std::string& why)
{
    struct stat info {};
    const int fd = OpenRegularFile(path, info, why);
    if (fd < 0)
        return false;
    close(fd);
    return true;
}

bool PathStands(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

bool ChangedSince(const std::string& path, const std::optional<std::string>& known)
{
    if (!PathStands(path))
        return false;
    std::string now;
    return !known || !ReadWholeFile(path, now) || now != *known;
}

}  // namespace Platform

#include "platform/LogFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/WholeFile.h"

namespace Platform {

LogFile::~LogFile()
{
    Close();
}

bool LogFile::Open(const std::string& path, std::string& why)
{
    Close();
    why.clear();
    // What stands there is looked at before the open: opening a named pipe for writing would
    // wait for a reader, and opening a device could change it.
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        why = KindOf(info.st_mode);
        return false;
    }
    const int opened = open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (opened < 0) {
        if (errno != ENOENT)
            why = std::strerror(errno);
        return false;
    }
    // Something put there between the look and the open is caught on the descriptor itself.
    if (fstat(opened, &info) != 0)
        why = std::strerror(errno);
    else if (!S_ISREG(info.st_mode))
        why = KindOf(info.st_mode);
    if (!why.empty()) {
        close(opened);
        return false;
    }
    if (ftruncate(opened, 0) != 0) {
        why = std::strerror(errno);
        close(opened);
        return false;
    }
    fd = opened;
    return true;
}

void LogFile::Write(const std::string& bytes)
{
    std::size_t written = 0;
    while (fd >= 0 && written < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        written += static_cast<std::size_t>(n);
    }
}

void LogFile::Close()
{
    if (fd >= 0)
        close(fd);
    fd = -1;
}

}  // namespace Platform

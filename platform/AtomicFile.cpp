#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace Platform {

bool WriteFileAtomically(const std::string& path, const std::string& contents, std::string& error)
{
    std::string pattern = path + ".tmpXXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        error = "cannot create a temporary file next to " + path + ": " + std::strerror(errno);
        return false;
    }
    const std::string tempPath(name.data());

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
    if (std::rename(tempPath.c_str(), path.c_str()) != 0) {
        error = "cannot replace " + path + ": " + std::strerror(errno);
        unlink(tempPath.c_str());
        return false;
    }
    return true;
}

}  // namespace Platform

#pragma once
#include <string>

namespace Platform {

// A log file written line by line through the one descriptor that was checked when it opened.
// Only a regular file (or nothing, when it is made) is ever written: a named pipe, a device or
// a folder at its path is left as it is, so that the log can never stop the game.
class LogFile {
public:
    LogFile() = default;
    ~LogFile();
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    // Opens path emptied (made when nothing stands there) without blocking. False when it
    // cannot be written: why then says what stands there ("it is a named pipe, not a file"...),
    // or is empty when only the folder is missing, which simply means no log.
    bool Open(const std::string& path, std::string& why);
    bool IsOpen() const { return fd >= 0; }
    // Appends the bytes whole; dropped when the file is not open or the disk refuses them.
    void Write(const std::string& bytes);
    void Close();

private:
    int fd = -1;
};

}  // namespace Platform

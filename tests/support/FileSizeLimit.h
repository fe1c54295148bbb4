#pragma once
#include <sys/resource.h>

#include <csignal>
#include <iostream>

namespace testsupport {

// While it lives, writes past the first few bytes of any file fail as on a full disk (a console
// captured to a file too: look at what the game shows instead).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
        // A console captured to a file failed meanwhile too; it takes lines again.
        std::cout.clear();
        std::cerr.clear();
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved{};
    void (*previous)(int) = SIG_DFL;
};

}  // namespace testsupport

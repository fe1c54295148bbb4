#include "FuzzWorkspace.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

FuzzWorkspace::FuzzWorkspace()
{
    std::error_code ec;
    const fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "vesperine-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("fuzz workspace");
        std::abort();
    }
    root = pattern;
    for (const char* folder : {"resources/level", "resources/sfx", "resources/bgm", "resources/save", "logs", "work"})
        fs::create_directories(fs::path(root) / folder);
    fs::current_path(fs::path(root) / "work");
}

FuzzWorkspace::~FuzzWorkspace()
{
    std::error_code ec;
    fs::current_path(fs::temp_directory_path(), ec);
    fs::remove_all(root, ec);
}

std::string FuzzWorkspace::Path(const std::string& relative) const
{
    return (fs::path(root) / relative).string();
}

void FuzzWorkspace::Write(const std::string& relative, const std::string& bytes) const
{
    std::ofstream out(Path(relative), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

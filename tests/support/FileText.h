#pragma once
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace testsupport {

// The whole file as bytes, or "" when it cannot be read.
inline std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Writes (replacing) the file with exactly these bytes.
inline void WriteFile(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

}  // namespace testsupport

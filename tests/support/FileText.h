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

// In a level's text, sets the line after the record that starts with `head` (its first lines)
// to `value`; false when no record starts so.
inline bool SetLineAfter(std::string& level, const std::string& head, const std::string& value)
{
    const std::size_t at = level.find("\n" + head + "\n");
    if (at == std::string::npos)
        return false;
    const std::size_t line = at + head.size() + 2;
    level.replace(line, level.find('\n', line) - line, value);
    return true;
}

}  // namespace testsupport

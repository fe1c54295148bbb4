#include "editor/EditorFileStore.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "platform/AtomicFile.h"

namespace EditorFileStore {

bool ReadWhole(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

bool Exists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(path, error);
}

bool Rewrite(const std::string& path, const std::string& text, bool keepBrokenCopy)
{
    std::string error;
    std::string old;
    const bool present = keepBrokenCopy && ReadWhole(path, old);
    if (keepBrokenCopy && !present && Exists(path)) {
        std::cout << "Editor: \"" << path << "\" was broken and cannot be read to copy it aside; left as it is\n";
        return false;
    }
    if (present) {
        if (!Platform::WriteFileAtomically(path + ".broken", old, error)) {
            std::cout << "Editor: \"" << path << "\" was broken and could not be copied aside (" << error
                      << "); left as it is\n";
            return false;
        }
        std::cout << "Editor: the broken \"" << path << "\" was kept as \"" << path << ".broken\"\n";
    }
    if (!Platform::WriteFileAtomically(path, text, error)) {
        std::cout << "Editor: could not write \"" << path << "\": " << error << "\n";
        return false;
    }
    return true;
}

}  // namespace EditorFileStore

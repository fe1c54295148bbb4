#include "editor/EditorFileStore.h"

#include <filesystem>
#include <iostream>

#include "platform/AtomicFile.h"
#include "platform/BrokenCopy.h"

namespace EditorFileStore {

bool ReadWhole(const std::string& path, std::string& text)
{
    return Platform::ReadWholeFile(path, text);
}

bool Exists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(path, error);
}

bool Rewrite(const std::string& path, const std::string& text, bool keepBrokenCopy)
{
    std::string error;
    if (keepBrokenCopy && Exists(path)) {
        std::string keptAs;
        if (!Platform::KeepBrokenCopy(path, false, keptAs, error)) {
            std::cout << "Editor: \"" << path << "\" was broken and could not be copied aside (" << error
                      << "); left as it is\n";
            return false;
        }
        std::cout << "Editor: the broken \"" << path << "\" was kept as \"" << keptAs << "\"\n";
    }
    if (!Platform::WriteFileAtomically(path, text, error)) {
        std::cout << "Editor: could not write \"" << path << "\": " << error << "\n";
        return false;
    }
    return true;
}

}  // namespace EditorFileStore

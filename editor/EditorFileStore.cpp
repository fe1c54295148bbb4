#include "editor/EditorFileStore.h"

#include <filesystem>
#include <iostream>

#include "platform/AtomicFile.h"
#include "platform/BrokenCopy.h"
#include "platform/PrintableText.h"

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

bool Rewrite(const std::string& path, const std::string& text, bool keepBrokenCopy, std::string* keptAs)
{
    // A level name may hold any byte the list file held; the system's errors quote the path.
    const std::string shown = Platform::Printable(path);
    std::string error;
    if (keepBrokenCopy && Exists(path)) {
        std::string copy;
        if (!Platform::KeepBrokenCopy(path, copy, error)) {
            std::cout << "Editor: \"" << shown << "\" was broken and could not be copied aside ("
                      << Platform::Printable(error) << "); left as it is\n";
            return false;
        }
        std::cout << "Editor: the broken \"" << shown << "\" was kept as \"" << Platform::Printable(copy) << "\"\n";
        if (keptAs)
            *keptAs = copy;
    }
    if (!Platform::WriteFileAtomically(path, text, error)) {
        std::cout << "Editor: could not write \"" << shown << "\": " << Platform::Printable(error) << "\n";
        return false;
    }
    return true;
}

}  // namespace EditorFileStore

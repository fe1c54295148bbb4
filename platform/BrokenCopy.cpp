#include "platform/BrokenCopy.h"

#include <filesystem>
#include <system_error>

#include "platform/AtomicFile.h"

namespace Platform {

namespace {
// Copies kept of one file: past this something keeps breaking it, and more would not help.
constexpr int kMostCopies = 99;
}  // namespace

bool KeepBrokenCopy(const std::string& path, bool keepEarlier, std::string& keptAs, std::string& error)
{
    std::string text;
    if (!ReadWholeFile(path, text)) {
        error = "cannot read " + path;
        return false;
    }
    for (int copy = 1; copy <= kMostCopies; ++copy) {
        keptAs = path + ".broken" + (copy > 1 ? std::to_string(copy) : "");
        std::error_code ec;
        // Whatever cannot be looked at counts as taken.
        const bool taken = std::filesystem::exists(keptAs, ec) || ec;
        if (keepEarlier && taken) {
            std::string earlier;
            if (ReadWholeFile(keptAs, earlier) && earlier == text)
                return true;
            continue;
        }
        return WriteFileAtomically(keptAs, text, error);
    }
    error = std::to_string(kMostCopies) + " broken copies of " + path + " are kept already";
    return false;
}

}  // namespace Platform

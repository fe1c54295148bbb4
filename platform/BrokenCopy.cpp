#include "platform/BrokenCopy.h"

#include <filesystem>
#include <system_error>

#include "platform/AtomicFile.h"

namespace Platform {

namespace {
// Copies kept of one file: past this something keeps breaking it, and more would not help.
constexpr int kMostCopies = 99;

// The copy's name for text, and whether it holds text already; empty when all are taken.
std::string CopyName(const std::string& path, const std::string& text, bool& keptAlready)
{
    for (int copy = 1; copy <= kMostCopies; ++copy) {
        const std::string name = path + ".broken" + (copy > 1 ? std::to_string(copy) : "");
        std::error_code ec;
        // Whatever cannot be looked at counts as taken.
        if (!std::filesystem::exists(name, ec) && !ec) {
            keptAlready = false;
            return name;
        }
        std::string earlier;
        if (ReadWholeFile(name, earlier) && earlier == text) {
            keptAlready = true;
            return name;
        }
    }
    return "";
}
}  // namespace

std::string BrokenCopyName(const std::string& path, std::string* whyNone)
{
    std::string text;
    bool keptAlready = false;
    if (!ReadWholeFile(path, text)) {
        if (whyNone)
            *whyNone = "it cannot be read";
        return "";
    }
    const std::string name = CopyName(path, text, keptAlready);
    if (name.empty() && whyNone)
        *whyNone = std::to_string(kMostCopies) + " copies of it are kept already";
    return name;
}

bool KeepBrokenCopy(const std::string& path, std::string& keptAs, std::string& error)
{
    std::string text;
    if (!ReadWholeFile(path, text)) {
        error = "cannot read " + path;
        return false;
    }
    bool keptAlready = false;
    keptAs = CopyName(path, text, keptAlready);
    if (keptAs.empty()) {
        error = std::to_string(kMostCopies) + " broken copies of " + path + " are kept already";
        return false;
    }
    return keptAlready || WriteFileAtomically(keptAs, text, error);
}

}  // namespace Platform

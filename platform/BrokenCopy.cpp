#include "platform/BrokenCopy.h"

#include <filesystem>
#include <system_error>

#include "platform/AtomicFile.h"

namespace Platform {

namespace {
// Copies kept of one file: past this something keeps breaking it, and more would not help.
constexpr int kMostCopies = 99;

std::string CopyName(const std::string& path, int copy)
{
    return path + ".broken" + (copy > 1 ? std::to_string(copy) : "");
}

// What stands at a copy's name: nothing, a copy of these bytes, or something else.
enum class Slot { Free, HoldsText, Taken };

Slot Look(const std::string& name, const std::string& text)
{
    std::error_code ec;
    // Whatever cannot be looked at counts as taken.
    if (!std::filesystem::exists(name, ec) && !ec) {
        return Slot::Free;
    }
    std::string earlier;
    return ReadWholeFile(name, earlier) && earlier == text ? Slot::HoldsText : Slot::Taken;
}
}  // namespace

std::string BrokenCopyName(const std::string& path, std::string* whyNone)
{
    std::string text;
    if (!ReadWholeFile(path, text)) {
        if (whyNone)
            *whyNone = "it cannot be read";
        return "";
    }
    for (int copy = 1; copy <= kMostCopies; ++copy) {
        if (Look(CopyName(path, copy), text) != Slot::Taken)
            return CopyName(path, copy);
    }
    if (whyNone)
        *whyNone = std::to_string(kMostCopies) + " copies of it are kept already";
    return "";
}

bool KeepCopyOf(const std::string& path, const std::string& text, std::string& keptAs, std::string& error)
{
    for (int copy = 1; copy <= kMostCopies; ++copy) {
        keptAs = CopyName(path, copy);
        Slot slot = Look(keptAs, text);
        if (slot == Slot::Free) {
            bool taken = false;
            if (WriteNewFileAtomically(keptAs, text, taken, error))
                return true;
            if (!taken)
                return false;
            // Made by someone else meanwhile, whole: it may be a copy of these bytes too.
            slot = Look(keptAs, text);
        }
        if (slot == Slot::HoldsText)
            return true;
    }
    keptAs.clear();
    error = std::to_string(kMostCopies) + " broken copies of " + path + " are kept already";
    return false;
}

bool KeepBrokenCopy(const std::string& path, std::string& keptAs, std::string& error)
{
    std::string text;
    if (!ReadWholeFile(path, text)) {
        error = "cannot read " + path;
        return false;
    }
    return KeepCopyOf(path, text, keptAs, error);
}

}  // namespace Platform

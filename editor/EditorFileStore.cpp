#include "editor/EditorFileStore.h"

#include <iostream>

#include "platform/AtomicFile.h"
#include "platform/BrokenCopy.h"
#include "platform/PrintableText.h"

bool EditorFileStore::Read(const std::string& path, std::string& text)
{
    const bool read = Platform::ReadWholeFile(path, text);
    if (read)
        known[path] = text;
    else if (!Platform::PathStands(path))
        known[path] = std::nullopt;
    else
        known.erase(path);  // nothing known of it: the write's own check keeps it aside
    return read;
}

void EditorFileStore::Remember(const std::string& path)
{
    std::string text;
    Read(path, text);
}

bool EditorFileStore::ChangedOnDisk(const std::string& path) const
{
    const auto at = known.find(path);
    std::string now;
    return at != known.end() && Platform::PathStands(path) &&
           (!at->second || !Platform::ReadWholeFile(path, now) || now != *at->second);
}

bool EditorFileStore::Holds(const std::string& path, const std::string& text) const
{
    const auto at = known.find(path);
    return at != known.end() && at->second && *at->second == text;
}

EditorFileStore::Outcome EditorFileStore::Rewrite(const std::string& path, const std::string& text, bool keepBrokenCopy)
{
    // A level name may hold any byte the list file held; the system's errors quote the path.
    const std::string shown = Platform::Printable(path);
    Outcome outcome;
    std::string error;
    if (Platform::PathStands(path)) {
        outcome.changedOnDisk = ChangedOnDisk(path);
        if (keepBrokenCopy || outcome.changedOnDisk) {
            const char* what = outcome.changedOnDisk ? "changed on disk since the editor read or wrote it"
                                                     : "was broken";
            if (!Platform::KeepBrokenCopy(path, outcome.keptAs, error)) {
                std::cout << "Editor: \"" << shown << "\" " << what << " and could not be copied aside ("
                          << Platform::Printable(error) << "); left as it is\n";
                outcome.failure = "it " + std::string(what) + " and could not be kept aside (" + error + ")";
                outcome.keptAs.clear();
                return outcome;
            }
            std::cout << "Editor: \"" << shown << "\" " << what << "; the file as it was is kept as \""
                      << Platform::Printable(outcome.keptAs) << "\"\n";
        }
    }
    if (!Platform::WriteFileAtomically(path, text, error)) {
        std::cout << "Editor: could not write \"" << shown << "\": " << Platform::Printable(error) << "\n";
        outcome.failure = error;
        return outcome;
    }
    known[path] = text;
    outcome.written = true;
    return outcome;
}

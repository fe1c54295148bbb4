#include "editor/EditorFileStore.h"

#include <iostream>

#include "platform/AtomicFile.h"
#include "platform/BrokenCopy.h"
#include "platform/PrintableText.h"
#include "platform/WholeFile.h"

bool EditorFileStore::Read(const std::string& path, std::string& text, std::string* why)
{
    const bool read = Platform::ReadWholeFile(path, text, why);
    if (read)
        known[path] = text;
    else if (!Platform::PathStands(path))
        known[path] = std::nullopt;
    else
        known.erase(path);  // nothing known of it: a write that would keep it aside leaves it
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
    return at != known.end() && Platform::ChangedSince(path, at->second);
}

EditorFileStore::Outcome EditorFileStore::Rewrite(const std::string& path, const std::string& text,
                                                  const std::string& keepReason)
{
    // A level name may hold any byte the list file held; the system's errors quote the path.
    const std::string shown = Platform::Printable(path);
    Outcome outcome;
    std::string error;
    bool linked = false;
    if (Platform::PathStands(path)) {
        outcome.changedOnDisk = ChangedOnDisk(path);
        if (!keepReason.empty() || outcome.changedOnDisk) {
            // A file that cannot be read (a folder, a pipe, no permission) cannot be kept aside,
            // and is said so: it is not broken for all the editor knows.
            std::string why;
            if (!Platform::CanReadFile(path, why)) {
                std::cout << "Editor: \"" << shown << "\" cannot be read (" << Platform::Printable(why)
                          << "); it is not written over\n";
                outcome.failure = "it cannot be read (" + why + "), so it is not written over";
                return outcome;
            }
            const std::string what =
                outcome.changedOnDisk ? "changed on disk since the editor read or wrote it" : keepReason;
            if (!Platform::KeepBrokenCopy(path, outcome.keptAs, error, &linked)) {
                std::cout << "Editor: \"" << shown << "\" " << what << " and could not be copied aside ("
                          << Platform::Printable(error) << "); left as it is\n";
                outcome.failure = "it " + what + " and could not be kept aside (" + error + ")";
                outcome.keptAs.clear();
                return outcome;
            }
            outcome.keptFor = what;
        }
    }
    const bool written = Platform::WriteFileAtomically(path, text, error);
    // Unwritten, the file stays as it was: a copy linked to it would follow a change made to it
    // in place, so it goes again.
    if (!written && linked && Platform::UndoLinkedCopy(path, outcome.keptAs)) {
        outcome.keptAs.clear();
        outcome.keptFor.clear();
    }
    if (!outcome.keptAs.empty())
        std::cout << "Editor: \"" << shown << "\" " << outcome.keptFor << "; the file as it was is kept as \""
                  << Platform::Printable(outcome.keptAs) << "\"\n";
    if (!written) {
        std::cout << "Editor: could not write \"" << shown << "\": " << Platform::Printable(error) << "\n";
        outcome.failure = error;
        return outcome;
    }
    known[path] = text;
    outcome.written = true;
    return outcome;
}

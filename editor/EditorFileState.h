#pragma once
#include <string>

#include "editor/EditorFileStore.h"

// What the editor knows of one of its own files beyond what it holds: found damaged or
// unreadable when read (the next write keeps a damaged one aside first, and leaves one it cannot
// read as it is), and whether its last write failed (what the editor holds for it then waits for
// the next write, and the menu bar says so).
struct EditorFileState {
    bool damaged = false;
    // Why the file could not be read, though something stands there; empty when it was read or
    // nothing stood there. Such a file is damaged too: it is never written over.
    std::string unreadable;
    // The copy the next write keeps of a damaged file; empty when none can be kept (whyNoCopy).
    std::string keptAs;
    std::string whyNoCopy;
    // Why the last write failed; empty once one succeeded.
    std::string unwritten;
    // The copy the last write kept of what stood there first; empty when it kept none.
    std::string lastKeptAs;

    // After a read: damaged or not (or unreadable, and why), and where its copy would go.
    void Record(const std::string& path, bool isDamaged, const std::string& whyUnread = "");
    // After a write: a written file is whole; a failed one keeps its state and says why.
    void Wrote(const EditorFileStore::Outcome& outcome);
    // No write was needed: the file holds all the editor has for it, so nothing waits.
    void HeldNothingNew();
    bool Unwritten() const { return !unwritten.empty(); }
    // What the next write does with the damaged file, for the menu bar and questions: lead and
    // the copy's name, or that no copy can be kept and the file is left as it is.
    std::string KeepAsidePromise(const std::string& lead) const;
};

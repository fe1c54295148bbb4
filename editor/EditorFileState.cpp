#include "editor/EditorFileState.h"


#include "editor/FieldText.h"
#include "platform/BrokenCopy.h"

void EditorFileState::Record(const std::string& path, bool isDamaged, const std::string& whyUnread)
{
    unreadable = whyUnread;
    damaged = isDamaged || !unreadable.empty();
    whyNoCopy.clear();
    if (!unreadable.empty())
        whyNoCopy = "it cannot be read: " + unreadable;
    keptAs = damaged && unreadable.empty() ? Platform::BrokenCopyName(path, &whyNoCopy) : "";
}

void EditorFileState::Wrote(const EditorFileStore::Outcome& outcome)
{
    lastKeptAs = outcome.keptAs;
    if (outcome.written) {
        damaged = false;
        unreadable.clear();
        unwritten.clear();
    } else {
        unwritten = outcome.failure.empty() ? "it could not be written" : outcome.failure;
    }
}

void EditorFileState::HeldNothingNew()
{
    unwritten.clear();
    lastKeptAs.clear();
}

std::string EditorFileState::KeepAsidePromise(const std::string& lead) const
{
    // Promise no copy that cannot be made: the write is then refused.
    if (keptAs.empty())
        return "it cannot be kept aside (" + whyNoCopy + "), so it is left as it is";
    return lead + FieldText::FileShown(keptAs);
}

#pragma once
#include <string>

namespace Platform {

// The name a copy of the file's present bytes takes beside it: the first of path + ".broken",
// ".broken2", ".broken3"... that is free or holds those bytes already (anything standing at a
// name, even a dangling link, takes it; so does a name that is still the file itself, a writer's
// linked copy not yet settled by its rename). Empty when no copy can be made: the file cannot be read,
// its folder cannot take a new file, or every name is taken; whyNone then says which, in a few
// words.
std::string BrokenCopyName(const std::string& path, std::string* whyNone = nullptr);

// Keeps text beside path as a copy of it, under the first name BrokenCopyName would give for
// those bytes. The name is claimed as the copy is made, so a copy kept by another process at the
// same time is never replaced; a copy of the same bytes is this one already. keptAs names the
// copy. False, with the reason and keptAs empty, when every name is taken or the copy cannot be
// written.
bool KeepCopyOf(const std::string& path, const std::string& text, std::string& keptAs, std::string& error);

// Keeps a file that was found damaged beside it before anything rewrites it, as KeepCopyOf its
// bytes would. A caller about to write the file gives linked: where the disk has hard links the
// copy is then a second name for the file itself (no bytes are written, so a nearly full disk
// can still keep it), and linked tells so. A linked copy is the live file until a write replaces
// that by rename, as every writer of ours does: a caller whose write then fails calls
// UndoLinkedCopy. Without linked (no write follows at once) the bytes are always copied.
// False, with the reason and keptAs empty, when the file cannot be read or the copy cannot be
// kept.
bool KeepBrokenCopy(const std::string& path, std::string& keptAs, std::string& error, bool* linked = nullptr);

// Removes a copy KeepBrokenCopy made by link, for a write of path that then failed: path still
// holds those bytes, and a change later made to it in place would change the copy with it. Only
// while the copy still is path's file; true when it was removed.
bool UndoLinkedCopy(const std::string& path, const std::string& keptAs);

// A writer stopped between its linked copy and its rename (a crash, a kill) leaves the copy a
// second name of the live file, which a change made to it in place would change too. Gives every
// "<name>.broken" / "<name>.brokenN" in folder that is still "<name>" beside it bytes of its own
// (the same bytes, a new file). Run where no writer of the folder is between its link and its
// rename (under its FolderLock); returns how many copies were severed.
int SeverLinkedCopies(const std::string& folder);

}  // namespace Platform

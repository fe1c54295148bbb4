#pragma once
#include <string>

namespace Platform {

// The name a copy of the file's present bytes takes beside it: the first of path + ".broken",
// ".broken2", ".broken3"... that is free or holds those bytes already. Empty when the file
// cannot be read or every name is taken; whyNone then says which, in a few words.
std::string BrokenCopyName(const std::string& path, std::string* whyNone = nullptr);

// Keeps text beside path as a copy of it, under the first name BrokenCopyName would give for
// those bytes. The name is claimed as the copy is made, so a copy kept by another process at the
// same time is never replaced; a copy of the same bytes is this one already. keptAs names the
// copy. False, with the reason, when every name is taken or the copy cannot be written.
bool KeepCopyOf(const std::string& path, const std::string& text, std::string& keptAs, std::string& error);

// Keeps a file that was found damaged beside it (KeepCopyOf its bytes) before anything rewrites
// it. False, with the reason, when the file cannot be read or the copy cannot be kept.
bool KeepBrokenCopy(const std::string& path, std::string& keptAs, std::string& error);

}  // namespace Platform

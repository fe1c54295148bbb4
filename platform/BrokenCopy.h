#pragma once
#include <string>

namespace Platform {

// The name a copy of the file's present bytes takes beside it: the first of path + ".broken",
// ".broken2", ".broken3"... that is free or holds those bytes already. Empty when the file
// cannot be read or every name is taken.
std::string BrokenCopyName(const std::string& path, std::string* whyNone = nullptr);

// Keeps a file that was found damaged beside it, through the atomic writer, before anything
// rewrites it, under BrokenCopyName: an earlier copy of other bytes is never replaced, and a
// copy of the same bytes is this one already. keptAs names the copy. False, with the reason,
// when the file cannot be read or the copy cannot be written.
bool KeepBrokenCopy(const std::string& path, std::string& keptAs, std::string& error);

}  // namespace Platform

#pragma once
#include <string>

namespace Platform {

// Keeps a file that was found damaged beside it, through the atomic writer, before anything
// rewrites it: as path + ".broken". A copy of other bytes standing there already is replaced,
// or, with keepEarlier, left as it is while this one takes the first free ".broken2",
// ".broken3"... (a copy of the same bytes is this one already). keptAs names the copy. False,
// with the reason, when the file cannot be read or the copy cannot be written.
bool KeepBrokenCopy(const std::string& path, bool keepEarlier, std::string& keptAs, std::string& error);

}  // namespace Platform

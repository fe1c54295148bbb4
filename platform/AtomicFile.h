#pragma once
#include <string>

namespace Platform {

// Writes the whole file through a temporary file in the same folder, flushed to disk and then
// renamed over the old one, so a failure at any point leaves the old file as it was. A symbolic
// link at path is written through: the file at the end of its chain gets the bytes (made if it is
// missing), and the link stays a link. Returns false with a message on failure (the temporary
// file is removed). After a successful write, leftovers of earlier writes to the same file that
// were stopped between writing and renaming are removed too (those old enough; see below).
bool WriteFileAtomically(const std::string& path, const std::string& contents, std::string& error);

// Makes a new file that never replaces a file already there. It is written through a temporary
// file in the same folder, flushed to disk and then given the name by a hard link, so it appears
// whole or not at all. A disk that refuses hard links (FAT, some network disks) gets the name by
// a rename that does not replace, and one that refuses that too by creating the name only if it
// is free and writing it there (removed again if that write fails).
// Returns false with a message on failure; taken tells that something already stood at path.
bool WriteNewFileAtomically(const std::string& path, const std::string& contents, bool& taken, std::string& error);

// Removes every "<name>.tmpXXXXXX" that either writer above may have left in the folder: regular
// files only, and only those last written over a minute ago, since a younger one may be a live
// writer's (another thread or another game writing the same file). Returns how many were removed.
int RemoveTemporaryLeftovers(const std::string& folder);

}  // namespace Platform

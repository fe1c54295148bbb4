#pragma once
#include <string>

#include "platform/WholeFile.h"

namespace Platform {

// Writes the whole file through a temporary file in the same folder, flushed to disk and then
// renamed over the old one, so a failure at any point leaves the old file as it was.
// Returns false with a message on failure (the temporary file is removed).
// After a successful write, leftovers of earlier writes to the same file that were stopped
// between writing and renaming are removed too.
bool WriteFileAtomically(const std::string& path, const std::string& contents, std::string& error);

// Makes a new file through a temporary file in the same folder, flushed to disk and then linked
// to the name, so it appears whole or not at all and never replaces a file already there.
// Returns false with a message on failure; taken tells that something already stood at path.
bool WriteNewFileAtomically(const std::string& path, const std::string& contents, bool& taken, std::string& error);

// Removes every "<name>.tmpXXXXXX" that WriteFileAtomically may have left in the folder
// (regular files only; nothing else is touched). Returns how many were removed.
int RemoveTemporaryLeftovers(const std::string& folder);

}  // namespace Platform

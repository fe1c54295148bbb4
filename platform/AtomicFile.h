#pragma once
#include <string>

namespace Platform {

// The whole file as bytes; false when it cannot be opened or is a folder.
bool ReadWholeFile(const std::string& path, std::string& text);

// Writes the whole file through a temporary file in the same folder, flushed to disk and then
// renamed over the old one, so a failure at any point leaves the old file as it was.
// Returns false with a message on failure (the temporary file is removed).
// After a successful write, leftovers of earlier writes to the same file that were stopped
// between writing and renaming are removed too.
bool WriteFileAtomically(const std::string& path, const std::string& contents, std::string& error);

// Removes every "<name>.tmpXXXXXX" that WriteFileAtomically may have left in the folder
// (regular files only; nothing else is touched). Returns how many were removed.
int RemoveTemporaryLeftovers(const std::string& folder);

}  // namespace Platform

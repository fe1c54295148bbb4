#pragma once
#include <string>

namespace Platform {

// Writes the whole file through a temporary file in the same folder, flushed to disk and then
// renamed over the old one, so a failure at any point leaves the old file as it was.
// Returns false with a message on failure (the temporary file is removed).
bool WriteFileAtomically(const std::string& path, const std::string& contents, std::string& error);

}  // namespace Platform

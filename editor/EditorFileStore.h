#pragma once
#include <string>

// Reading and rewriting the editor's own files. A file that was found broken when read is
// copied aside (Platform::BrokenCopyName) before it is first rewritten, so nothing it held is
// lost, nor any copy kept of it before.
namespace EditorFileStore {

// The whole file; false when it cannot be opened.
bool ReadWhole(const std::string& path, std::string& text);

// Whether a file (or anything else) stands at path.
bool Exists(const std::string& path);

// Writes through the shared atomic writer; on failure the old file stays and the reason is
// printed. keepBrokenCopy: copy the present file aside first (no write if that fails, nor if
// the present file is there but cannot be read); keptAs, when given, names the copy.
bool Rewrite(const std::string& path, const std::string& text, bool keepBrokenCopy, std::string* keptAs = nullptr);

}  // namespace EditorFileStore

#pragma once
#include <sys/types.h>

#include <cstddef>
#include <optional>
#include <string>

namespace Platform {

// No file the game reads is near this; anything larger is refused by name, not read until
// memory runs out.
constexpr std::size_t kMostFileBytes = 64u << 20;

// The whole file as bytes. The file is opened so that it never blocks (a named pipe, a device),
// and only a regular file of at most kMostFileBytes is read. False when it cannot be read;
// why then says, in a few words, what is wrong ("No such file or directory", "it is a folder",
// "it is a named pipe, not a file", "it is larger than 64 MiB"...).
bool ReadWholeFile(const std::string& path, std::string& text, std::string* why = nullptr);

// At most count bytes from the start of the file, read as ReadWholeFile reads it (never
// blocking, a regular file of at most kMostFileBytes only, from the descriptor it checked).
// False with why when it cannot be read; a shorter file gives what it holds.
bool ReadFileStart(const std::string& path, std::size_t count, std::string& bytes, std::string* why = nullptr);

// What stands at a path of this mode, in the words the readers give ("it is a named pipe, not a
// file"...), for anything that is not a regular file.
const char* KindOf(mode_t mode);

// Checks, without reading it and without blocking, that path is a regular file of at most
// kMostFileBytes that can be opened, for readers that open it themselves. False with why.
bool CanReadFile(const std::string& path, std::string& why);

// Something stands at path, even a dangling link or a loop: it is there, and writing replaces it.
bool PathStands(const std::string& path);

// Something stands at path that differs from what was last read or written there: `known`
// holds those bytes, or nullopt when nothing stood there. A path that cannot be read counts as
// changed.
bool ChangedSince(const std::string& path, const std::optional<std::string>& known);

}  // namespace Platform

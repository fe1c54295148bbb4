#pragma once
#include <cstddef>
#include <string>

// A game tree of one fuzz process: <root>/resources/{level,sfx,bgm,save} and <root>/work, which
// becomes the current directory so that the game's "../resources/" paths land in it. Made on
// /dev/shm when there is one: saves flush to disk, and on memory that costs nothing.
// Absolute corpus paths are needed, since the directory changes.
class FuzzWorkspace {
public:
    FuzzWorkspace();
    ~FuzzWorkspace();
    FuzzWorkspace(const FuzzWorkspace&) = delete;
    FuzzWorkspace& operator=(const FuzzWorkspace&) = delete;

    // Absolute path of a file below the root, e.g. "resources/init.ini".
    std::string Path(const std::string& relative) const;
    // Writes (replacing) the file with exactly these bytes.
    void Write(const std::string& relative, const std::string& bytes) const;

private:
    std::string root;
};

#pragma once
#include <filesystem>
#include <initializer_list>
#include <string>

namespace testsupport {

// A game tree in a fresh temporary folder: "resources" (a copy of the repo's, whole or only the
// named files), an empty "logs" folder and a working folder "work" that becomes the current
// directory, so the game's "../resources/" finds the copy and never the repo's own files.
// Everything is removed (and the old directory restored) on destruction.
class TempResourceTree {
public:
    explicit TempResourceTree(bool enterWorkDir = true);
    // Only these files of resources/ are copied (none for an empty list).
    TempResourceTree(std::initializer_list<std::string> files, bool enterWorkDir = true);
    ~TempResourceTree();
    TempResourceTree(const TempResourceTree&) = delete;
    TempResourceTree& operator=(const TempResourceTree&) = delete;

    const std::filesystem::path& Root() const { return root; }
    std::filesystem::path Resources() const { return root / "resources"; }
    std::filesystem::path Work() const { return root / "work"; }

    // Writes (replacing) a file below the root, e.g. "resources/init.ini".
    void WriteFile(const std::string& relativePath, const std::string& text) const;
    // The whole file, or "" when it cannot be read.
    std::string ReadFile(const std::string& relativePath) const;

private:
    void MakeRoot();
    void Enter(bool enterWorkDir);

    std::filesystem::path root;
    std::filesystem::path oldDir;
    bool entered = false;
};

}  // namespace testsupport

#pragma once
#include <filesystem>
#include <string>

namespace testsupport {

// A copy of the repo's resources/ in a fresh temporary folder, beside a working folder "work"
// that becomes the current directory, so the game's "../resources/" finds the copy and never
// the repo's own files. Everything is removed (and the old directory restored) on destruction.
class TempResourceTree {
public:
    explicit TempResourceTree(bool enterWorkDir = true);
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
    std::filesystem::path root;
    std::filesystem::path oldDir;
    bool entered = false;
};

}  // namespace testsupport

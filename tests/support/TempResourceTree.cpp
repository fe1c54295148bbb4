#include "TempResourceTree.h"

#include "support/FileText.h"

#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace testsupport {

TempResourceTree::TempResourceTree(bool enterWorkDir)
{
    std::string pattern = (fs::temp_directory_path() / "vesperine-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    root = pattern;
    fs::copy(fs::path(VESPERINE_SOURCE_DIR) / "resources", Resources(), fs::copy_options::recursive);
    fs::create_directories(Work());
    if (enterWorkDir) {
        oldDir = fs::current_path();
        fs::current_path(Work());
        entered = true;
    }
}

TempResourceTree::~TempResourceTree()
{
    std::error_code ec;
    if (entered)
        fs::current_path(oldDir, ec);
    fs::remove_all(root, ec);
}

void TempResourceTree::WriteFile(const std::string& relativePath, const std::string& text) const
{
    const fs::path path = root / relativePath;
    fs::create_directories(path.parent_path());
    testsupport::WriteFile(path, text);
}

std::string TempResourceTree::ReadFile(const std::string& relativePath) const
{
    return testsupport::ReadFile(root / relativePath);
}

}  // namespace testsupport

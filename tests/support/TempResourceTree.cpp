#include "TempResourceTree.h"

#include "support/FileText.h"

#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace testsupport {

namespace {

fs::path ShippedResources()
{
    return fs::path(VESPERINE_SOURCE_DIR) / "resources";
}

}  // namespace

TempResourceTree::TempResourceTree(bool enterWorkDir)
{
    MakeRoot();
    fs::copy(ShippedResources(), Resources(), fs::copy_options::recursive);
    Enter(enterWorkDir);
}

TempResourceTree::TempResourceTree(std::initializer_list<std::string> files, bool enterWorkDir)
{
    MakeRoot();
    fs::create_directories(Resources());
    for (const std::string& file : files) {
        fs::create_directories((Resources() / file).parent_path());
        fs::copy_file(ShippedResources() / file, Resources() / file);
    }
    Enter(enterWorkDir);
}

void TempResourceTree::MakeRoot()
{
    std::string pattern = (fs::temp_directory_path() / "vesperine-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    root = pattern;
    fs::create_directories(root / "logs");
    fs::create_directories(Work());
}

void TempResourceTree::Enter(bool enterWorkDir)
{
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
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ec);
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

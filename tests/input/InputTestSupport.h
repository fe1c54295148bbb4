#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "support/FileText.h"

#include "engine/InputSystem.h"
#include "engine/KeyTable.h"

namespace inputtest {

namespace fs = std::filesystem;

using testsupport::ReadFile;
using testsupport::WriteFile;

// A fresh folder per test, removed afterwards.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (fs::temp_directory_path() / "vesperine-input-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir()
    {
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// Keys held by the test instead of the platform; a clean table and clean maps.
class KeyStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gKeyTable = Framework::MakeDefaultKeyTable();
        gKeyNameToIndex.clear();
        gActionToKeyName.clear();
        Framework::SetKeyStateSource([this](int vk) { return held.count(vk) > 0; });
    }
    void TearDown() override
    {
        Framework::SetKeyStateSource(nullptr);
        gKeyNameToIndex.clear();
        gActionToKeyName.clear();
        gKeyTable = Framework::MakeDefaultKeyTable();
    }

    void Press(int key) { held.insert(gKeyTable[static_cast<std::size_t>(key)].virtualKey); }
    void Release(int key) { held.erase(gKeyTable[static_cast<std::size_t>(key)].virtualKey); }

    std::set<int> held;
    Framework::InputSystem input;
};

}  // namespace inputtest

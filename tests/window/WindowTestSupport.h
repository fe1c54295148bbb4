#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/FileText.h"

namespace windowtest {

namespace fs = std::filesystem;

using testsupport::ReadFile;
using testsupport::WriteFile;

// A game tree in a temporary folder: root/resources (key files copied from the repo) and
// root/work, the working directory while the test runs, so "../resources/" finds the copy.
class GameTree {
public:
    GameTree()
    {
        std::string pattern = (fs::temp_directory_path() / "vesperine-window-XXXXXX").string();
        root = mkdtemp(pattern.data());
        resources = root / "resources";
        fs::create_directories(resources);
        fs::create_directories(root / "work");
        const fs::path shipped = fs::path(VESPERINE_SOURCE_DIR) / "resources";
        for (const char* name : {"SerializedKeys.txt", "KeyboardActionMap.txt"}) {
            fs::copy_file(shipped / name, resources / name);
        }
        oldDir = fs::current_path();
        fs::current_path(root / "work");
    }
    ~GameTree()
    {
        std::error_code ec;
        fs::current_path(oldDir, ec);
        fs::remove_all(root, ec);
    }

    fs::path root;
    fs::path resources;
    fs::path oldDir;
};

}  // namespace windowtest

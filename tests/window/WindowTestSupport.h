#pragma once
#include <gtest/gtest.h>

#include <filesystem>

#include "support/FileText.h"
#include "support/TempResourceTree.h"

namespace windowtest {

using testsupport::ReadFile;
using testsupport::WriteFile;

// A game tree holding only the two key files (so no "init.ini" until a test writes one), with
// its working folder as the current directory.
class GameTree : public testsupport::TempResourceTree {
public:
    GameTree() : TempResourceTree({"SerializedKeys.txt", "KeyboardActionMap.txt"}) {}
};

}  // namespace windowtest

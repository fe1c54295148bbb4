#pragma once
#include <gtest/gtest.h>

#include "support/FileText.h"
#include "support/HeldKeys.h"

#include "engine/InputSystem.h"
#include "engine/KeyTable.h"

namespace inputtest {

using testsupport::ReadFile;
using testsupport::WriteFile;

// Held keys, and key maps that start and end empty.
class KeyStateTest : public testsupport::HeldKeysTest {
protected:
    void SetUp() override
    {
        HeldKeysTest::SetUp();
        gKeyNameToIndex.clear();
        gActionToKeyName.clear();
    }
    void TearDown() override
    {
        gKeyNameToIndex.clear();
        gActionToKeyName.clear();
        HeldKeysTest::TearDown();
    }

    Framework::InputSystem input;
};

}  // namespace inputtest

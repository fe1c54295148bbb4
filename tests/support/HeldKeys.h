#pragma once
#include <gtest/gtest.h>

#include <cstddef>
#include <set>

#include "engine/KeyTable.h"

namespace testsupport {

// Keys are held by the test instead of the platform, and the key table starts with every latch
// armed; both are put back afterwards.
class HeldKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gKeyTable = Framework::MakeDefaultKeyTable();
        Framework::SetKeyStateSource([this](int vk) { return held.count(vk) > 0; });
    }
    void TearDown() override
    {
        Framework::SetKeyStateSource(nullptr);
        gKeyTable = Framework::MakeDefaultKeyTable();
    }

public:
    void Press(int key) { held.insert(gKeyTable[static_cast<std::size_t>(key)].virtualKey); }
    void Release(int key) { held.erase(gKeyTable[static_cast<std::size_t>(key)].virtualKey); }
    bool Armed(int key) const { return gKeyTable[static_cast<std::size_t>(key)].ready != 0; }

    std::set<int> held;
};

}  // namespace testsupport

#include <set>

#include "InputTestSupport.h"

using namespace Framework;
using inputtest::KeyStateTest;

TEST(KeyTable, HoldsTheWindowsCodesInTableOrderAllArmed)
{
    const KeyTable table = MakeDefaultKeyTable();
    ASSERT_EQ(table.size(), 103u);
    const std::pair<int, int> expected[] = {
        {0, 0x08},  {1, 0x20},  {3, 0x0D},  {4, 0xA0},  {6, 0xA2},  {9, 0xA5},  {14, 0x1B},
        {15, 0x26}, {16, 0x28}, {17, 0x25}, {18, 0x27}, {24, 0x2E}, {25, 0x30}, {34, 0x39},
        {35, 0x41}, {60, 0x5A}, {61, 0x60}, {70, 0x69}, {71, 0x70}, {80, 0x79}, {82, 0x7B},
        {83, 0xBA}, {84, 0xBF}, {89, 0xDE}, {90, 0xBB}, {93, 0xBC}, {94, 0x6A}, {98, 0x6F},
        {99, 0x90}, {100, 0x01}, {101, 0x02}, {102, 0x04}};
    for (const auto& [index, code] : expected) {
        EXPECT_EQ(table[static_cast<std::size_t>(index)].virtualKey, code) << "index " << index;
    }
    std::set<int> codes;
    for (const KeyTableEntry& entry : table) {
        EXPECT_EQ(entry.ready, 1);
        codes.insert(entry.virtualKey);
    }
    EXPECT_EQ(codes.size(), 103u) << "every key has its own code";
}

TEST_F(KeyStateTest, HeldKeyTriggersOnceAndReArmsOnlyAfterAnUpdateSeesItUp)
{
    Press(Keys::F10);
    EXPECT_TRUE(input.IsKeyDown(Keys::F10));
    EXPECT_FALSE(input.IsKeyUp(Keys::F10));
    EXPECT_TRUE(input.IsKeyTriggered(Keys::F10));
    EXPECT_FALSE(input.IsKeyTriggered(Keys::F10));
    for (int frame = 0; frame < 5; ++frame) {
        input.Update(0.016f);
        EXPECT_FALSE(input.IsKeyTriggered(Keys::F10)) << "held over frame " << frame;
        EXPECT_TRUE(input.IsKeyDown(Keys::F10));
    }

    // Released and pressed again within one frame: no update saw it up, so no new press.
    Release(Keys::F10);
    Press(Keys::F10);
    EXPECT_FALSE(input.IsKeyTriggered(Keys::F10));

    Release(Keys::F10);
    input.Update(0.016f);
    EXPECT_TRUE(input.IsKeyUp(Keys::F10));
    Press(Keys::F10);
    EXPECT_TRUE(input.IsKeyTriggered(Keys::F10));
}

TEST_F(KeyStateTest, PressBetweenUpdatesWithoutQueryLeavesLatchArmed)
{
    Press(Keys::Escape);
    input.Update(0.016f);
    Release(Keys::Escape);
    input.Update(0.016f);
    EXPECT_EQ(gKeyTable[Keys::Escape].ready, 1);
    Press(Keys::Escape);
    EXPECT_TRUE(input.IsKeyTriggered(Keys::Escape));
}

TEST_F(KeyStateTest, ActionsResolveThroughBothMapsAndShareTheKeysLatch)
{
    gKeyNameToIndex = {{"Escape", Keys::Escape}, {"W", Keys::A + 22}, {"MouseLeft", Keys::MouseLeft}};
    gActionToKeyName = {{"ACTION_INTERACT", "Escape"}, {"ACTION_UP", "W"}, {"ACTION_CLICK", "MouseLeft"}};

    EXPECT_TRUE(input.IsActionUp("ACTION_UP"));
    Press(Keys::A + 22);
    EXPECT_TRUE(input.IsActionDown("ACTION_UP"));
    EXPECT_FALSE(input.IsActionUp("ACTION_UP"));
    EXPECT_TRUE(input.IsActionTriggered("ACTION_UP"));
    EXPECT_FALSE(input.IsActionTriggered("ACTION_UP")) << "a second asker in the same frame";
    EXPECT_EQ(gKeyTable[Keys::A + 22].ready, 0);
    EXPECT_TRUE(input.IsActionDown("ACTION_UP")) << "down queries ignore the latch";

    Press(Keys::Escape);
    EXPECT_TRUE(input.IsKeyTriggered(Keys::Escape));
    EXPECT_FALSE(input.IsActionTriggered("ACTION_INTERACT")) << "same press, same latch";

    Press(Keys::MouseLeft);
    EXPECT_TRUE(input.IsActionTriggered("ACTION_CLICK"));
}

TEST_F(KeyStateTest, DisabledInputAnswersFalseEverywhereAndKeepsLatches)
{
    gKeyNameToIndex = {{"E", Keys::A + 4}};
    gActionToKeyName = {{"ACTION_INTERACT", "E"}};
    Message off{10};
    Message on{9};
    Message other{0};

    input.HandleMessage(&off);
    EXPECT_FALSE(input.inputEnabled);
    Press(Keys::A + 4);
    EXPECT_FALSE(input.IsKeyDown(Keys::A + 4));
    EXPECT_FALSE(input.IsKeyTriggered(Keys::A + 4));
    EXPECT_FALSE(input.IsKeyUp(Keys::A + 4));
    EXPECT_FALSE(input.IsActionDown("ACTION_INTERACT"));
    EXPECT_FALSE(input.IsActionTriggered("ACTION_INTERACT"));
    EXPECT_FALSE(input.IsActionUp("ACTION_INTERACT"));
    EXPECT_FALSE(input.IsActionUp("ACTION_NOBODY"));
    EXPECT_EQ(gKeyTable[Keys::A + 4].ready, 1) << "nothing took the press while disabled";

    input.HandleMessage(&other);
    input.HandleMessage(nullptr);
    EXPECT_FALSE(input.inputEnabled);

    input.HandleMessage(&on);
    EXPECT_TRUE(input.IsActionTriggered("ACTION_INTERACT")) << "a key still held from before";

    // Update re-arms latches even while input is off.
    input.HandleMessage(&off);
    Release(Keys::A + 4);
    input.Update(0.016f);
    EXPECT_EQ(gKeyTable[Keys::A + 4].ready, 1);
}

TEST_F(KeyStateTest, UnboundActionsUnknownKeysAndBadIndicesNeverPressAndNeverGrowTheMaps)
{
    gKeyNameToIndex = {{"W", Keys::A + 22}};
    gActionToKeyName = {{"ACTION_UP", "W"}, {"ACTION_JUMP", "NoSuchKey"}};
    for (int vk = 0; vk < 256; ++vk) {
        held.insert(vk);  // everything held: only a wrong lookup could answer true
    }
    held.erase(gKeyTable[0].virtualKey);  // ... except Backspace, the old fallback

    for (const char* action : {"ACTION_JUMP", "ACTION_MISSING", ""}) {
        EXPECT_EQ(input.ActionKeyIndex(action), -1) << action;
        EXPECT_FALSE(input.IsActionDown(action)) << action;
        EXPECT_FALSE(input.IsActionTriggered(action)) << action;
        EXPECT_TRUE(input.IsActionUp(action)) << action;
    }
    for (int key : {-1, 103, 100000, -100000}) {
        EXPECT_FALSE(input.IsKeyDown(key)) << key;
        EXPECT_FALSE(input.IsKeyTriggered(key)) << key;
        EXPECT_TRUE(input.IsKeyUp(key)) << key;
    }
    EXPECT_EQ(gKeyNameToIndex.size(), 1u);
    EXPECT_EQ(gActionToKeyName.size(), 2u);
    EXPECT_TRUE(input.IsActionDown("ACTION_UP"));
}

TEST_F(KeyStateTest, NameIsInputSystemAndUpdateIsTimed)
{
    EXPECT_EQ(input.GetName(), "Input System");
    input.Update(0.0f);
    EXPECT_GT(input.timer.elapsed, 0.0f) << "from construction to the end of the update";
    EXPECT_EQ(input.timer.start, input.timer.end);
}

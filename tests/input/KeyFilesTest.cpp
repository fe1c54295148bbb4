#include <unistd.h>

#include "InputTestSupport.h"
#include "support/TempResourceTree.h"

using namespace Framework;
using inputtest::KeyStateTest;
using inputtest::ReadFile;
using inputtest::WriteFile;

namespace {

const char* kSorted =
    "ACTION_DOWN\nS\n\nACTION_INTERACT\nE\n\nACTION_LEFT\nA\n\nACTION_RIGHT\nD\n\n"
    "ACTION_RUN\nLeftShift\n\nACTION_UP\nW\n\n";

class KeyFilesTest : public KeyStateTest {
protected:
    void SetUp() override
    {
        KeyStateTest::SetUp();
        input.keyNamePath = (dir.Root() / "SerializedKeys.txt").string();
        input.actionMapPath = (dir.Root() / "KeyboardActionMap.txt").string();
    }

    void UseShippedKeyNames()
    {
        std::filesystem::copy_file(
            std::filesystem::path(VESPERINE_SOURCE_DIR) / "resources/SerializedKeys.txt",
            input.keyNamePath);
    }

    testsupport::TempResourceTree dir{{}, false};  // an empty folder for the two files
};

}  // namespace

TEST_F(KeyStateTest, ShippedKeyFilesBindTheSixActions)
{
    input.keyNamePath = std::string(VESPERINE_SOURCE_DIR) + "/resources/SerializedKeys.txt";
    input.actionMapPath = std::string(VESPERINE_SOURCE_DIR) + "/resources/KeyboardActionMap.txt";
    ASSERT_TRUE(input.LoadKeyMaps());

    EXPECT_EQ(gKeyNameToIndex.size(), 103u) << "103 distinct names";
    EXPECT_EQ(gKeyNameToIndex.at("LeftCtrl"), Keys::LeftCtrl);
    EXPECT_EQ(gKeyNameToIndex.at("Escape"), Keys::Escape);
    EXPECT_EQ(gKeyNameToIndex.at("F10"), Keys::F10);
    EXPECT_EQ(gKeyNameToIndex.at("MouseMiddle"), Keys::MouseMiddle);

    EXPECT_EQ(input.ActionKeyIndex("ACTION_UP"), Keys::A + 22);
    EXPECT_EQ(input.ActionKeyIndex("ACTION_DOWN"), Keys::A + 18);
    EXPECT_EQ(input.ActionKeyIndex("ACTION_LEFT"), Keys::A);
    EXPECT_EQ(input.ActionKeyIndex("ACTION_RIGHT"), Keys::A + 3);
    EXPECT_EQ(input.ActionKeyIndex("ACTION_RUN"), Keys::LeftShift);
    EXPECT_EQ(input.ActionKeyIndex("ACTION_INTERACT"), Keys::A + 4);
    EXPECT_EQ(ReadFile(input.actionMapPath), kSorted) << "shipped in the form the game writes";
}

TEST_F(KeyFilesTest, ActionMapRoundTripsSortedWithTheLaterOfTwoBindings)
{
    UseShippedKeyNames();
    WriteFile(input.actionMapPath,
              "ACTION_UP Up ACTION_RUN LeftShift\nACTION_UP\nW\n\n\nACTION_RIGHT D ACTION_LEFT A\n"
              "ACTION_INTERACT E ACTION_DOWN S\n\n\n");
    EXPECT_TRUE(input.LoadKeyMaps());
    EXPECT_EQ(gActionToKeyName.at("ACTION_UP"), "W");
    EXPECT_EQ(gActionToKeyName.size(), 6u);

    input.Shutdown();
    EXPECT_EQ(ReadFile(input.actionMapPath), kSorted);

    gActionToKeyName.clear();
    EXPECT_TRUE(input.LoadKeyMaps());
    EXPECT_EQ(gActionToKeyName.size(), 6u);
    EXPECT_EQ(input.ActionKeyIndex("ACTION_RUN"), Keys::LeftShift);
    for (const auto& entry : std::filesystem::directory_iterator(dir.Root())) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos)
            << "no temporary file left: " << entry.path();
    }
}

TEST_F(KeyFilesTest, BadKeyFilesLeaveUnknownNamesOutOfTheMapsAndTheFileWhole)
{
    // Short name file: three names, nothing carried over to later indices.
    WriteFile(input.keyNamePath, "Backspace Space\nTab");
    // Odd word count; an unknown key name; a repeated action.
    WriteFile(input.actionMapPath,
              "ACTION_UP Bogus\n\nACTION_RUN Space\nACTION_UP Space\nACTION_INTERACT NotAKey\n"
              "ACTION_LEFT");
    EXPECT_FALSE(input.LoadKeyMaps());

    EXPECT_EQ(gKeyNameToIndex.size(), 3u);
    EXPECT_EQ(gKeyNameToIndex.at("Tab"), 2);
    EXPECT_EQ(gKeyNameToIndex.count(""), 0u);
    EXPECT_EQ(gKeyNameToIndex.count("NotAKey"), 0u);
    EXPECT_EQ(gActionToKeyName.count("ACTION_LEFT"), 0u) << "the action without a key";
    EXPECT_EQ(input.ActionKeyIndex("ACTION_UP"), Keys::Space);
    EXPECT_EQ(input.ActionKeyIndex("ACTION_INTERACT"), -1);

    Press(Keys::Backspace);
    EXPECT_FALSE(input.IsActionDown("ACTION_INTERACT")) << "unknown key name is not Backspace";
    EXPECT_FALSE(input.IsActionTriggered("ACTION_MISSING"));
    EXPECT_EQ(gActionToKeyName.size(), 3u);
    EXPECT_EQ(gKeyNameToIndex.size(), 3u);

    // Written back as complete pairs; the unknown binding is kept for a fixed name file.
    ASSERT_TRUE(input.SaveActionMap());
    EXPECT_EQ(ReadFile(input.actionMapPath),
              "ACTION_INTERACT\nNotAKey\n\nACTION_RUN\nSpace\n\nACTION_UP\nSpace\n\n");
    EXPECT_FALSE(input.LoadKeyMaps());  // the name file is still short
    EXPECT_EQ(gActionToKeyName.size(), 3u);
}

TEST_F(KeyFilesTest, ExtraNamesAreIgnoredAndMissingOrEmptyFilesBindNothing)
{
    std::string names;
    for (int i = 0; i < 110; ++i) {
        names += "K" + std::to_string(i) + " ";
    }
    WriteFile(input.keyNamePath, names);
    WriteFile(input.actionMapPath, "");
    EXPECT_TRUE(input.LoadKeyMaps());
    EXPECT_EQ(gKeyNameToIndex.size(), 103u);
    EXPECT_EQ(gKeyNameToIndex.at("K102"), 102);
    EXPECT_EQ(gKeyNameToIndex.count("K103"), 0u);
    EXPECT_TRUE(gActionToKeyName.empty());

    std::filesystem::remove(input.keyNamePath);
    std::filesystem::remove(input.actionMapPath);
    EXPECT_FALSE(input.LoadKeyMaps());
    EXPECT_TRUE(gKeyNameToIndex.empty());
    EXPECT_TRUE(gActionToKeyName.empty());
    EXPECT_FALSE(input.IsActionDown("ACTION_UP"));

    // Duplicate names: the later index wins.
    WriteFile(input.keyNamePath, "A B A");
    input.LoadKeyMaps();
    EXPECT_EQ(gKeyNameToIndex.at("A"), 2);
}

TEST_F(KeyFilesTest, FailedRewriteKeepsTheOldFileAndReportsIt)
{
    UseShippedKeyNames();
    WriteFile(input.actionMapPath, kSorted);
    ASSERT_TRUE(input.LoadKeyMaps());
    gActionToKeyName["ACTION_UP"] = "Up";

    // A folder that is gone.
    input.actionMapPath = (dir.Root() / "missing" / "KeyboardActionMap.txt").string();
    EXPECT_FALSE(input.SaveActionMap());

    // A name so long that no temporary file fits beside it (fails even for root).
    const std::string longName = (dir.Root() / std::string(250, 'k')).string();
    WriteFile(longName, kSorted);
    input.actionMapPath = longName;
    EXPECT_FALSE(input.SaveActionMap());
    EXPECT_EQ(ReadFile(longName), kSorted);

    // A folder that cannot be written (root may write anywhere).
    const std::string path = (dir.Root() / "KeyboardActionMap.txt").string();
    input.actionMapPath = path;
    if (geteuid() != 0) {
        std::filesystem::permissions(dir.Root(), std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::owner_exec);
        EXPECT_FALSE(input.SaveActionMap());
        std::filesystem::permissions(dir.Root(), std::filesystem::perms::owner_all);
        EXPECT_EQ(ReadFile(path), kSorted);
    }
    EXPECT_TRUE(input.SaveActionMap());
    EXPECT_NE(ReadFile(path).find("ACTION_UP\nUp\n"), std::string::npos);
}

TEST_F(KeyFilesTest, BindingsThatCannotBeReadBackAreNotWritten)
{
    gActionToKeyName = {{"ACTION_UP", "W"}, {"ACTION_DOWN", ""}, {"", "S"}, {"ACTION RUN", "LeftShift"},
                        {"ACTION_LEFT", "Left Arrow"}};
    ASSERT_TRUE(input.SaveActionMap());
    EXPECT_EQ(ReadFile(input.actionMapPath), "ACTION_UP\nW\n\n");
}

#include <unistd.h>

#include "InputTestSupport.h"
#include "support/DiskWithoutLinks.h"
#include "support/HeldFolderLock.h"
#include "support/TempResourceTree.h"

using namespace Framework;
using inputtest::KeyStateTest;
using inputtest::ReadFile;
using inputtest::WriteFile;

namespace {

const char* kSorted =
    "ACTION_DOWN\nS\n\nACTION_INTERACT\nE\n\nACTION_LEFT\nA\n\nACTION_RIGHT\nD\n\n"
    "ACTION_RUN\nLeftShift\n\nACTION_UP\nW\n\n";

// The six shipped actions answer for the README's keys.
void ExpectShippedKeys(const InputSystem& input, const std::string& what)
{
    const std::pair<const char*, int> keys[] = {{"ACTION_UP", Keys::A + 22},     {"ACTION_DOWN", Keys::A + 18},
                                                {"ACTION_LEFT", Keys::A},         {"ACTION_RIGHT", Keys::A + 3},
                                                {"ACTION_RUN", Keys::LeftShift}, {"ACTION_INTERACT", Keys::A + 4}};
    for (const auto& [action, key] : keys)
        EXPECT_EQ(input.ActionKeyIndex(action), key) << action << ", " << what;
}

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

    ExpectShippedKeys(input, "shipped files");
    EXPECT_EQ(ReadFile(input.actionMapPath), kSorted) << "shipped in the form the game writes";
    for (int index = 0; index < kKeyCount; ++index)
        EXPECT_EQ(gKeyNameToIndex.at(BuiltInKeyNames()[static_cast<std::size_t>(index)]), index) << "built in as shipped";
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
    // Short name file: three names, the later keys keep their built-in names.
    WriteFile(input.keyNamePath, "Backspace Space\nTab");
    // Odd word count; an unknown key name; a repeated action.
    const std::string actions = "ACTION_UP Bogus\n\nACTION_RUN Space\nACTION_UP Space\nACTION_INTERACT NotAKey\n"
                                "ACTION_LEFT";
    WriteFile(input.actionMapPath, actions);
    EXPECT_FALSE(input.LoadKeyMaps());

    EXPECT_EQ(gKeyNameToIndex.size(), 103u);
    EXPECT_EQ(gKeyNameToIndex.at("Tab"), 2);
    EXPECT_EQ(gKeyNameToIndex.count(""), 0u);
    EXPECT_EQ(gKeyNameToIndex.count("NotAKey"), 0u);
    EXPECT_EQ(input.ActionKeyIndex("ACTION_LEFT"), Keys::A) << "the action without a key: its shipped key";
    EXPECT_EQ(input.ActionKeyIndex("ACTION_UP"), Keys::Space);
    EXPECT_EQ(input.ActionKeyIndex("ACTION_INTERACT"), Keys::A + 4) << "the unknown name: the shipped key";

    Press(Keys::Backspace);
    EXPECT_FALSE(input.IsActionDown("ACTION_INTERACT")) << "unknown key name is not Backspace";
    EXPECT_FALSE(input.IsActionTriggered("ACTION_MISSING"));
    EXPECT_EQ(gActionToKeyName.size(), 6u);
    EXPECT_EQ(gKeyNameToIndex.size(), 103u);

    // Not read whole: left as it is for whoever mends it.
    ASSERT_TRUE(input.SaveActionMap());
    EXPECT_EQ(ReadFile(input.actionMapPath), actions);
    EXPECT_FALSE(input.LoadKeyMaps());  // the name file is still short
    EXPECT_EQ(gActionToKeyName.size(), 6u);
}

TEST_F(KeyFilesTest, ExtraNamesAreIgnoredAndARepeatedNameKeepsItsLaterIndex)
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

    // Duplicate names: the later index wins.
    WriteFile(input.keyNamePath, "K0 K1 K0");
    input.LoadKeyMaps();
    EXPECT_EQ(gKeyNameToIndex.at("K0"), 2);
}

// An action bound twice keeps its later key, and a name given to two keys stays with the later
// one; reading says which is dropped, so that its loss at exit is not silent.
TEST_F(KeyFilesTest, ABindingOrKeyNameGivenTwiceSaysWhichIsDropped)
{
    std::string names;
    for (int i = 0; i < kKeyCount; ++i)
        names += "K" + std::to_string(i == 5 ? 7 : i) + "\n";
    WriteFile(input.keyNamePath, names);
    const std::string actions = "ACTION_UP\nK22\n\nACTION_LEFT K1 ACTION_UP\nK15\n\nACTION_LEFT K1\n";
    WriteFile(input.actionMapPath, actions);
    testing::internal::CaptureStderr();
    input.LoadKeyMaps();
    // The binding dropped is kept in the copy, as the file was, before exit writes less.
    ASSERT_TRUE(input.SaveActionMap());
    const std::string console = testing::internal::GetCapturedStderr();
    EXPECT_EQ(ReadFile(input.actionMapPath + ".broken"), actions);
    EXPECT_EQ(input.ActionKeyIndex("ACTION_UP"), 15);
    EXPECT_EQ(gKeyNameToIndex.at("K7"), 7);
    for (const std::string& line :
         {input.actionMapPath + " binds ACTION_UP more than once; it keeps K15 (the last) and drops K22\n",
          input.keyNamePath + " gives the name K7 to 2 keys; it keeps it for key 7 and drops it for key 5\n"})
        EXPECT_NE(console.find("Input: " + line), std::string::npos) << console;
    EXPECT_EQ(console.find("ACTION_LEFT more"), std::string::npos) << "the same binding twice loses nothing";
}

// Garbage names, a missing, empty or cut action file: each shipped action keeps its shipped key,
// said with the file's name; a missing or empty file is written anew at exit, a cut one is not.
TEST_F(KeyFilesTest, DamagedOrMissingKeyFilesKeepTheShippedKeys)
{
    std::string garbage;  // more words than keys, none of them a key's name
    for (int i = 0; i < 200; ++i)
        garbage += "\x89PNG\xff ";
    WriteFile(input.keyNamePath, garbage);
    const std::string cut = "ACTION_UP\nW\n\nACTION_RUN";
    for (const std::string& actions : {std::string(kSorted), std::string("none"), std::string(), cut}) {
        std::filesystem::remove(input.actionMapPath);
        if (actions != "none")
            WriteFile(input.actionMapPath, actions);
        testing::internal::CaptureStderr();
        input.LoadKeyMaps();
        const std::string console = testing::internal::GetCapturedStderr();
        ExpectShippedKeys(input, "action file \"" + actions + "\"");
        if (actions != kSorted) {
            EXPECT_NE(console.find(input.actionMapPath + " does not bind ACTION_DOWN; it keeps its default key S"),
                      std::string::npos) << console;
        }
        input.Shutdown();
        EXPECT_EQ(ReadFile(input.actionMapPath), actions == cut ? cut : kSorted);
    }
}

// A name file with a line lost or doubled names keys at others' places: every key keeps its
// built-in name. An action file that binds keys no key has is kept aside before it is rewritten.
TEST_F(KeyFilesTest, ShiftedKeyNamesAndJunkBindingsAreTakenForDamage)
{
    const std::string shipped = ReadFile(std::string(VESPERINE_SOURCE_DIR) + "/resources/SerializedKeys.txt");
    const std::size_t tab = shipped.find("\nTab\n") + 1;
    WriteFile(input.actionMapPath, kSorted);
    for (const std::string& names :
         {shipped.substr(0, tab) + shipped.substr(tab + 4), shipped.substr(0, tab) + "Tab\n" + shipped.substr(tab)}) {
        WriteFile(input.keyNamePath, names);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(input.LoadKeyMaps());
        const std::string console = testing::internal::GetCapturedStderr();
        EXPECT_NE(console.find(input.keyNamePath + " is damaged"), std::string::npos) << console;
        ExpectShippedKeys(input, console);
    }

    const std::string junk = "\x89PNG\r\n\x1a\n\x01\xff \xd8\xff\xe0 JFIF \x7f\n";  // six words
    const std::string broken = input.actionMapPath + ".broken";
    WriteFile(input.actionMapPath, junk);
    for (int run = 0; run < 2; ++run) {  // the second reads the game's own writing: nothing more to keep
        testing::internal::CaptureStderr();
        input.LoadKeyMaps();
        input.Shutdown();
        EXPECT_EQ(testing::internal::GetCapturedStderr().find("kept as " + broken) != std::string::npos, run == 0);
        EXPECT_EQ(ReadFile(broken), junk);
    }
    EXPECT_FALSE(std::filesystem::exists(broken + "2"));
}

// On a disk without hard links (a memory stick, some network disks) the damaged file is kept
// aside all the same before exit rewrites it.
TEST_F(KeyFilesTest, ADamagedFileIsKeptAsideOnADiskWithoutHardLinks)
{
    UseShippedKeyNames();
    const std::string junk = "\x89PNG\r\n\x1a\n\x01\xff \xd8\xff\xe0 JFIF \x7f\n";
    const std::string broken = input.actionMapPath + ".broken";
    for (const testsupport::LinkRefusal& disk : testsupport::LinkRefusals()) {
        std::filesystem::remove(broken);
        WriteFile(input.actionMapPath, junk);
        testsupport::DiskWithoutLinks refused(disk);
        testing::internal::CaptureStderr();
        input.LoadKeyMaps();
        input.Shutdown();
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("kept as " + broken), std::string::npos) << disk.Name() << "\n" << said;
        EXPECT_EQ(ReadFile(broken), junk) << disk.Name();
        EXPECT_NE(ReadFile(input.actionMapPath).find(kSorted), std::string::npos) << disk.Name() << ": rewritten";
    }
}

// The copy made by link for a write that then fails is undone: the file stays as it was, and a
// copy that is the same file would change with any later edit made to it in place.
TEST_F(KeyFilesTest, ACopyLinkedForAWriteThatFailedIsUndone)
{
    UseShippedKeyNames();
    // Room in the name for ".broken" but not for a temporary file beside it (fails even for root).
    input.actionMapPath = (dir.Root() / std::string(246, 'k')).string();
    const std::string junk = "ACTION_UP NoSuchKey\n";
    WriteFile(input.actionMapPath, junk);
    input.LoadKeyMaps();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(input.SaveActionMap());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(ReadFile(input.actionMapPath), junk);
    EXPECT_FALSE(std::filesystem::exists(input.actionMapPath + ".broken")) << said;
    EXPECT_EQ(said.find("kept as"), std::string::npos) << said;
    EXPECT_NE(said.find("key bindings not saved"), std::string::npos) << said;
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

TEST_F(KeyFilesTest, AFileChangedWhileTheGameRanIsLeftAsItIs)
{
    // Edited by hand, or made where none was: newer than the bindings the game holds.
    UseShippedKeyNames();
    const std::string edited = std::string(kSorted) + "ACTION_JUMP\nSpace\n\n";
    for (const bool there : {true, false}) {
        std::filesystem::remove(input.actionMapPath);
        if (there)
            WriteFile(input.actionMapPath, kSorted);
        input.LoadKeyMaps();
        WriteFile(input.actionMapPath, edited);
        testing::internal::CaptureStderr();
        EXPECT_TRUE(input.SaveActionMap());
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("changed since the game read it; it is left as it is"), std::string::npos) << said;
        EXPECT_EQ(ReadFile(input.actionMapPath), edited);
    }
}

// The bindings written at exit wait while another game holds their folder, as every writer that
// may keep a linked copy there does.
TEST_F(KeyFilesTest, TheBindingsWaitForTheFoldersLock)
{
    UseShippedKeyNames();
    WriteFile(input.actionMapPath, "ACTION_UP\nW\n\nACTION_DOWN\nS\n\n");  // not in the written order
    ASSERT_TRUE(input.LoadKeyMaps());
    const std::string before = ReadFile(input.actionMapPath);
    bool saved = false;
    EXPECT_TRUE(testsupport::WaitsForFolderLock(
        dir.Root().string(), [&] { saved = input.SaveActionMap(); },
        [&] { return ReadFile(input.actionMapPath) != before; }));
    EXPECT_TRUE(saved);
}

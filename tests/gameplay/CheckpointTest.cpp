// Save points played through the script harness: one save per press, the message, the lit
// sprite, what the file holds, a save that fails, and continuing from a save.
#include <gtest/gtest.h>
#include <imgui.h>

#include <filesystem>

#include "editor/Editor.h"
#include "engine/KeyTable.h"
#include "engine/SceneSystem.h"
#include "gameplay/Checkpoint.h"
#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "support/DiskWithoutLinks.h"
#include "support/FileSizeLimit.h"
#include "support/GameplayHarness.h"
#include "support/LevelBuilder.h"
#include "support/OwnInterface.h"

using namespace testsupport;

namespace {

const char* const kSaved = "I... feel safe. (Game saved)";
const char* const kFailed = "I... can't rest here. (The game could not be saved)";

class CheckpointTest : public GameplayHarness {
protected:
    void AddCheckpoint(float x, float y, float z = 0.5f)
    {
        GameObject& point = AddLevelObject("SavePoint", 4);
        GiveTransform(point, x, y, z);
        GiveBox(point, 1.0f, 1.0f);
        GiveSprite(point, "Checkpoint_1x2.png", 1, 2);
        auto checkpoint = std::make_shared<Checkpoint>();
        point.components.push_back(checkpoint);
        checkpoint->SetOwner(&point);
    }
    void Start()
    {
        StartBuiltLevel();
        StepSeconds(1.1f);
    }
    std::filesystem::path SaveFile() const { return tree->Resources() / "save" / "SaveData.txt"; }
    std::string SavedText() const { return tree->ReadFile("resources/save/SaveData.txt"); }
    int PointFrame() const { return Object("SavePoint")->GetComponent<Sprite>()->currentFrame; }
    // Lets the message type out and returns what it says.
    std::string Message()
    {
        GameController& controller = Controller();
        EXPECT_TRUE(StepUntil([&] {
            return !controller.dialogueLines.empty() &&
                   controller.charIndex >= static_cast<int>(controller.dialogueLines.front().text.size());
        }));
        return DialogueText();
    }
    // A level with a checkpoint at the player's feet, saved there once: the save's text.
    std::string SaveOnce()
    {
        BuildPlayerRig();
        AddCheckpoint(0.0f, 0.0f);
        Start();
        Tap("ACTION_INTERACT");
        EXPECT_EQ(Message(), kSaved);
        return SavedText();
    }
    void CloseMessage()
    {
        AdvanceDialogue();
        ASSERT_TRUE(StepUntil([&] { return !Controller().playerLocked; }));
    }
    // The editor scene on the level file, with the interface context the window system gives it
    // in the game; the context goes once the harness has left the editor.
    Editor& EnterEditor()
    {
        if (!ImGui::GetCurrentContext())
            ImGui::CreateContext();
        EnterScene(SceneId::Editor);
        return static_cast<Editor&>(*gSceneSystem->scenes.at(SceneId::Editor));
    }
    OwnInterface ownInterface;
};

TEST_F(CheckpointTest, SavesOncePerPressSaysSoAndLightsUp)
{
    BuildPlayerRig();
    AddCheckpoint(0.0f, 0.0f);
    Start();
    EXPECT_TRUE(Player().showPrompt);
    ASSERT_FALSE(std::filesystem::exists(SaveFile()));

    Tap("ACTION_INTERACT");
    ASSERT_TRUE(std::filesystem::exists(SaveFile()));
    EXPECT_TRUE(Controller().playerLocked);
    EXPECT_EQ(Message(), kSaved);
    EXPECT_EQ(PointFrame(), 1);

    // Holding interact closes the message and does not save a second time.
    std::filesystem::remove(SaveFile());
    Hold("ACTION_INTERACT");
    StepSeconds(1.0f);
    EXPECT_FALSE(DialogueOpen());
    EXPECT_FALSE(std::filesystem::exists(SaveFile()));

    // A new press, without leaving the point, saves again.
    Let("ACTION_INTERACT");
    Step();
    Tap("ACTION_INTERACT");
    EXPECT_TRUE(std::filesystem::exists(SaveFile()));
    EXPECT_EQ(Message(), kSaved);
}

TEST_F(CheckpointTest, TheSaveHoldsThePlayerOnThePointAndTheSpriteAsItWasBefore)
{
    BuildPlayerRig();
    AddCheckpoint(3.0f, 0.0f);
    Start();
    EXPECT_FALSE(Player().showPrompt);
    Hold("ACTION_RIGHT");
    ASSERT_TRUE(StepUntil([&] { return PlayerPosition().x >= 3.0f; }));
    Let("ACTION_RIGHT");
    Step(2);
    EXPECT_TRUE(Player().showPrompt);
    const Vector3 there = PlayerPosition();
    Controller().bearCounter = 4.0f;
    Tap("ACTION_INTERACT");
    ASSERT_EQ(Message(), kSaved);
    CloseMessage();

    // Walk away, then continue from the save.
    Hold("ACTION_LEFT");
    StepSeconds(1.0f);
    Let("ACTION_LEFT");
    EnterLevel(true);
    EXPECT_FLOAT_EQ(PlayerPosition().x, there.x);
    EXPECT_FLOAT_EQ(PlayerPosition().y, there.y);
    EXPECT_EQ(PointFrame(), 0) << "saved before it lit up";
    EXPECT_EQ(Controller().bearCounter, 4.0f);
}

TEST_F(CheckpointTest, ContinuingFromASaveAndSavingAgainWritesTheSameFile)
{
    BuildPlayerRig();
    AddCheckpoint(0.0f, 0.0f);
    Start();
    Tap("ACTION_INTERACT");
    const std::string first = SavedText();
    ASSERT_FALSE(first.empty());
    CloseMessage();

    EnterLevel(true);
    StepSeconds(1.1f);
    Tap("ACTION_INTERACT");
    ASSERT_EQ(Message(), kSaved);
    EXPECT_EQ(SavedText(), first);
}

TEST_F(CheckpointTest, ASaveThatFailsSaysSoKeepsTheOldSaveAndCanBeTriedAgain)
{
    BuildPlayerRig();
    AddCheckpoint(0.0f, 0.0f);
    Start();
    tree->WriteFile("resources/save/SaveData.txt", "an earlier save\n");

    // A plain file where the save folder should be: nothing can be written (even by root).
    const std::filesystem::path folder = tree->Resources() / "save";
    const std::filesystem::path kept = tree->Resources() / "save.kept";
    std::filesystem::rename(folder, kept);
    tree->WriteFile("resources/save", "not a folder\n");

    Tap("ACTION_INTERACT");
    EXPECT_EQ(Message(), kFailed);
    EXPECT_EQ(PointFrame(), 0) << "nothing was saved";
    CloseMessage();

    std::filesystem::remove(folder);
    std::filesystem::rename(kept, folder);
    EXPECT_EQ(SavedText(), "an earlier save\n");

    // With the folder back the next press saves.
    Tap("ACTION_INTERACT");
    EXPECT_EQ(Message(), kSaved);
    EXPECT_NE(SavedText(), "an earlier save\n");
    EXPECT_EQ(PointFrame(), 1);
}

// A save cut short after the player's record is refused as unreadable, and one read whole without
// a player is told so: the first level starts whole, and the save is kept aside before a
// checkpoint writes over it.
TEST_F(CheckpointTest, ASaveReadOnlyInPartStartsANewGameAndIsKeptAside)
{
    const std::string whole = SaveOnce();
    ASSERT_FALSE(HasFailure());
    const std::string cut = whole.substr(0, whole.find("\nTorch\n"));  // the fade screen comes last
    // Joined or hand-edited: an end line part-way, at a record boundary.
    const std::string joined = std::string(whole).insert(whole.find("\nTorch\n") + 1, "/SaveData\n");
    const std::string noPlayer = std::string(whole).replace(whole.find("\n\nPlayer\n") + 2, 6, "Stranger");
    std::string said;
    for (const auto& [damaged, keptAs] :
         {std::pair{cut, ".broken"}, std::pair{joined, ".broken2"}, std::pair{noPlayer, ".broken3"}}) {
        tree->WriteFile("resources/save/SaveData.txt", damaged);
        testing::internal::CaptureStderr();
        EnterLevel(true);
        said = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(Object("FadeScreen")) << "the first level, whole";
        EXPECT_TRUE(tree->ReadFile(std::string("resources/save/SaveData.txt") + keptAs) == damaged) << "kept aside";
    }
    EXPECT_NE(said.find("SaveData.txt holds no Player; starting a new game"), std::string::npos) << said;
    const std::string shown = gSceneSystem->GetCurrentScene()->Notice();
    EXPECT_NE(shown.find("SaveData.txt\nholds no player.\nA new game began"), std::string::npos) << shown;
    StepSeconds(1.1f);
    Tap("ACTION_INTERACT");
    EXPECT_EQ(Message(), kSaved);
    EXPECT_TRUE(SavedText() == whole) << "the checkpoint saves the whole level";
    // Each copy is a file of its own: the hand edits above, made in place, and the save leave them.
    for (const auto& [damaged, keptAs] :
         {std::pair{cut, ".broken"}, std::pair{joined, ".broken2"}, std::pair{noPlayer, ".broken3"}})
        EXPECT_TRUE(tree->ReadFile(std::string("resources/save/SaveData.txt") + keptAs) == damaged) << keptAs;
}

// A save with no end line is told once, on one stream, with what the game does about it: a new
// game starts and nothing read from the save stays.
TEST_F(CheckpointTest, ASaveWithNoEndLineIsToldOnceAsANewGame)
{
    const std::string whole = SaveOnce();
    ASSERT_FALSE(HasFailure());
    tree->WriteFile("resources/save/SaveData.txt", whole.substr(0, whole.rfind("\n/SaveData")));
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EnterLevel(true);
    const std::string err = testing::internal::GetCapturedStderr();
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string told = "The save file ../resources/save/SaveData.txt was not read whole (Level file "
                             "\"../resources/save/SaveData.txt\" has no end line \"/SaveData\": it ends after its last "
                             "whole record); starting a new game\n";
    EXPECT_NE(err.find(told), std::string::npos) << err;
    const auto count = [](const std::string& text, const std::string& words) {
        int found = 0;
        for (std::size_t at = text.find(words); at != std::string::npos; at = text.find(words, at + 1))
            ++found;
        return found;
    };
    EXPECT_EQ(count(err, "end line"), 1) << err;
    EXPECT_EQ(count(err, "new game"), 1) << err;
    EXPECT_EQ(count(out, "end line"), 0) << out;
    EXPECT_EQ((out + err).find("kept the objects"), std::string::npos) << out << err;
    EXPECT_TRUE(Object("FadeScreen")) << "the first level, whole";
}

// On a disk without hard links (a memory stick, some network disks) the damaged save is kept
// aside all the same, and the next checkpoint's save leaves the copy alone.
TEST_F(CheckpointTest, ADamagedSaveIsKeptAsideOnADiskWithoutHardLinks)
{
    const std::string whole = SaveOnce();
    ASSERT_FALSE(HasFailure());
    const std::string cut = whole.substr(0, whole.find("\nTorch\n"));
    for (const testsupport::LinkRefusal& disk : testsupport::LinkRefusals()) {
        std::filesystem::remove(tree->Resources() / "save" / "SaveData.txt.broken");
        tree->WriteFile("resources/save/SaveData.txt", cut);
        testsupport::DiskWithoutLinks refused(disk);
        testing::internal::CaptureStderr();
        EnterLevel(true);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("The save file as it was is kept as ../resources/save/SaveData.txt.broken\n"), std::string::npos)
            << disk.Name() << "\n" << said;
        StepSeconds(1.1f);
        Tap("ACTION_INTERACT");
        EXPECT_EQ(Message(), kSaved) << disk.Name();
        CloseMessage();
        EXPECT_TRUE(tree->ReadFile("resources/save/SaveData.txt.broken") == cut) << disk.Name();
        EXPECT_TRUE(SavedText() == whole) << disk.Name();
    }
}

// A damaged save the load could not keep aside (a full disk) is kept by the next checkpoint
// before it writes over it, once there is room, and the player is told where; a copy it still
// cannot keep leaves the save to be written over, as the load said.
TEST_F(CheckpointTest, ADamagedSaveNotKeptAtLoadIsKeptByTheNextCheckpoint)
{
    const std::string whole = SaveOnce();
    ASSERT_FALSE(HasFailure());
    CloseMessage();
    const std::string cut = whole.substr(0, whole.find("\nTorch\n"));
    const std::string copy = "../resources/save/SaveData.txt.broken";
    const std::string keptLine = std::string(Checkpoint::kKeptText) + copy + ")";
    const auto closeAll = [&] {
        while (DialogueOpen())
            AdvanceDialogue();
        ASSERT_TRUE(StepUntil([&] { return !Controller().playerLocked; }));
    };
    struct Case {
        const char* what;
        testsupport::LinkRefusal disk;  // link 0: the disk has hard links
        bool fullAtFirstPress;
        bool everyNameTaken;
    };
    for (const Case& c : {Case{"room again", {0, 0}, false, false}, Case{"room again, no hard links", {EPERM, 0}, false, false},
                          Case{"still full at the first press", {0, 0}, true, false},
                          Case{"every copy's name taken", {0, 0}, false, true}}) {
        for (int n = 1; n <= 99; ++n)
            std::filesystem::remove(tree->Resources() / "save" / ("SaveData.txt.broken" + (n > 1 ? std::to_string(n) : "")));
        for (int n = 1; c.everyNameTaken && n <= 99; ++n)
            tree->WriteFile("resources/save/SaveData.txt.broken" + (n > 1 ? std::to_string(n) : ""), "another save\n");
        tree->WriteFile("resources/save/SaveData.txt", cut);
        {
            testsupport::FileSizeLimit diskFull(16);
            EnterLevel(true);
        }
        const std::string shown = gSceneSystem->GetCurrentScene()->Notice();
        EXPECT_NE(shown.find("could not be kept aside;\nthe next checkpoint tries again"), std::string::npos) << c.what << "\n" << shown;
        ASSERT_FALSE(std::filesystem::exists(tree->Resources() / "save" / "SaveData.txt.broken") && !c.everyNameTaken) << c.what;
        StepSeconds(1.1f);

        testsupport::DiskWithoutLinks disk(c.disk);
        if (c.fullAtFirstPress) {
            {
                testsupport::FileSizeLimit diskFull(16);
                Tap("ACTION_INTERACT");
            }
            EXPECT_EQ(Message(), kFailed) << c.what;
            EXPECT_EQ(Controller().dialogueLines.size(), 1u) << c.what << ": nothing was kept";
            EXPECT_FALSE(std::filesystem::exists(tree->Resources() / "save" / "SaveData.txt.broken")) << c.what;
            EXPECT_TRUE(SavedText() == cut) << c.what;
            closeAll();
        }
        testing::internal::CaptureStderr();
        Tap("ACTION_INTERACT");
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(Message(), kSaved) << c.what;
        // A failed press before it lets the level run on: the save then holds a later moment.
        const std::string saved = SavedText();
        EXPECT_TRUE(c.fullAtFirstPress ? saved.size() > cut.size() && saved.substr(saved.size() - 11) == "\n/SaveData\n"
                                       : saved == whole)
            << c.what;
        if (c.everyNameTaken) {
            EXPECT_NE(said.find("SaveData.txt still could not be kept aside (99 broken copies"), std::string::npos)
                << c.what << "\n" << said;
            EXPECT_NE(said.find("SaveData.txt is written over\n"), std::string::npos) << c.what << "\n" << said;
            EXPECT_EQ(Controller().dialogueLines.size(), 1u) << c.what;
        } else {
            EXPECT_NE(said.find("Checkpoint: the damaged save ../resources/save/SaveData.txt is kept as " + copy + "\n"),
                      std::string::npos)
                << c.what << "\n" << said;
            ASSERT_EQ(Controller().dialogueLines.size(), 2u) << c.what;
            EXPECT_EQ(Controller().dialogueLines[1].text, keptLine) << c.what;
            EXPECT_TRUE(tree->ReadFile("resources/save/SaveData.txt.broken") == cut) << c.what;
        }
        closeAll();
        // Saved whole, the slot is no longer damaged: the next save keeps nothing.
        Tap("ACTION_INTERACT");
        EXPECT_EQ(Message(), kSaved) << c.what;
        EXPECT_EQ(Controller().dialogueLines.size(), 1u) << c.what;
        EXPECT_FALSE(std::filesystem::exists(tree->Resources() / "save" / "SaveData.txt.broken2") && !c.everyNameTaken) << c.what;
        closeAll();
    }
}

// A first save that fails leaves nothing to fall back on, and says so.
TEST_F(CheckpointTest, AFailedFirstSaveSaysThereIsNoEarlierSave)
{
    BuildPlayerRig();
    AddCheckpoint(0.0f, 0.0f);
    Start();
    // A plain file where the save folder should be: nothing can be written (even by root).
    std::filesystem::remove_all(tree->Resources() / "save");
    tree->WriteFile("resources/save", "not a folder\n");
    testing::internal::CaptureStderr();
    Tap("ACTION_INTERACT");
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Message(), kFailed);
    EXPECT_NE(said.find("could not be saved to ../resources/save/SaveData.txt; there is no earlier save"), std::string::npos)
        << said;
    EXPECT_EQ(said.find("previous save"), std::string::npos) << said;
}

// Saving a level cut inside a record would put half a world over the save.
TEST_F(CheckpointTest, ALevelReadOnlyInPartLeavesTheSaveAsItWas)
{
    AddCheckpoint(0.0f, 0.0f);
    BuildPlayerRig();
    StartBuiltLevel();
    const std::string whole = tree->ReadFile("resources/level/Level1.txt");
    tree->WriteFile("resources/save/SaveData.txt", "a good save\n");
    StartLevel(whole.substr(0, whole.rfind("\nEnd\n")));
    StepSeconds(1.1f);
    Tap("ACTION_INTERACT");
    EXPECT_EQ(Message(), kFailed);
    EXPECT_EQ(PointFrame(), 0);
    EXPECT_TRUE(SavedText() == "a good save\n") << "the save stays as it was";

    StartLevel(whole);
    StepSeconds(1.1f);
    Tap("ACTION_INTERACT");
    EXPECT_EQ(Message(), kSaved) << "a whole level saves again";
}

// The editor's runs answer to the file as the editor knows it: a level read in part saves
// nothing until the designer saves it whole over its own file; a copy elsewhere changes nothing.
TEST_F(CheckpointTest, AnEditorRunSavesOnlyOnceTheLevelReadInPartIsSavedWhole)
{
    AddCheckpoint(0.0f, 0.0f);
    BuildPlayerRig();
    StartBuiltLevel();
    const std::string whole = tree->ReadFile("resources/level/Level1.txt");
    tree->WriteFile("resources/save/SaveData.txt", "a good save\n");
    tree->WriteFile("resources/level/Level1.txt", whole.substr(0, whole.rfind("\nEnd\n")));
    Editor& editor = EnterEditor();
    const auto f12 = [&] {
        Press(Framework::Keys::F12);
        Step();
        Release(Framework::Keys::F12);
        Step();
    };
    const auto runAndInteract = [&] {
        f12();
        EXPECT_TRUE(editor.playMode);
        StepSeconds(1.1f);
        Tap("ACTION_INTERACT");
        const std::string message = Message();
        f12();
        EXPECT_FALSE(editor.playMode);
        return message;
    };
    EXPECT_EQ(runAndInteract(), kFailed);
    EXPECT_TRUE(SavedText() == "a good save\n") << "the save stays as it was";

    ASSERT_TRUE(editor.SaveScene("Level1Copy"));
    EXPECT_EQ(runAndInteract(), kFailed) << "a copy elsewhere leaves the opened file read in part";

    ASSERT_TRUE(editor.SaveScene("Level1"));
    EXPECT_EQ(runAndInteract(), kSaved) << "saved whole, the level saves again";
    EXPECT_TRUE(SavedText() != "a good save\n");
}

TEST_F(CheckpointTest, APressMadeWhileSomethingElseHoldsThePlayerDoesNotSave)
{
    BuildPlayerRig();
    // Updated before the controller, so it sees every press first.
    AddCheckpoint(0.0f, 0.0f, -0.5f);
    Start();
    Controller().StartDialogue({DialogueLine("Wait.", false, 0)}, false, false, false, 0.01f);
    CloseMessage();
    EXPECT_FALSE(std::filesystem::exists(SaveFile()));
    EXPECT_FALSE(DialogueOpen());
}

}  // namespace

// What the editor writes is the level as the designer left it: not what the editor shows on
// top of it, not what the scripts did when the editor set them up, not what a play run did.
#include <imgui_internal.h>

#include <algorithm>
#include <sstream>

#include "EditorTestSupport.h"
#include "audio/Audio.h"
#include "engine/Camera.h"
#include "engine/KeyTable.h"
#include "engine/SceneSystem.h"
#include "objects/GameObject.h"
#include "graphics/LightSource.h"
#include "graphics/Sprite.h"
#include "objects/LevelFile.h"
#include "objects/Transform.h"

namespace {

constexpr float kFrame = 1.0f / 60.0f;

// The text between the first line and the end line, which carry the level's name.
std::string Body(const std::string& text)
{
    const size_t first = text.find('\n');
    const size_t last = text.rfind('\n', text.size() >= 2 ? text.size() - 2 : 0);
    return first != std::string::npos && last != std::string::npos && last > first ? text.substr(first, last - first)
                                                                                   : "";
}

// "" when the two levels hold the same bytes apart from their names; otherwise the line where
// they first differ.
std::string BodyDifference(const std::string& a, const std::string& b)
{
    const std::string ba = Body(a);
    const std::string bb = Body(b);
    if (ba.empty() || bb.empty())
        return "a file has no body";
    if (ba == bb && a.back() == b.back())
        return "";
    size_t at = 0;
    while (at < ba.size() && at < bb.size() && ba[at] == bb[at])
        ++at;
    if (at == ba.size() || at == bb.size())
        return "one level holds more lines: " + std::to_string(ba.size()) + " bytes became " + std::to_string(bb.size());
    const size_t start = ba.rfind('\n', at == 0 ? 0 : at - 1) + 1;
    const auto line = [start](const std::string& text) { return text.substr(start, text.find('\n', start) - start); };
    return "line " + std::to_string(std::count(ba.begin(), ba.begin() + static_cast<long>(start), '\n') + 1) + ": \"" +
           line(ba) + "\" became \"" + line(bb) + "\"";
}

class EditorLevelKeep : public EditorTest {
protected:
    void Open(Editor& editor)
    {
        editor.Load();
        editor.Init();
        for (int i = 0; i < 5; ++i)
            Frame(editor);
    }
    // A frame as the loop runs it: the input system re-arms released keys before the scene,
    // and the list is sorted by depth after it.
    void Frame(Editor& editor)
    {
        gInputSystem->Update(kFrame);
        editor.Update(kFrame);
        Framework::SceneSystem::SortObjectsByDepth();
    }
    void Tap(Editor& editor, int key)
    {
        Press(key);
        Frame(editor);
        Release(key);
        Frame(editor);
    }
    std::string Level(const std::string& name) const { return tree.ReadFile("resources/level/" + name + ".txt"); }
};

TEST_F(EditorLevelKeep, EveryShippedLevelIsWhatTheWriterWritesForIt)
{
    for (const char* name : {"Level1", "Main", "SplashScreen", "Cutscene", "GameOver", "Ending"}) {
        DestroyAll();
        const std::string shipped = Level(name);
        LoadLevel(name, "../resources/level/" + std::string(name) + ".txt");
        EXPECT_EQ(BodyDifference(shipped, LevelText(name, gGameObjects)), "") << name;
    }
}

TEST_F(EditorLevelKeep, AnUntouchedLevelIsSavedAsItWasRead)
{
    Editor editor(5);
    Open(editor);
    Tap(editor, Framework::Keys::F1);  // outlines off and on again: still nothing to save
    Tap(editor, Framework::Keys::F1);
    EXPECT_FALSE(editor.HoldsUnsavedEdits()) << "quitting would ask for nothing";
    ASSERT_TRUE(editor.SaveScene("Level1Copy"));
    const std::string copy = Level("Level1Copy");
    EXPECT_EQ(copy.rfind("Level1Copy\n", 0), 0u);
    EXPECT_EQ(BodyDifference(Level("Level1"), copy), "");

    // An edit to a component the reception script switched off at set-up: the edit is saved,
    // the switch is not.
    const auto spotlight = FindObjectByName("Spotlight1");
    const auto light = spotlight ? spotlight->GetComponent<LightSource>() : nullptr;
    ASSERT_TRUE(light);
    ASSERT_FALSE(light->Enabled);
    light->CutoffDistance = 9.0f;
    EXPECT_TRUE(editor.HoldsUnsavedEdits());
    ASSERT_TRUE(editor.SaveScene("Level1Edited"));
    EXPECT_FALSE(editor.HoldsUnsavedEdits());
    const std::string edited = Level("Level1Edited");
    const std::string block = edited.substr(edited.find("\nSpotlight1\n"), 300);
    EXPECT_NE(block.find("Enabled\n1\n"), std::string::npos) << block;
    EXPECT_NE(block.find("CutoffDistance\n9\n"), std::string::npos) << block;
}

TEST_F(EditorLevelKeep, StoppingPlayBringsBackTheLevelAsEditedWithTheSelection)
{
    Editor editor(5);
    Open(editor);
    const auto torch = FindObjectByName("Torch");
    ASSERT_TRUE(torch && torch->GetComponent<Transform>());
    torch->GetComponent<Transform>()->SetPosition(Vector2(3.0f, 4.0f));
    editor.selectedObject = torch;
    ASSERT_TRUE(editor.SaveScene("Edited"));

    Tap(editor, Framework::Keys::F12);
    ASSERT_TRUE(editor.playMode);
    for (int i = 0; i < 90; ++i)
        Frame(editor);
    Tap(editor, Framework::Keys::F12);
    ASSERT_FALSE(editor.playMode);

    ASSERT_TRUE(editor.SaveScene("AfterPlay"));
    EXPECT_EQ(BodyDifference(Level("Edited"), Level("AfterPlay")), "");
    ASSERT_TRUE(editor.selectedObject);
    EXPECT_EQ(editor.selectedObject->name, "Torch");
    EXPECT_EQ(editor.selectedObject, FindObjectByName("Torch"));
    EXPECT_EQ(editor.selectedObject->GetComponent<Transform>()->position.x, 3.0f);

    // A second run starts from the level as edited too, and the editor leaves cleanly while playing.
    Tap(editor, Framework::Keys::F12);
    Frame(editor);
    editor.Unload();
    EXPECT_TRUE(gGameObjects.empty());

    // The game took the run elsewhere: the next visit opens the level as edited, selection and
    // all, in editing mode.
    editor.Load();
    editor.Init();
    EXPECT_FALSE(editor.playMode);
    ASSERT_EQ(editor.selectedObject, FindObjectByName("Torch"));
    EXPECT_EQ(editor.selectedObject->GetComponent<Transform>()->position.x, 3.0f);
    editor.Unload();
}

// Back from a run (F12 twice) or from another scene (Left Shift+F6, Left Shift+F5), the level is
// the one left: a level without a camera gets none, one whose "Camera" is a prop gets no second,
// and the music playing as it was saved is no edit to ask about on quitting.
TEST_F(EditorLevelKeep, PlayAndOtherScenesGiveBackTheLevelExactlyAsLeft)
{
    for (const bool removed : {true, false}) {
        Editor editor(5);
        Open(editor);
        const auto camera = FindObjectByName("Camera");
        const auto controller = FindObjectByName("GameController");
        ASSERT_TRUE(camera && controller && controller->GetComponent<Audio>());
        editor.selectedObject = camera;
        if (removed)
            editor.DeleteSelected();
        else
            camera->objectType = 4;
        controller->GetComponent<Audio>()->isPlaying = true;
        ASSERT_TRUE(editor.SaveScene("Kept"));
        const auto expectAsLeft = [&](const char* after) {
            EXPECT_EQ(std::count_if(gGameObjects.begin(), gGameObjects.end(),
                                    [](const std::shared_ptr<GameObject>& object) { return object->name == "Camera"; }),
                      removed ? 0 : 1) << after;
            EXPECT_FALSE(editor.HoldsUnsavedEdits()) << after;
        };
        Tap(editor, Framework::Keys::F12);
        Tap(editor, Framework::Keys::F12);
        expectAsLeft("a run");
        editor.Unload();
        editor.Load();
        editor.Init();
        expectAsLeft("another scene");
        editor.Unload();
    }
}

TEST_F(EditorLevelKeep, TheOpeningFadeShowsClearAndAClickOnThePlayerPicksHim)
{
    Editor editor(5);
    Open(editor);
    const auto fade = FindObjectByName("FadeScreen");
    const auto player = FindObjectByName("Player");
    ASSERT_TRUE(fade && fade->GetComponent<Sprite>() && player && gCamera);
    EXPECT_EQ(fade->GetComponent<Sprite>()->transparency, 0.0f);

    // A click on the player's centre, in window pixels (y down) on the 1920 x 1080 window.
    const Vector3 at = player->GetComponent<Transform>()->position;
    gInputSystem->mouseX = static_cast<std::int16_t>(960.0f + gCamera->position.x + gCamera->size.x * at.x);
    gInputSystem->mouseY = static_cast<std::int16_t>(540.0f - gCamera->position.y - gCamera->size.y * at.y);
    Frame(editor);
    Tap(editor, Framework::Keys::MouseLeft);
    ASSERT_TRUE(editor.selectedObject);
    EXPECT_EQ(editor.selectedObject->name.rfind("Player", 0), 0u) << editor.selectedObject->name;

    // The file keeps its black.
    ASSERT_TRUE(editor.SaveScene("Faded"));
    const std::string saved = Level("Faded");
    EXPECT_NE(saved.substr(saved.find("\nFadeScreen\n"), 300).find("Transparency\n1\n"), std::string::npos);
}

// The designer's own edit is saved as set, even when it puts back what a script's set-up left.
TEST_F(EditorLevelKeep, AnInspectorEditBackToTheSetUpValueIsSavedAsSet)
{
    Editor editor(5);
    Open(editor);
    const auto spotlight = FindObjectByName("Spotlight1");
    const auto light = spotlight ? spotlight->GetComponent<LightSource>() : nullptr;
    ASSERT_TRUE(light && !light->Enabled) << "the reception script switches it off at set-up";
    editor.selectedObject = spotlight;
    Frame(editor);

    // The light's panel opened, and the pointer moved down it onto its "Enabled" box.
    ImGuiWindow* inspector = ImGui::FindWindowByName("Inspector");
    ASSERT_NE(inspector, nullptr);
    const int index = static_cast<int>(std::find(spotlight->components.begin(), spotlight->components.end(), light) -
                                       spotlight->components.begin());
    // Headers are the same for every object; what is under them is the object's.
    inspector->StateStorage.SetInt(ImHashStr("LightSource", 0, inspector->ID), 1);
    const void* owner = spotlight.get();
    const ImGuiID panel = ImHashData(&index, sizeof index, ImHashData(&owner, sizeof owner, inspector->ID));
    const ImGuiID box = ImHashStr("Enabled ", 0, panel);
    const ImGuiID& hovered = ImGui::GetCurrentContext()->HoveredId;
    gInputSystem->mouseX = static_cast<std::int16_t>(inspector->DC.CursorStartPos.x + 6.0f);
    for (float y = inspector->Pos.y; y < inspector->Pos.y + inspector->Size.y && hovered != box; y += 3.0f) {
        gInputSystem->mouseY = static_cast<std::int16_t>(y);
        Frame(editor);
    }
    ASSERT_EQ(hovered, box) << "no Enabled box in the inspector";

    Tap(editor, Framework::Keys::MouseLeft);
    EXPECT_TRUE(light->Enabled);
    Tap(editor, Framework::Keys::MouseLeft);
    ASSERT_TRUE(editor.SaveScene("Level1Off"));
    const std::string saved = Level("Level1Off");
    EXPECT_NE(saved.substr(saved.find("\nSpotlight1\n"), 300).find("Enabled\n0\n"), std::string::npos);
}

TEST_F(EditorLevelKeep, ALevelDamagedTwiceAndSavedOverKeepsBothDamagedFiles)
{
    // An early end line at a record's end, halfway and then a quarter in: the records after it
    // are only in the damaged file, so no later copy may take its place.
    const std::string whole = Level("Level1");
    std::string kept;
    for (const size_t at : {whole.size() / 2, whole.size() / 4}) {
        std::string damaged = whole;
        damaged.insert(damaged.find("\nEnd\n\n", at) + 6, "/Level1\n4\nNone\nEnd\n\n");
        tree.WriteFile("resources/level/Level1.txt", damaged);
        Editor editor(5);
        Open(editor);
        ASSERT_TRUE(editor.LevelReadInPart());
        ASSERT_TRUE(editor.SaveScene("Level1"));
        const std::string copy = kept.empty() ? "Level1.txt.broken" : "Level1.txt.broken2";
        EXPECT_NE(editor.saveMessage.find("kept as " + copy), std::string::npos) << editor.saveMessage;
        EXPECT_TRUE(tree.ReadFile("resources/level/" + copy) == damaged) << copy << " is not the damaged file";
        if (kept.empty())
            kept = damaged;
        DestroyAll();
    }
    EXPECT_TRUE(tree.ReadFile("resources/level/Level1.txt.broken") == kept) << "the first copy was replaced";

    // Broken at its first record, none of it was read: it is not said to be read in part.
    tree.WriteFile("resources/level/Level1.txt", "Level1\n\nShelf\n4\nNone\nTr#nsform\nEnd\n\n/Level1\n");
    Editor editor(5);
    Open(editor);
    ASSERT_TRUE(editor.LevelReadInPart());
    EXPECT_NE(editor.FileWarnings().find("Level1.txt could not be read"), std::string::npos) << editor.FileWarnings();
    EXPECT_EQ(editor.FileWarnings().find("in part"), std::string::npos) << editor.FileWarnings();
}

TEST_F(EditorLevelKeep, AnEscapedNameIsToldOnceForTheFileWrittenWithWhatItReadsBackAs)
{
    Editor editor(5);
    Open(editor);
    gGameObjects[1]->name = "<empty>";
    gGameObjects[2]->name = " <empty>";  // blanks are written as "_"
    testing::internal::CaptureStdout();
    EXPECT_TRUE(editor.HoldsUnsavedEdits());
    ASSERT_TRUE(editor.SaveScene("T9"));
    editor.playMode = true;  // a run keeps the level's text, and its end gives it back
    Frame(editor);
    editor.playMode = false;
    Frame(editor);
    EXPECT_FALSE(editor.HoldsUnsavedEdits());
    const std::string said = testing::internal::GetCapturedStdout();
    const auto lines = [&](const std::string& text) {
        size_t count = 0;
        for (size_t at = said.find(text); at != std::string::npos; at = said.find(text, at + 1))
            ++count;
        return count;
    };
    EXPECT_EQ(lines("is written as"), 2u) << said;
    EXPECT_EQ(lines(" in \"T9\""), 2u) << said;
    EXPECT_EQ(lines("Object \"<empty>\" is written as \"_<empty>\""), 1u) << said;
    EXPECT_NE(said.find("reads back as \"_<empty>\""), std::string::npos) << said;

    // The prefab file is written when it holds a prefab made in the visit: told once, as it is.
    editor.prefabs.push_back(std::make_shared<GameObject>("<empty>", 4, 0));
    testing::internal::CaptureStdout();
    ASSERT_TRUE(editor.SavePrefabs());
    ASSERT_TRUE(editor.SavePrefabs());
    const std::string prefabs = testing::internal::GetCapturedStdout();
    EXPECT_EQ(prefabs.find("in the prefab file"), prefabs.rfind("in the prefab file")) << prefabs;
    EXPECT_NE(prefabs.find("in the prefab file"), std::string::npos) << prefabs;
}

}  // namespace

// The editor writes its own files only where it holds something new, joined with what another
// program wrote there since it read them: nothing of the other's leaves the live file.
#include <filesystem>
#include <sstream>

#include "EditorTestSupport.h"
#include "editor/PrefabFile.h"
#include "editor/StyleFile.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"

namespace {

const std::string kList = "resources/level/TxtName.txt";
const std::string kPrefabs = "resources/prefab/PrefabName.txt";
const std::string kStyle = "resources/level/Editor/EditorSetting.txt";

class EditorFilesJoin : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        tree.WriteFile("resources/level/Tiny.txt", "Tiny\n\n/Tiny\n");
    }
    void Enter(Editor& editor)
    {
        editor.levelName = "Tiny";
        editor.Load();
        editor.Init();
    }
    bool Listed(const std::string& name) const { return tree.ReadFile(kList).find("\n" + name + "\n") != std::string::npos; }
    // The prefab file's prefab of that name as its record, "" when it holds none.
    std::string PrefabInFile(const std::string& name) const
    {
        std::istringstream in(tree.ReadFile(kPrefabs));
        std::vector<std::shared_ptr<GameObject>> read;
        PrefabFile::Read(in, "prefabs", read);
        for (const auto& prefab : read)
            if (prefab->name == name)
                return PrefabFile::Record(prefab);
        return "";
    }
    // Every copy kept aside in the editor's folders.
    std::vector<std::string> Copies() const
    {
        std::vector<std::string> copies;
        for (const char* folder : {"resources/level", "resources/level/Editor", "resources/prefab"})
            for (const auto& entry : std::filesystem::directory_iterator(tree.Root() / folder))
                if (entry.path().filename().string().find(".broken") != std::string::npos)
                    copies.push_back(entry.path().filename().string());
        return copies;
    }
};

std::shared_ptr<GameObject> Prefab(const std::string& name, float x)
{
    auto object = std::make_shared<GameObject>(name, 4, 0);
    object->AddComponent(std::make_shared<Transform>(x, 0.0f, 0.5f, 7.0f, 7.0f), Transform::kTypeId);
    return object;
}

// Two games in the editor on one folder, each with its own interface: each leave writes only
// what its editor changed, joined with what the other wrote.
TEST_F(EditorFilesJoin, TwoEditorsOnOneFolderTakeNothingOutOfEachOthersFiles)
{
    ImGuiContext* first = ImGui::GetCurrentContext();
    ImGuiContext* second = ImGui::CreateContext();
    Editor a(5);
    Editor b(5);
    Enter(a);
    ImGui::SetCurrentContext(second);
    Enter(b);

    ImGui::SetCurrentContext(first);
    a.prefabs.push_back(Prefab("FromA", 1.0f));
    ImGui::GetStyle().WindowRounding = 6.0f;
    ASSERT_TRUE(a.SaveScene("LevelA"));
    ImGui::SetCurrentContext(second);
    b.prefabs.push_back(Prefab("FromB", 2.0f));
    ASSERT_TRUE(b.SaveScene("LevelB"));
    EXPECT_NE(std::find(b.levelNames.begin(), b.levelNames.end(), "LevelA"), b.levelNames.end())
        << "the other game's level is offered";

    ImGui::SetCurrentContext(first);
    a.Unload();
    ImGui::SetCurrentContext(second);
    b.Unload();
    ImGui::DestroyContext(second);
    ImGui::SetCurrentContext(first);

    EXPECT_TRUE(Listed("LevelA") && Listed("LevelB")) << tree.ReadFile(kList);
    EXPECT_NE(PrefabInFile("FromA"), "");
    EXPECT_NE(PrefabInFile("FromB"), "");
    EXPECT_NE(tree.ReadFile(kStyle).find("WindowRounding\n6\n"), std::string::npos) << "b wrote its unchanged style";
    EXPECT_EQ(Copies(), std::vector<std::string>{}) << "nothing changed on both sides";
}

// Edited by hand while the editor works: what it did not change stays as edited; where both
// changed one prefab or the style, the editor's wins, the file as it was is kept aside and the
// menu bar says so at the next entry.
TEST_F(EditorFilesJoin, AFileEditedBetweenTheEditorsReadAndItsWriteKeepsTheEdit)
{
    Editor editor(5);
    Enter(editor);
    std::string list = tree.ReadFile(kList);
    tree.WriteFile(kList, list.insert(list.rfind("/TxtName"), "ByHand\n"));
    std::string prefabs = tree.ReadFile(kPrefabs);
    tree.WriteFile(kPrefabs, prefabs.insert(prefabs.rfind("/PrefabName"), "HandMade\n4\nNone\nEnd\n\n"));
    ImGuiStyle handStyle = ImGui::GetStyle();
    handStyle.GrabRounding = 5.0f;
    const std::string style = StyleFile::Write(handStyle, editor.spareColours);
    tree.WriteFile(kStyle, style);

    ASSERT_TRUE(editor.SaveScene("Mine"));
    AddObject(Prefab("Mine", 3.0f));
    editor.selectedObject = FindObjectByName("Mine");
    editor.SaveSelectedAsPrefab();
    editor.Unload();
    EXPECT_TRUE(Listed("ByHand") && Listed("Mine")) << tree.ReadFile(kList);
    EXPECT_NE(PrefabInFile("HandMade"), "");
    EXPECT_NE(PrefabInFile("Mine"), "");
    EXPECT_EQ(tree.ReadFile(kStyle), style) << "the editor changed nothing in the style";
    EXPECT_EQ(Copies(), std::vector<std::string>{});

    // Both change the prefab "Mine" and the style.
    Enter(editor);
    const std::string before = tree.ReadFile(kPrefabs);
    std::string changed = before;
    changed.replace(changed.find("Mine\n4\n"), 7, "Mine\n5\n");
    tree.WriteFile(kPrefabs, changed);
    const auto placed = Prefab("Mine", 9.0f);
    AddObject(placed);
    editor.selectedObject = placed;
    editor.SaveSelectedAsPrefab();
    handStyle.GrabRounding = 7.0f;
    const std::string changedStyle = StyleFile::Write(handStyle, editor.spareColours);
    tree.WriteFile(kStyle, changedStyle);
    ImGui::GetStyle().WindowRounding = 2.0f;
    editor.Unload();

    EXPECT_EQ(PrefabInFile("Mine"), PrefabFile::Record(Prefab("Mine", 9.0f))) << "the editor's prefab wins";
    EXPECT_NE(PrefabInFile("HandMade"), "");
    EXPECT_EQ(tree.ReadFile(kPrefabs + ".broken"), changed);
    EXPECT_EQ(tree.ReadFile(kStyle + ".broken"), changedStyle);
    EXPECT_NE(tree.ReadFile(kStyle).find("WindowRounding\n2\n"), std::string::npos);
    ASSERT_GT(editor.saveNewsSeconds, 0.0f) << "the copies are told at the next entry";
    EXPECT_NE(editor.saveNews.find("PrefabName.txt had a prefab changed on disk"), std::string::npos) << editor.saveNews;
    EXPECT_NE(editor.saveNews.find("kept as PrefabName.txt.broken"), std::string::npos) << editor.saveNews;
    EXPECT_NE(editor.saveNews.find("EditorSetting.txt changed on disk"), std::string::npos) << editor.saveNews;
    EXPECT_NE(editor.saveNews.find("kept as EditorSetting.txt.broken"), std::string::npos) << editor.saveNews;
}

}  // namespace

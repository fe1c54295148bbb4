// The editor writes its own files only where it holds something new, joined with what another
// program wrote there since it read them: nothing of the other's leaves the live file.
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "EditorTestSupport.h"
#include "editor/InterfaceRenderer.h"
#include "editor/PrefabFile.h"
#include "editor/StyleFile.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "platform/FileSystemSeam.h"
#include "support/HeldFolderLock.h"

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

// Two games saving at the same moment, each many times over: every level name and prefab of both
// is in the files at the end, and nothing was kept aside, as nothing was damaged.
TEST_F(EditorFilesJoin, TwoGamesSavingAtOnceLoseNoNameAndKeepNoCopy)
{
    constexpr int kSaves = 50;
    int gate[2];
    ASSERT_EQ(pipe(gate), 0);
    std::cout.flush();
    std::fflush(stdout);
    std::vector<pid_t> games;
    for (int game = 0; game < 2; ++game) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0) << std::strerror(errno);
        if (pid == 0) {
            close(gate[1]);
            char go = 0;
            while (read(gate[0], &go, 1) < 0 && errno == EINTR) {
            }
            Editor editor(5);
            bool saved = true;
            for (int save = 0; save < kSaves; ++save) {
                const std::string name = "Game" + std::to_string(game) + "_" + std::to_string(save);
                editor.unlistedNames.push_back(name);
                editor.prefabs.push_back(Prefab(name, 1.0f));
                saved = editor.SaveLevelNameList() && saved;
                saved = editor.SavePrefabs() && saved;
            }
            std::cout.flush();
            _exit(saved ? 0 : 1);
        }
        games.push_back(pid);
    }
    close(gate[0]);
    close(gate[1]);  // both start
    for (const pid_t pid : games) {
        int status = -1;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed";
    }
    std::vector<std::string> lost;
    for (int game = 0; game < 2; ++game)
        for (int save = 0; save < kSaves; ++save) {
            const std::string name = "Game" + std::to_string(game) + "_" + std::to_string(save);
            if (!Listed(name))
                lost.push_back(name + " (list)");
            if (PrefabInFile(name).empty())
                lost.push_back(name + " (prefab)");
        }
    EXPECT_EQ(lost, std::vector<std::string>{});
    EXPECT_EQ(Copies(), std::vector<std::string>{});
}

// On a disk that refuses locks the editor's files are written as before; the refusal is said
// once for each folder, however many writes follow.
TEST_F(EditorFilesJoin, ADiskThatRefusesLocksIsWrittenAsBeforeAndSaidSoOnce)
{
    struct LockRefused {
        explicit LockRefused(int error) { Platform::FileSystemSeam::RefuseLock(error); }
        ~LockRefused() { Platform::FileSystemSeam::RefuseLock(0); }
    };
    for (const int refusal : {ENOLCK, EOPNOTSUPP, EINVAL}) {
        SCOPED_TRACE(refusal);
        // A folder of the editor's files for each disk, named as no other run's.
        const std::string folder = "resources/disk" + std::to_string(refusal);
        std::filesystem::create_directories(tree.Root() / folder);
        Editor editor(5);
        editor.levelListPath = (tree.Root() / folder / "TxtName.txt").string();
        editor.prefabPath = (tree.Root() / folder / "PrefabName.txt").string();
        editor.settingPath = (tree.Root() / folder / "EditorSetting.txt").string();
        const LockRefused refused(refusal);
        testing::internal::CaptureStdout();
        Enter(editor);
        for (int save = 0; save < 3; ++save) {
            const std::string name = "Saved" + std::to_string(save);
            EXPECT_TRUE(editor.SaveScene(name)) << editor.saveMessage;
            editor.prefabs.push_back(Prefab(name, 1.0f));
            EXPECT_TRUE(editor.SavePrefabs());
            ImGui::GetStyle().WindowRounding = static_cast<float>(save + 1);
            EXPECT_TRUE(editor.SaveEditorSetting());
        }
        const std::string said = testing::internal::GetCapturedStdout();
        const std::string list = tree.ReadFile(folder + "/TxtName.txt");
        for (const char* name : {"\nSaved0\n", "\nSaved1\n", "\nSaved2\n"})
            EXPECT_NE(list.find(name), std::string::npos) << name << list;
        EXPECT_NE(tree.ReadFile(folder + "/PrefabName.txt").find("\nSaved2\n"), std::string::npos);
        EXPECT_NE(tree.ReadFile(folder + "/EditorSetting.txt").find("WindowRounding\n3\n"), std::string::npos);
        const std::string refusedLine = (tree.Root() / folder).string() + "\" cannot be locked (" +
                                        std::string(std::strerror(refusal)) + ")";
        const size_t first = said.find(refusedLine);
        EXPECT_NE(first, std::string::npos) << said;
        EXPECT_EQ(said.find(refusedLine, first + 1), std::string::npos) << said;
    }
}

// The Open Scene screen offers, as it opens, the levels another game listed during the visit,
// beside the names this visit saved that wait for the list.
TEST_F(EditorFilesJoin, OpenSceneOffersTheLevelsAnotherGameListedDuringTheVisit)
{
    InterfaceRenderer::BuildFont();
    Editor editor(5);
    Enter(editor);
    editor.unlistedNames.push_back("Waiting");
    Editor other(5);
    other.unlistedNames.push_back("FromOther");
    ASSERT_TRUE(other.SaveLevelNameList());

    editor.AskForScreen(&editor.openSceneScreen);
    ImGuiIO& io = ImGui::GetIO();
    io.DisplaySize = ImVec2(1920.0f, 1080.0f);
    io.DeltaTime = 1.0f / 60.0f;
    ImGui::NewFrame();
    editor.DrawScreens();
    ImGui::Render();
    for (const char* name : {"FromOther", "Waiting", "Level1"})
        EXPECT_NE(std::find(editor.levelNames.begin(), editor.levelNames.end(), name), editor.levelNames.end()) << name;
}

// A level saved while another game holds the folder (its start giving copies a crash left linked
// bytes of their own) waits for it: a copy linked for this save is never cut off before its rename.
TEST_F(EditorFilesJoin, ALevelSaveWaitsForTheFoldersLock)
{
    Editor editor(5);
    Enter(editor);
    bool saved = false;
    EXPECT_TRUE(testsupport::WaitsForFolderLock(
        (tree.Root() / "resources/level").string(), [&] { saved = editor.SaveScene("Held"); },
        [&] { return std::filesystem::exists(tree.Root() / "resources/level/Held.txt"); }));
    EXPECT_TRUE(saved) << editor.saveMessage;
}

}  // namespace

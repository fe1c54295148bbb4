#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>

#include <imgui_internal.h>
#include <sys/stat.h>

#include "EditorTestSupport.h"
#include "editor/InterfaceRenderer.h"
#include "editor/LevelNameList.h"
#include "editor/PrefabFile.h"
#include "editor/StyleFile.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/Collider.h"

namespace {

TEST_F(EditorTest, StyleFileKeepsItsFortyThreeNamesAndRoundTripsByteForByte)
{
    ASSERT_EQ(StyleFile::ColourNames().size(), 43u);
    EXPECT_STREQ(StyleFile::ColourNames()[18].name, "ComboBg");
    EXPECT_STREQ(StyleFile::ColourNames()[42].name, "ModalWindowDarkening");

    ImGuiStyle style;
    StyleFile::SpareColours spare{};
    spare[34] = ImVec4(0.25f, 0.5f, 0.75f, 1.0f);  // CloseButton: no slot, still kept
    style.WindowPadding = ImVec2(3.5f, 12.0f);
    const std::string text = StyleFile::Write(style, spare);
    EXPECT_EQ(text.rfind("EditorSetting\n\nWindowPadding\n3.5 12\nWindowRounding\n", 0), 0u);

    ImGuiStyle read;
    StyleFile::SpareColours readSpare{};
    std::istringstream in(text);
    std::string error;
    ASSERT_EQ(StyleFile::Read(in, read, readSpare, error), FileRead::Whole) << error;
    EXPECT_EQ(StyleFile::Write(read, readSpare), text);
}

TEST_F(EditorTest, BrokenStyleFileIsReportedKeptAsideAndTheStyleStaysSane)
{
    // Cut inside its values, or two files joined: the second goes on after the first's end line.
    // Left as it is while nothing in the style changes; written once something does, each is
    // kept aside first beside the earlier copies, none replaced.
    const std::string whole = StyleFile::Write(ImGuiStyle(), StyleFile::SpareColours{});
    const std::string copies[] = {".broken", ".broken2"};
    const std::string damaged[] = {"EditorSetting\n\nWindowPadding\n8 8\nWindowRounding\nabc\n", whole + whole};
    for (int i = 0; i < 2; ++i) {
        ImGui::GetStyle() = ImGuiStyle();
        Editor editor(5);
        tree.WriteFile("resources/level/Editor/EditorSetting.txt", damaged[i]);
        const float rounding = ImGui::GetStyle().WindowRounding;
        editor.LoadEditorSetting();
        EXPECT_EQ(ImGui::GetStyle().WindowRounding, rounding);
        EXPECT_EQ(ImGui::GetStyle().Colors[ImGuiCol_Text].w, 1.0f);  // not turned transparent

        ASSERT_TRUE(editor.SaveEditorSetting());
        EXPECT_EQ(tree.ReadFile("resources/level/Editor/EditorSetting.txt"), damaged[i]) << "nothing changed";
        EXPECT_FALSE(std::filesystem::exists(tree.Root() / ("resources/level/Editor/EditorSetting.txt" + copies[i])));
        ImGui::GetStyle().GrabRounding = 3.0f;
        ASSERT_TRUE(editor.SaveEditorSetting());
        EXPECT_EQ(tree.ReadFile("resources/level/Editor/EditorSetting.txt" + copies[i]), damaged[i]);
        EXPECT_EQ(tree.ReadFile("resources/level/Editor/EditorSetting.txt"),
                  StyleFile::Write(ImGui::GetStyle(), StyleFile::SpareColours{}));
    }
    EXPECT_EQ(tree.ReadFile("resources/level/Editor/EditorSetting.txt.broken"), damaged[0]);
}

TEST_F(EditorTest, AStyleFileGoingOnAfterItsEndLineKeepsItsValuesAndIsKeptAside)
{
    ImGuiStyle style;
    style.WindowRounding = 7.0f;
    style.FrameRounding = 5.0f;
    const std::string mine = StyleFile::Write(style, StyleFile::SpareColours{});
    // A stray line after the end line, or a key no setting takes before it.
    std::string unknownKey = mine;
    unknownKey.insert(unknownKey.rfind("/EditorSetting"), "Foo\n1 2\n");
    const std::string damaged[] = {mine + "stray\n", unknownKey};
    const std::string copies[] = {".broken", ".broken2"};
    for (int i = 0; i < 2; ++i) {
        ImGui::GetStyle() = ImGuiStyle();
        tree.WriteFile("resources/level/Editor/EditorSetting.txt", damaged[i]);
        Editor editor(5);
        testing::internal::CaptureStdout();
        editor.LoadEditorSetting();
        const std::string said = testing::internal::GetCapturedStdout();
        EXPECT_EQ(ImGui::GetStyle().WindowRounding, 7.0f);
        EXPECT_NE(said.find(i == 0 ? "\"stray\"" : "\"Foo\" before its end line"), std::string::npos) << said;
        ImGui::GetStyle().GrabRounding = 2.0f;  // a change makes it written
        ASSERT_TRUE(editor.SaveEditorSetting());
        EXPECT_EQ(tree.ReadFile("resources/level/Editor/EditorSetting.txt"),
                  StyleFile::Write(ImGui::GetStyle(), StyleFile::SpareColours{}));
        EXPECT_EQ(tree.ReadFile("resources/level/Editor/EditorSetting.txt" + copies[i]), damaged[i]);
    }
}

// The default style's file with one setting's value line replaced.
std::string StyleWith(const std::string& key, const std::string& value)
{
    std::string text = StyleFile::Write(ImGuiStyle(), StyleFile::SpareColours{});
    const std::string at = "\n" + key + "\n";
    const size_t start = text.find(at) + at.size();
    return text.replace(start, text.find('\n', start) - start, value);
}

TEST_F(EditorTest, StyleValuesTheInterfaceCannotTakeAreReportedAndTheEditorOpensWithTheDefaults)
{
    // Enough objects that the panels scroll and the entity list clips.
    std::string level = "Crowd\n\n";
    for (int i = 0; i < 120; ++i)
        level += "Thing" + std::to_string(i) + "\n4\nNone\nEnd\n\n";
    tree.WriteFile("resources/level/Crowd.txt", level + "/Crowd\n");
    const std::string path = "resources/level/Editor/EditorSetting.txt";

    const struct {
        const char* key;
        const char* value;
    } bad[] = {{"ScrollbarSize", "0"},         {"ScrollbarSize", "-3"},         {"ItemSpacing", "8 -20"},
               {"WindowRounding", "1e-20"},    {"ChildWindowRounding", "1e-9"}, {"ScrollbarRounding", "1e-12"},
               {"WindowRounding", "5e9"},      {"FramePadding", "-4 3"},        {"WindowTitleAlign", "0 7"},
               {"ButtonTextAlign", "-1 0.5"},  {"IndentSpacing", "-8"},        {"GrabMinSize", "1e30"}};
    for (const auto& setting : bad) {
        SCOPED_TRACE(std::string(setting.key) + " " + setting.value);
        ImGui::GetStyle() = ImGuiStyle();
        tree.WriteFile(path, StyleWith(setting.key, setting.value));
        Editor editor(5);
        editor.levelName = "Crowd";
        testing::internal::CaptureStdout();
        editor.Load();
        editor.Init();
        for (int i = 0; i < 4; ++i)
            editor.Update(1.0f / 60.0f);
        const std::string console = testing::internal::GetCapturedStdout();
        EXPECT_NE(console.find(std::string(": ") + setting.key + " "), std::string::npos) << console;
        EXPECT_NE(console.find("is out of range"), std::string::npos) << console;
        editor.Unload();
        EXPECT_EQ(tree.ReadFile(path), StyleWith(setting.key, setting.value)) << "nothing changed in the visit";
        EXPECT_FALSE(std::filesystem::exists(tree.Root() / (path + ".broken")));
    }

    // Values it can take stay, with nothing said.
    ImGui::GetStyle() = ImGuiStyle();
    tree.WriteFile(path, StyleWith("ScrollbarSize", "3.5"));
    Editor editor(5);
    testing::internal::CaptureStdout();
    editor.LoadEditorSetting();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(ImGui::GetStyle().ScrollbarSize, 3.5f);
}

TEST_F(EditorTest, LevelNameListPutsTheNoChoiceEntryFirstAndSkipsBadNames)
{
    std::vector<std::string> names;
    // Names written into the list by hand stay when they are safe file names; only those that
    // could lead out of the level folder go.
    std::istringstream in("TxtName\n\nLevel1\nbad/name\nLevel1\nRoom-2\nWard.v2\nSalle_\xc3\xa9t\xc3\xa9\n(old)\n"
                          "..\n..\\up\nup\\..\\x\n\n/TxtName\n");
    LevelNameList::Read(in, names, "TxtName.txt");
    const std::vector<std::string> kept{"-SelectScene-", "Level1", "Room-2", "Ward.v2", "Salle_\xc3\xa9t\xc3\xa9", "(old)"};
    EXPECT_EQ(names, kept);
    const std::string text = LevelNameList::Write(names);
    EXPECT_EQ(text, "TxtName\n\n-SelectScene-\nLevel1\nRoom-2\nWard.v2\nSalle_\xc3\xa9t\xc3\xa9\n(old)\n\n/TxtName\n");
    std::vector<std::string> again;
    std::istringstream back(text);
    LevelNameList::Read(back, again, "TxtName.txt");
    EXPECT_EQ(LevelNameList::Write(again), text);

    // A line is one name: one with a blank, or the editor's own names, are no levels.
    std::vector<std::string> after;
    std::istringstream early("TxtName\n\nLevel1\n/TxtName\nMy Level\nTxtName\nEmpty\nTN\r\n/TxtName\n");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(LevelNameList::Read(early, after, "TxtName.txt"));
    const std::string skipped = testing::internal::GetCapturedStdout();
    EXPECT_EQ(after, (std::vector<std::string>{"-SelectScene-", "Level1", "TN"}));
    for (const char* name : {"\"My Level\"", "\"TxtName\"", "\"Empty\""})
        EXPECT_NE(skipped.find(std::string("skipped ") + name), std::string::npos) << skipped;

    std::vector<std::string> empty;
    std::istringstream none("");
    EXPECT_TRUE(LevelNameList::Read(none, empty, "TxtName.txt"));
    EXPECT_EQ(empty, std::vector<std::string>{"-SelectScene-"});

    // An end line part-way (the names after it are levels all the same), none, or a name that
    // is no file: each is kept aside before the next save, beside the earlier copies.
    const std::string damaged[] = {"TxtName\n\nLevel1\nTB\n/TxtName\nTN\nTS\n/TxtName\n", "TxtName\n\nLevel1\n",
                                   "TxtName\n\nLevel1\nbad/name\n/TxtName\n", "Level1\nTB\n/TxtName\n"};
    const std::string copies[] = {".broken", ".broken2", ".broken3", ".broken4"};
    for (int i = 0; i < 4; ++i) {
        tree.WriteFile("resources/level/TxtName.txt", damaged[i]);
        Editor editor(5);
        testing::internal::CaptureStdout();
        editor.LoadLevelNameList();
        const std::string said = testing::internal::GetCapturedStdout();
        EXPECT_NE(said.find("\"" + editor.levelListPath + "\""), std::string::npos) << said;
        if (i == 0) {
            EXPECT_EQ(editor.levelNames, (std::vector<std::string>{"-SelectScene-", "Level1", "TB", "TN", "TS"}));
        }
        editor.unlistedNames.push_back("New" + std::to_string(i));  // a level saved in the visit
        ASSERT_TRUE(editor.SaveLevelNameList());
        EXPECT_EQ(tree.ReadFile("resources/level/TxtName.txt" + copies[i]), damaged[i]);
    }
    EXPECT_EQ(tree.ReadFile("resources/level/TxtName.txt.broken"), damaged[0]);
}

TEST_F(EditorTest, PrefabFileRoundTripsAndABrokenOneLosesNothing)
{
    std::vector<std::shared_ptr<GameObject>> prefabs;
    for (const char* name : {"Crate", "Lamp"}) {
        auto object = std::make_shared<GameObject>(name, 4, 0);
        object->AddComponent(std::make_shared<Transform>(1.5f, -2.0f, 0.5f, 7.0f, 7.0f), Transform::kTypeId);
        object->AddComponent(std::make_shared<Collider>(), Collider::kTypeId);
        prefabs.push_back(object);
    }
    const std::string text = PrefabFile::Write(prefabs);
    EXPECT_EQ(PrefabFile::Write({}), "PrefabName\n\n/PrefabName\n");

    gObjectIdCounter = 12;
    std::vector<std::shared_ptr<GameObject>> read;
    std::istringstream in(text);
    ASSERT_TRUE(PrefabFile::Read(in, "test", read));
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0]->id, 12);
    EXPECT_EQ(read[1]->id, 12);
    EXPECT_EQ(read[1]->components.size(), 2u);
    EXPECT_EQ(PrefabFile::Write(read), text);

    // Cut inside the second record: the first stays, the file is kept aside before rewriting.
    const std::string cut = text.substr(0, text.find("Lamp") + 20);
    tree.WriteFile("resources/prefab/PrefabName.txt", cut);
    Editor editor(5);
    editor.LoadPrefabs();
    ASSERT_EQ(editor.prefabs.size(), 1u);
    editor.LoadPrefabs();  // once per visit
    EXPECT_EQ(editor.prefabs.size(), 1u);
    editor.prefabs.push_back(std::make_shared<GameObject>("Chair", 4, 0));
    ASSERT_TRUE(editor.SavePrefabs());
    EXPECT_EQ(tree.ReadFile("resources/prefab/PrefabName.txt.broken"), cut);
    EXPECT_NE(tree.ReadFile("resources/prefab/PrefabName.txt").find("Crate"), std::string::npos);
    EXPECT_NE(tree.ReadFile("resources/prefab/PrefabName.txt").find("Chair"), std::string::npos);
}

TEST_F(EditorTest, SaveSceneRefusesBadNamesAndAFailedSaveAddsNoName)
{
    Editor editor(5);
    editor.LoadLevelNameList();
    const auto before = editor.levelNames;
    for (const char* name : {"", "Empty", "TxtName", "two words", "a/b", "..", "x.txt"}) {
        EXPECT_FALSE(editor.SaveScene(name)) << name;
        EXPECT_FALSE(editor.saveMessage.empty());
    }
    editor.levelFolder = "../resources/missing-folder/";
    EXPECT_FALSE(editor.SaveScene("Fine_1"));
    EXPECT_NE(editor.saveMessage.find("nothing was saved"), std::string::npos);
    EXPECT_EQ(editor.levelNames, before);

    editor.levelFolder = "../resources/level/";
    EXPECT_TRUE(editor.SaveScene("Fine_1"));
    EXPECT_EQ(editor.levelNames.back(), "Fine_1");
    EXPECT_NE(tree.ReadFile("resources/level/TxtName.txt").find("\nFine_1\n"), std::string::npos);
    EXPECT_NE(tree.ReadFile("resources/level/Fine_1.txt").find("/Fine_1"), std::string::npos);
}

}  // namespace

namespace {

// A folder (not empty) in the file's place: as root too, nothing can be written there.
void BlockWrites(const testsupport::TempResourceTree& tree, const std::string& file)
{
    std::filesystem::remove(tree.Root() / file);
    tree.WriteFile(file + "/in-the-way", "x");
}

const std::string kList = "resources/level/TxtName.txt";
const std::string kPrefabs = "resources/prefab/PrefabName.txt";
const std::string kStyle = "resources/level/Editor/EditorSetting.txt";

}  // namespace

TEST_F(EditorTest, AFailedWriteKeepsWhatTheEditorHeldSaysSoAndWritesItOnceItCan)
{
    Editor editor(5);
    editor.Load();
    editor.Init();
    editor.prefabs.push_back(std::make_shared<GameObject>("Crate", 4, 0));
    ImGui::GetStyle().WindowRounding = 13.0f;
    std::map<std::string, std::string> before;
    for (const std::string& file : {kList, kPrefabs, kStyle}) {
        before[file] = tree.ReadFile(file);
        BlockWrites(tree, file);
    }

    ASSERT_TRUE(editor.SaveScene("T5"));
    EXPECT_NE(editor.saveMessage.find("the level list could not be written"), std::string::npos) << editor.saveMessage;
    EXPECT_EQ(editor.saveNews, editor.saveMessage) << "the menu bar tells it once the screen has closed";
    editor.Unload();
    const std::string warnings = editor.FileWarnings();
    for (const char* file : {"TxtName.txt", "PrefabName.txt", "EditorSetting.txt"})
        EXPECT_NE(warnings.find(file), std::string::npos) << warnings;
    EXPECT_TRUE(editor.AskBeforeQuit()) << "quitting would lose what waits";

    // The old files come back, as they were: the next visit takes nothing back from them, and
    // its leave writes what the editor held.
    for (const auto& [file, text] : before) {
        std::filesystem::remove_all(tree.Root() / file);
        tree.WriteFile(file, text);
    }
    editor.Load();
    editor.Init();
    ASSERT_EQ(editor.prefabs.size(), 1u);
    EXPECT_EQ(editor.prefabs[0]->name, "Crate");
    EXPECT_EQ(ImGui::GetStyle().WindowRounding, 13.0f);
    EXPECT_NE(std::find(editor.levelNames.begin(), editor.levelNames.end(), "T5"), editor.levelNames.end());
    editor.Unload();
    EXPECT_EQ(editor.FileWarnings(), "");
    EXPECT_NE(tree.ReadFile(kList).find("\nT5\n"), std::string::npos);
    EXPECT_NE(tree.ReadFile(kPrefabs).find("Crate"), std::string::npos);
    EXPECT_NE(tree.ReadFile(kStyle).find("WindowRounding\n13\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(tree.Root() / (kPrefabs + ".broken"))) << "a folder read as an empty file";
}

TEST_F(EditorTest, AFileChangedOnDiskSinceTheEditorReadOrWroteItIsKeptAsideBeforeItIsWrittenOver)
{
    Editor editor(5);
    editor.Load();
    editor.Init();
    ASSERT_TRUE(editor.SaveScene("T"));
    ASSERT_TRUE(editor.SaveScene("T"));  // unchanged since: no copy
    EXPECT_FALSE(std::filesystem::exists(tree.Root() / "resources/level/T.txt.broken"));

    // Another program changes the level, the list and the prefab file; the editor is left and
    // entered again (resuming the level from memory) and saves.
    const std::string level = tree.ReadFile("resources/level/T.txt") + "added\n";
    tree.WriteFile("resources/level/T.txt", level);
    const auto listing = [this](const std::string& name) {
        std::string list = tree.ReadFile(kList);
        tree.WriteFile(kList, list.insert(list.rfind("/TxtName"), name + "\n"));
        return list;
    };
    listing("Hand");
    editor.Unload();
    editor.Load();
    editor.Init();
    const std::string prefabs = tree.ReadFile(kPrefabs) + "\n";
    tree.WriteFile(kPrefabs, prefabs);
    EXPECT_NE(editor.SaveOverNote("T").find("changed on disk since the editor read or wrote it: the file as it is "
                                            "will be kept as T.txt.broken"),
              std::string::npos)
        << "the question before the save tells it";
    ASSERT_TRUE(editor.SaveScene("T"));
    EXPECT_EQ(tree.ReadFile("resources/level/T.txt.broken"), level);
    EXPECT_NE(editor.saveMessage.find("changed on disk"), std::string::npos) << editor.saveMessage;
    editor.Unload();
    // The editor held nothing new for the prefab file: the other program's change stays in it.
    EXPECT_EQ(tree.ReadFile(kPrefabs), prefabs);
    EXPECT_FALSE(std::filesystem::exists(tree.Root() / (kPrefabs + ".broken")));
    EXPECT_FALSE(std::filesystem::exists(tree.Root() / (kList + ".broken")));

    // Changed between two saves of one visit, the list takes the saved name beside the other
    // program's: a set of names needs no copy.
    editor.Load();
    editor.Init();
    listing("Other");
    ASSERT_TRUE(editor.SaveScene("T2"));
    const std::string list = tree.ReadFile(kList);
    for (const char* name : {"\nHand\n", "\nOther\n", "\nT2\n"})
        EXPECT_NE(list.find(name), std::string::npos) << name << " is not listed in\n" << list;
    EXPECT_FALSE(std::filesystem::exists(tree.Root() / (kList + ".broken")));
    EXPECT_EQ(editor.saveMessage, "Saved T2.txt");
    EXPECT_NE(std::find(editor.levelNames.begin(), editor.levelNames.end(), "Other"), editor.levelNames.end())
        << "the other program's level is offered by Open Scene";
}

TEST_F(EditorTest, ADamagedListThatCannotBeKeptAsideIsNotPromisedACopyAndIsLeftAsItIs)
{
    const std::string damaged = "TxtName\n\nLevel1\n";  // no end line
    tree.WriteFile(kList, damaged);
    for (int copy = 1; copy <= 99; ++copy)
        tree.WriteFile(kList + ".broken" + (copy > 1 ? std::to_string(copy) : ""), "other " + std::to_string(copy));
    Editor editor(5);
    editor.LoadLevelNameList();
    const std::string warnings = editor.FileWarnings();
    EXPECT_NE(warnings.find("cannot be kept aside (99 copies of it are kept already)"), std::string::npos) << warnings;
    EXPECT_EQ(warnings.find("keeps it as"), std::string::npos) << warnings;
    EXPECT_TRUE(editor.SaveScene("T7"));
    EXPECT_NE(editor.saveMessage.find("the level list could not be written"), std::string::npos);
    EXPECT_EQ(tree.ReadFile(kList), damaged);
    // The red lines keep the reason past the failed save, one notice a line.
    const std::string after = editor.FileWarnings();
    EXPECT_NE(after.find("TxtName.txt is damaged (see the console); it cannot be kept aside (99 copies of it are kept "
                         "already), so it is left as it is\nNot written (see the console): TxtName.txt;"),
              std::string::npos)
        << after;
}

// The text of the screens' next frame. The library's log of it ends with the first window that
// ends, as a copy to the clipboard, which is taken here.
std::string ScreensSay(Editor& editor)
{
    std::string said;
    ImGuiIO& io = ImGui::GetIO();
    io.ClipboardUserData = &said;
    io.SetClipboardTextFn = [](void* user, const char* text) { *static_cast<std::string*>(user) += text; };
    for (int frame = 0; frame < 2; ++frame) {
        said.clear();
        io.DisplaySize = ImVec2(1920.0f, 1080.0f);
        io.DeltaTime = 1.0f / 60.0f;
        ImGui::NewFrame();
        ImGui::LogToClipboard();
        editor.DrawScreens();
        ImGui::LogFinish();
        ImGui::Render();
    }
    io.SetClipboardTextFn = nullptr;
    io.ClipboardUserData = nullptr;
    return said;
}

TEST_F(EditorTest, TheQuitWritesWhatWaitsFirstAndAsksNamingTheFilesItCouldNotWrite)
{
    InterfaceRenderer::BuildFont();
    Editor editor(5);
    editor.Load();
    editor.Init();
    editor.prefabs.push_back(std::make_shared<GameObject>("Crate", 4, 0));
    ImGui::GetStyle().WindowRounding = 11.0f;
    EXPECT_FALSE(editor.AskBeforeQuit()) << "all written: the program may end at once";
    EXPECT_NE(tree.ReadFile(kPrefabs).find("\nCrate\n"), std::string::npos);
    EXPECT_NE(tree.ReadFile(kStyle).find("WindowRounding\n11\n"), std::string::npos);

    // A prefab made while its file cannot be written: the quit asks, and says which file.
    editor.prefabs.push_back(std::make_shared<GameObject>("Lamp", 4, 0));
    BlockWrites(tree, kPrefabs);
    ASSERT_TRUE(editor.AskBeforeQuit());
    const std::string asked = ScreensSay(editor);
    EXPECT_NE(asked.find("Could not write PrefabName.txt (see the console)"), std::string::npos) << asked;
    EXPECT_NE(asked.find("Quit?"), std::string::npos) << asked;
}

TEST_F(EditorTest, AStyleChangedInTheVisitOutlivesNewAndOpenSceneUntilItIsWritten)
{
    Editor editor(5);
    editor.Load();
    editor.Init();
    const std::string file = tree.ReadFile(kStyle);
    ImGui::GetStyle().WindowRounding = 9.0f;
    editor.NewScene();
    EXPECT_EQ(ImGui::GetStyle().WindowRounding, 9.0f) << "read again at New Scene";
    editor.OpenScene("Level1");
    EXPECT_EQ(ImGui::GetStyle().WindowRounding, 9.0f) << "read again at Open Scene";
    EXPECT_EQ(tree.ReadFile(kStyle), file);
    editor.Unload();
    EXPECT_NE(tree.ReadFile(kStyle).find("WindowRounding\n9\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(tree.Root() / (kStyle + ".broken")));
}

TEST_F(EditorTest, AFailedSaveOverTheOpenedLevelSaysItIsNotSavedUntilASaveSucceeds)
{
    Editor editor(5);
    editor.Load();
    editor.Init();
    const std::string level = tree.ReadFile("resources/level/Level1.txt");
    BlockWrites(tree, "resources/level/Level1.txt");
    EXPECT_FALSE(editor.SaveScene("Level1"));
    EXPECT_NE(editor.FileWarnings().find("Level1.txt is not saved ("), std::string::npos) << editor.FileWarnings();
    EXPECT_NE(editor.FileWarnings().find("until a save succeeds"), std::string::npos) << editor.FileWarnings();
    ASSERT_TRUE(editor.SaveScene("Level1Copy"));
    EXPECT_NE(editor.FileWarnings().find("Level1.txt is not saved"), std::string::npos) << "its own file is not saved";

    std::filesystem::remove_all(tree.Root() / "resources/level/Level1.txt");
    tree.WriteFile("resources/level/Level1.txt", level);
    ASSERT_TRUE(editor.SaveScene("Level1")) << editor.saveMessage;
    EXPECT_EQ(editor.FileWarnings(), "");
}

// A file that is only unreadable or odd is said to be that, with why, never damaged or broken.
TEST_F(EditorTest, AnEditorFileThatCannotBeReadIsSaidSoWithWhyAndLeftAsItIs)
{
    std::filesystem::remove(tree.Root() / kList);
    std::filesystem::create_directory(tree.Root() / kList);
    for (const std::string& file : {kPrefabs, kStyle}) {
        std::filesystem::remove(tree.Root() / file);
        ASSERT_EQ(mkfifo((tree.Root() / file).c_str(), 0644), 0);
    }
    Editor editor(5);
    testing::internal::CaptureStdout();
    editor.Load();
    editor.Init();
    editor.prefabs.push_back(std::make_shared<GameObject>("Crate", 4, 0));
    ImGui::GetStyle().WindowRounding = 4.0f;
    editor.SaveScene("T8");
    editor.Unload();
    const std::string said = testing::internal::GetCapturedStdout();
    const std::string warnings = editor.FileWarnings();
    EXPECT_NE(warnings.find("TxtName.txt cannot be read (it is a folder, not a file); it is left as it is."),
              std::string::npos)
        << warnings;
    EXPECT_NE(warnings.find("Not written (see the console): TxtName.txt, PrefabName.txt, EditorSetting.txt;"),
              std::string::npos)
        << warnings;
    EXPECT_EQ(editor.prefabFile.unwritten, "it cannot be read (it is a named pipe, not a file), so it is not written over");
    EXPECT_EQ(editor.styleFile.unwritten, editor.prefabFile.unwritten);
    EXPECT_NE(said.find("PrefabName.txt\" (it is a named pipe, not a file); it is not written over"), std::string::npos)
        << said;
    // Said once as it is read, once as its write is refused: not again for the read before the write.
    const std::string read = "cannot read \"../" + kPrefabs + "\"";
    EXPECT_EQ(said.find(read, said.find(read) + 1), std::string::npos) << said;
    for (const char* wrong : {"damaged", "broken"}) {
        EXPECT_EQ(warnings.find(wrong), std::string::npos) << warnings;
        EXPECT_EQ(said.find(wrong), std::string::npos) << said;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(tree.Root() / kPrefabs));
    EXPECT_TRUE(std::filesystem::is_fifo(tree.Root() / kStyle));
}

// A level changed on disk is kept aside by a link before it is saved over; when the save then
// fails, the file is as it was and the link goes: a copy sharing the file would change with it.
TEST_F(EditorTest, ACopyLinkedForASaveThatFailsIsUndone)
{
    const std::string name(244, 'L');  // room for a copy's suffix in a file name, not a temporary one's
    const std::string level = "resources/level/" + name + ".txt";
    tree.WriteFile(level, name + "\n\n/" + name + "\n");
    Editor editor(5);
    editor.levelName = name;
    editor.Load();
    editor.Init();
    const std::string edited = tree.ReadFile(level) + "\n";
    tree.WriteFile(level, edited);
    EXPECT_FALSE(editor.SaveScene(name));
    EXPECT_NE(editor.saveMessage.find("Could not write"), std::string::npos) << editor.saveMessage;
    EXPECT_FALSE(std::filesystem::exists(tree.Root() / (level + ".broken")));
    EXPECT_EQ(tree.ReadFile(level), edited);
}

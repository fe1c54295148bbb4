#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>

#include "EditorTestSupport.h"
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
    // Each is kept aside beside the earlier copies, none replaced.
    const std::string whole = StyleFile::Write(ImGuiStyle(), StyleFile::SpareColours{});
    const std::string copies[] = {".broken", ".broken2"};
    const std::string damaged[] = {"EditorSetting\n\nWindowPadding\n8 8\nWindowRounding\nabc\n", whole + whole};
    for (int i = 0; i < 2; ++i) {
        Editor editor(5);
        tree.WriteFile("resources/level/Editor/EditorSetting.txt", damaged[i]);
        const float rounding = ImGui::GetStyle().WindowRounding;
        editor.LoadEditorSetting();
        EXPECT_EQ(ImGui::GetStyle().WindowRounding, rounding);
        EXPECT_EQ(ImGui::GetStyle().Colors[ImGuiCol_Text].w, 1.0f);  // not turned transparent

        ASSERT_TRUE(editor.SaveEditorSetting());
        EXPECT_EQ(tree.ReadFile("resources/level/Editor/EditorSetting.txt" + copies[i]), damaged[i]);
        EXPECT_EQ(tree.ReadFile("resources/level/Editor/EditorSetting.txt"), whole);
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
        ASSERT_TRUE(editor.SaveEditorSetting());
        EXPECT_EQ(tree.ReadFile("resources/level/Editor/EditorSetting.txt"), mine);
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
    const std::string defaults = StyleFile::Write(ImGuiStyle(), StyleFile::SpareColours{});

    const struct {
        const char* key;
        const char* value;
    } bad[] = {{"ScrollbarSize", "0"},         {"ScrollbarSize", "-3"},         {"ItemSpacing", "8 -20"},
               {"WindowRounding", "1e-20"},    {"ChildWindowRounding", "1e-9"}, {"ScrollbarRounding", "1e-12"},
               {"WindowRounding", "5e9"},      {"FramePadding", "-4 3"},        {"WindowTitleAlign", "0 7"},
               {"ButtonTextAlign", "-1 0.5"},  {"IndentSpacing", "-8"},        {"GrabMinSize", "1e30"}};
    int copies = 0;
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
        EXPECT_EQ(tree.ReadFile(path), defaults) << "written back with the default in its place";
        const std::string copy = ++copies > 1 ? ".broken" + std::to_string(copies) : ".broken";
        EXPECT_EQ(tree.ReadFile(path + copy), StyleWith(setting.key, setting.value)) << "the value is kept aside";
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
    ASSERT_TRUE(editor.SavePrefabs());
    EXPECT_EQ(tree.ReadFile("resources/prefab/PrefabName.txt.broken"), cut);
    EXPECT_NE(tree.ReadFile("resources/prefab/PrefabName.txt").find("Crate"), std::string::npos);
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
    EXPECT_EQ(tree.ReadFile(kPrefabs + ".broken"), prefabs);
    // The list was read again on entry, so only the prefab file and the level had changed.
    EXPECT_FALSE(std::filesystem::exists(tree.Root() / (kList + ".broken")));

    // Changed between two saves of one visit, the list is kept too.
    editor.Load();
    editor.Init();
    const std::string changedList = listing("Other");
    ASSERT_TRUE(editor.SaveScene("T2"));
    EXPECT_EQ(tree.ReadFile(kList + ".broken"), changedList);
    EXPECT_NE(editor.saveMessage.find("level list as it was is kept as TxtName.txt.broken"), std::string::npos)
        << editor.saveMessage;
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
}

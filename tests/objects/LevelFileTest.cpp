#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <locale>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "audio/AudioSystem.h"
#include "engine/InputSystem.h"
#include "engine/KeyTable.h"
#include "engine/LoggingSystem.h"
#include "engine/WindowSystem.h"
#include "editor/PrefabFile.h"
#include "objects/ComponentFactory.h"
#include "objects/ComponentTypes.h"
#include "objects/LevelFile.h"
#include "objects/TextWriters.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "platform/AtomicFile.h"
#include "platform/ConsoleGuard.h"
#include "platform/PrintableText.h"
#include "platform/WholeFile.h"
#include "ObjectTestHelpers.h"
#include "support/FileSizeLimit.h"
#include "support/TempResourceTree.h"

namespace
{
class LevelFileTest : public ObjectListTest
{
protected:
    TempFolder folder;
};

// Saves, reloads into an empty list and saves again; both files must be equal.
void ExpectStableRoundTrip(const TempFolder& folder, const std::string& name)
{
    const std::string first = folder.File("first.txt");
    const std::string second = folder.File("second.txt");
    ASSERT_TRUE(SaveLevel(name, first));
    size_t count = gGameObjects.size();
    DestroyAll();
    LoadLevel(name, first);
    EXPECT_EQ(gGameObjects.size(), count);
    ASSERT_TRUE(SaveLevel(name, second));
    EXPECT_EQ(ReadWholeFile(first), ReadWholeFile(second));
}

std::vector<std::string> FileNames(const TempFolder& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path))
        names.push_back(entry.path().filename().string());
    return names;
}

// A comma as decimal point, to show that no stream locale leaks into the files.
struct CommaPoint : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
    std::string do_grouping() const override { return "\3"; }
    char do_thousands_sep() const override { return '.'; }
};

constexpr const char* kWorkedExample = "Main\n"
                                       "\n"
                                       "Room\n"
                                       "4\n"
                                       "None\n"
                                       "Transform\n"
                                       "Position\n"
                                       "12.5 -3 0\n"
                                       "Rotate\n"
                                       "90\n"
                                       "Scale\n"
                                       "30 30 1\n"
                                       "MouseTracking\n"
                                       "0\n"
                                       "End\n"
                                       "\n"
                                       "Lamp\n"
                                       "4\n"
                                       "Room\n"
                                       "End\n"
                                       "\n"
                                       "/Main\n";
} // namespace

TEST(TextWriters, FloatFormsAndLocale)
{
    std::ostringstream out;
    WriteString(out, "");
    WriteVec2(out, Vector2(1920.0f, 1080.0f));
    WriteVec3(out, Vector3(0.5f, -3.0f, 1000000.0f));
    WriteFloat(out, 1234.5678f);
    WriteFloat(out, 0.00001f);
    WriteVec3(out, Vector3(NAN, INFINITY, -INFINITY));
    EXPECT_EQ(out.str(), "\n1920 1080\n0.5 -3 1e+06\n1234.57\n1e-05\n0 0 0\n");

    std::ostringstream comma;
    comma.imbue(std::locale(std::locale::classic(), new CommaPoint));
    WriteVec2(comma, Vector2(1234.5f, 0.25f));
    EXPECT_EQ(comma.str(), "1234.5 0.25\n");
    EXPECT_EQ(std::locale().name(), "C"); // nothing here changed the global locale

    EXPECT_EQ(ToToken("Dark hall\tB"), "Dark_hall_B");
    EXPECT_EQ(ToToken(""), kEmptyToken);
    EXPECT_EQ(FromToken(ToToken("")), "");
    EXPECT_EQ(ToToken("", "None"), "None");
}

TEST_F(LevelFileTest, WorkedExampleByteForByte)
{
    auto room = MakeListed("Room");
    auto transform = std::make_shared<Transform>(12.5f, -3.0f, 0.0f, 30.0f, 30.0f);
    transform->rotation = 90.0f;
    room->AddComponent(transform, Transform::kTypeId);
    MakeListed("Lamp")->SetParent("Room");

    const std::string path = folder.File("Main.txt");
    ASSERT_TRUE(SaveLevel("Main", path));
    EXPECT_EQ(ReadWholeFile(path), kWorkedExample);
    EXPECT_EQ(FileNames(folder), std::vector<std::string>{"Main.txt"});

    DestroyAll();
    LoadLevel("Main", path);
    ASSERT_EQ(gGameObjects.size(), 3u);
    EXPECT_EQ(gGameObjects[0]->name, "Room");
    EXPECT_EQ(gGameObjects[0]->id, 0);
    EXPECT_EQ(gGameObjects[1]->name, "Lamp");
    EXPECT_EQ(gGameObjects[1]->id, 1);
    EXPECT_EQ(gGameObjects[1]->parentName, "Room");
    EXPECT_FALSE(gGameObjects[1]->hasParent); // linked later by the scene
    EXPECT_EQ(gGameObjects[2]->name, "Camera");
    EXPECT_EQ(gGameObjects[2]->objectType, 10);
    EXPECT_EQ(gGameObjects[2]->id, 2);
    EXPECT_EQ(gObjectIdCounter, 3);
    auto loaded = gGameObjects[0]->GetComponent<Transform>();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->position.x, 12.5f);
    EXPECT_EQ(loaded->rotation, 90.0f);
    EXPECT_EQ(loaded->GetOwner(), gGameObjects[0].get());
}

TEST_F(LevelFileTest, EveryBlockRoundTrips)
{
    // One object carrying every component class, with the saved fields moved off their
    // first values, plus a camera so no default one is added.
    auto everything = MakeListed("Everything", 16);
    for (const auto& [name, index] : gComponentTypeIds)
        everything->components.push_back(CreateComponent(name));
    auto transform = everything->GetComponent<Transform>();
    transform->position = Vector3(1234.5678f, -0.000123456f, 3.5f);
    transform->rotation = -45.25f;
    transform->scale = Vector3(2.0f, 3.0f, 0.0f);
    transform->mouseTracking = true;
    auto collider = everything->GetComponent<Collider>();
    collider->scale = Vector3(64.0f, 32.5f, 1.0f);
    collider->offset = Vector3(-4.0f, 1e-7f, 0.0f);
    collider->showCollider = true;
    collider->lineColor = Vector3(10.0f, 20.0f, 30.0f);
    collider->active = true;

    auto camera = MakeListed("Camera", 10);
    camera->components.push_back(std::make_shared<Transform>(100.0f, 50.0f, 5.0f, 1.0f, 1.0f));
    camera->components.push_back(std::make_shared<Collider>(Vector2(1920.0f, 1080.0f)));
    MakeListed("Bare", 999)->parentName = "Everything";

    ExpectStableRoundTrip(folder, "Everything");
    ASSERT_EQ(gGameObjects.size(), 3u);
    const auto& loaded = gGameObjects[0];
    ASSERT_EQ(loaded->components.size(), 42u);
    size_t i = 0;
    for (const auto& entry : gComponentTypeIds)
        EXPECT_EQ(loaded->components[i++]->GetName(), entry.first);
    auto loadedCollider = loaded->GetComponent<Collider>();
    EXPECT_EQ(loadedCollider->scale.y, 32.5f);
    EXPECT_TRUE(loadedCollider->active);
    EXPECT_EQ(loaded->GetComponent<Transform>()->position.x, 1234.57f);
    EXPECT_EQ(gGameObjects[2]->parentName, "Everything");
}

TEST_F(LevelFileTest, DefaultCameraAndWhatCountsAsOne)
{
    LoadLevel("Missing", folder.File("missing.txt"));
    ASSERT_EQ(gGameObjects.size(), 1u);
    auto camera = gGameObjects[0];
    EXPECT_EQ(camera->name, "Camera");
    EXPECT_EQ(camera->objectType, 10);
    ASSERT_EQ(camera->components.size(), 2u);
    auto transform = camera->GetComponent<Transform>();
    auto collider = camera->GetComponent<Collider>();
    ASSERT_TRUE(transform && collider);
    EXPECT_EQ(transform->scale.x, 30.0f);
    EXPECT_EQ(collider->scale.x, 1920.0f);
    EXPECT_EQ(collider->scale.z, 1.0f);
    EXPECT_EQ(collider->lineColor.y, 0.0f);
    EXPECT_EQ(collider->min.x, -960.0f); // its Init ran and read the Transform
    EXPECT_EQ(collider->GetType(), 2);

    // Saved and read back: the camera is a record now, so no second one is added.
    ExpectStableRoundTrip(folder, "Missing");
    EXPECT_EQ(gGameObjects.size(), 1u);

    DestroyAll();
    const std::string path = folder.File("eye.txt");
    WriteWholeFile(path, "Eye\n\nWatcher\n10\nNone\nEnd\n\n/Eye\n");
    LoadLevel("Eye", path);
    ASSERT_EQ(gGameObjects.size(), 1u);
    EXPECT_EQ(gGameObjects[0]->name, "Watcher");

    DestroyAll();
    WriteWholeFile(path, "");
    LoadLevel("Eye", path);
    ASSERT_EQ(gGameObjects.size(), 1u);
    EXPECT_EQ(gGameObjects[0]->name, "Camera");
}

TEST_F(LevelFileTest, OddButValidFiles)
{
    const std::string path = folder.File("odd.txt");
    // Another header word, two blocks of one type, and a value word "End".
    WriteWholeFile(path, "Whatever\n\nA\n4\nNone\nCheats\nCheats\nEnd\n\n"
                         "Cam\n10\nNone\nEnd\n\n/Odd\nB\n4\nNone\nEnd\n");
    LoadLevel("Odd", path);
    ASSERT_EQ(gGameObjects.size(), 2u); // nothing after the end line is read
    EXPECT_EQ(gGameObjects[0]->components.size(), 2u);
    EXPECT_EQ(gGameObjects[0]->components[0]->GetOwner(), gGameObjects[0].get());

    DestroyAll();
    MakeListed("Only", 4);
    ASSERT_TRUE(SaveLevel("Empty", path));
    DestroyAll();
    ASSERT_TRUE(SaveLevel("Empty", path));
    EXPECT_EQ(ReadWholeFile(path), "Empty\n\n/Empty\n");
}

TEST_F(LevelFileTest, BrokenFilesStopAndKeepWhatWasRead)
{
    const std::string good = "Good\n4\nNone\nTransform\nPosition\n1 2 3\nRotate\n0\nScale\n1 1 1\nMouseTracking\n0\nEnd\n\n";
    struct Case
    {
        const char* what;
        std::string text;
    };
    const Case cases[] = {
        {"unknown component", "L\n\n" + good + "Bad\n4\nNone\nBogus\nPosition\n1 2 3\nEnd\n\nLater\n4\nNone\nEnd\n\n/L\n"},
        {"cut inside a block", "L\n\n" + good + "Bad\n4\nNone\nTransform\nPosition\n1 2"},
        {"cut before End", "L\n\n" + good + "Bad\n4\nNone\nCheats\n"},
        {"cut after the name", "L\n\n" + good + "Bad\n"},
        {"missing end line", "L\n\n" + good},
        {"saved under another name", "L\n\n" + good + "/Other\n"},
        {"word for a number", "L\n\n" + good + "Bad\nfour\nNone\nEnd\n\n/L\n"},
        {"End where a value belongs", "L\n\n" + good + "Bad\n4\nNone\nTransform\nPosition\nEnd\n\nLater\n4\nNone\nEnd\n/L\n"},
        {"nan value", "L\n\n" + good + "Bad\n4\nNone\nCollider\nScale\nnan 1 1\nOffset\n0 0 0\nShowCollider\n0\nLineColor\n0 0 0\nActive\n0\nEnd\n\n/L\n"},
        {"header only", "L\n"},
        // Hand edits and joined files: an end line at a record boundary, the rest after it.
        {"goes on after its end line", "L\n\n" + good + "/L\n4\nNone\nEnd\n\nLater\n4\nNone\nEnd\n\n/L\n"},
    };
    const std::string path = folder.File("broken.txt");
    for (const Case& c : cases)
    {
        DestroyAll();
        WriteWholeFile(path, c.text);
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(LoadLevel("L", path)) << "taken as whole";
        ASSERT_FALSE(gGameObjects.empty());
        EXPECT_EQ(gGameObjects.back()->name, "Camera"); // the default one is still added
        for (const auto& object : gGameObjects)
        {
            EXPECT_NE(object->name, "Bad");
            EXPECT_NE(object->name, "Later");
            for (const auto& component : object->components)
                EXPECT_TRUE(component);
        }
        if (c.text.size() > 4)
        {
            ASSERT_EQ(gGameObjects.size(), 2u);
            EXPECT_EQ(gGameObjects[0]->GetComponent<Transform>()->position.z, 3.0f);
        }
        // The shared stream is emptied and usable after every failure.
        EXPECT_TRUE(gLevelStream.str().empty());
        EXPECT_TRUE(gLevelStream.good());
    }
}

// Bytes of a damaged save, init.ini or bindings file reach the console and the log escaped: a
// raw ESC ] ... BEL or ESC [ 2 J would retitle or clear the player's terminal.
TEST_F(LevelFileTest, MessagesQuoteDamagedFilesEscaped)
{
    testsupport::TempResourceTree tree({"SerializedKeys.txt"});
    gLoggingSystem->Init();
    const std::string seize = "\x1b]0;owned\a\x1b[2J\xff";
    tree.WriteFile("resources/save.txt", "Main\n\nRoom" + seize + "\n4\n");
    tree.WriteFile("resources/init.ini", seize + " 720 Title");
    std::string noise = "ACTION_UP " + seize + "\n";
    for (int i = 0; i < 2000; ++i)
        noise += static_cast<char>(i * 37 + 11);
    tree.WriteFile("resources/KeyboardActionMap.txt", noise);

    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    LoadLevel("Main", "../resources/save.txt");
    Framework::WindowSystem::LoadSettings("../resources/init.ini");
    Framework::InputSystem().LoadKeyMaps();
    Framework::AudioSystem().PlaySound("Step" + seize, false);  // a name from a level, said in the log
    const std::string console = testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr();
    gLoggingSystem->logFile.Close();
    gKeyNameToIndex.clear();
    gActionToKeyName.clear();
    const std::string said = console + tree.ReadFile("logs/.txt");
    const std::string told = Platform::PrintableLines(said);  // a failure must not seize this terminal either

    const std::string shown = R"(\x1b]0;owned\x07\x1b[2J\xff")";
    EXPECT_NE(said.find(R"(record "Room)" + shown + " is cut short"), std::string::npos) << told;
    EXPECT_NE(said.find(R"(width ")" + shown + " is not a positive number"), std::string::npos) << told;
    EXPECT_NE(said.find(R"(ACTION_UP is bound to the unknown key ")" + shown), std::string::npos) << told;
    EXPECT_NE(tree.ReadFile("logs/.txt").find(R"(named "Step)" + shown), std::string::npos) << told;
    EXPECT_EQ(std::count_if(said.begin(), said.end(),
                            [](char c) { return (static_cast<unsigned char>(c) < 0x20 && c != '\n') || c == 0x7f; }),
              0) << told;

    // What a message forgets to escape, the game's console guard still does.
    std::ostringstream sink;
    Platform::ConsoleGuard guard(sink.rdbuf());
    std::ostream(&guard) << seize << "\tok\n";
    EXPECT_EQ(sink.str(), "\\x1b]0;owned\\x07\\x1b[2J\\xff\tok\n");
}

// The guard's rule is Printable's, over writes: the 8-bit CSI (C2 9B) and a byte that is no
// UTF-8 go out escaped; a character cut between two writes waits for its last byte and passes
// whole, and what a flush finds still waiting goes out escaped.
TEST(ConsoleGuardTest, EscapesC1ControlsAndBrokenUtf8AndJoinsACharacterCutBetweenWrites)
{
    std::ostringstream sink;
    Platform::ConsoleGuard guard(sink.rdbuf());
    std::ostream out(&guard);
    out << "\xc2\x9b" "2J a\xc3(" << std::flush;
    out << " \xc3";
    EXPECT_EQ(sink.str(), "\\xc2\\x9b2J a\\xc3( ");
    out << "\xa9\xe2\x82";
    out << "\n";
    EXPECT_EQ(sink.str(), "\\xc2\\x9b2J a\\xc3( \xc3\xa9\\xe2\\x82\n");
    out << "end \xf0\x9f" << std::flush;
    EXPECT_EQ(sink.str().substr(sink.str().size() - 12), "end \\xf0\\x9f");
}

TEST_F(LevelFileTest, WriterNeverWritesUnreadableTokens)
{
    auto spaced = MakeListed("Dark hall", 4);
    auto nameless = MakeListed("", 4);
    nameless->parentName = "";
    auto transform = std::make_shared<Transform>(NAN, INFINITY, 1.0f, 30.0f, 30.0f);
    transform->rotation = -INFINITY;
    spaced->AddComponent(transform, 0);
    MakeListed("/Scene", 4); // would end the file early if written as it is
    MakeListed("Camera", 10);

    const std::string path = folder.File("scene.txt");
    ASSERT_TRUE(SaveLevel("Scene", path));
    std::string text = ReadWholeFile(path);
    EXPECT_EQ(text.find("nan"), std::string::npos);
    EXPECT_EQ(text.find("inf"), std::string::npos);
    EXPECT_EQ(text.find("Dark hall"), std::string::npos);

    DestroyAll();
    LoadLevel("Scene", path);
    ASSERT_EQ(gGameObjects.size(), 4u);
    EXPECT_EQ(gGameObjects[0]->name, "Dark_hall");
    EXPECT_EQ(gGameObjects[0]->GetComponent<Transform>()->position.x, 0.0f);
    EXPECT_EQ(gGameObjects[0]->GetComponent<Transform>()->rotation, 0.0f);
    EXPECT_EQ(gGameObjects[1]->name, "");
    EXPECT_EQ(gGameObjects[1]->parentName, "None");
    EXPECT_EQ(gGameObjects[2]->name, "/Scene");
    EXPECT_EQ(gGameObjects[3]->name, "Camera");
}

TEST_F(LevelFileTest, ANameReadAsAMarkerIsEscapedAndReadsBackAsGivenWithItsLinks)
{
    // The save's end line and the empty-name placeholder as parents, beside the first escape's
    // own word; the save goes under another name than the level was read as.
    for (const char* parent : {"/Copy", "<empty>", "_/Copy"})
        MakeListed(parent);
    for (const char* parent : {"/Copy", "<empty>", "_/Copy"})
        MakeListed(std::string("child of ") + parent)->SetParent(parent);
    const std::string path = folder.File("Copy.txt");
    ASSERT_TRUE(SaveLevel("Copy", path));

    DestroyAll();
    ASSERT_TRUE(LoadLevel("Copy", path));
    InitLikeAScene();
    ASSERT_EQ(gGameObjects.size(), 7u);  // with the default camera
    const auto readBack = [] {
        std::vector<std::string> names;
        for (size_t i = 0; i < 3; ++i) {
            names.push_back(gGameObjects[i]->name);
            EXPECT_EQ(gGameObjects[3 + i]->GetParent(), gGameObjects[i]) << gGameObjects[3 + i]->name;
        }
        return names;
    };
    EXPECT_EQ(readBack(), (std::vector<std::string>{"/Copy", "<empty>", "_/Copy"}));

    // As the version before wrote it: "/Copy" took more "_" as the file held "_/Copy" already.
    const std::string before = "Copy\n\n__/Copy\n4\nNone\nEnd\n\n_<empty>\n4\nNone\nEnd\n\n_/Copy\n4\nNone\nEnd\n\n"
                                "a\n4\n__/Copy\nEnd\n\nb\n4\n_<empty>\nEnd\n\nc\n4\n_/Copy\nEnd\n\n/Copy\n";
    WriteWholeFile(path, before);
    DestroyAll();
    ASSERT_TRUE(LoadLevel("Copy", path));
    InitLikeAScene();
    readBack();

    // The prefab file is written the same way under its own end line.
    std::vector<std::shared_ptr<GameObject>> prefabs{std::make_shared<GameObject>("/PrefabName", 4, 0),
                                                     std::make_shared<GameObject>("Lamp", 4, 1)};
    std::istringstream written(PrefabFile::Write(prefabs));
    std::vector<std::shared_ptr<GameObject>> read;
    EXPECT_TRUE(PrefabFile::Read(written, "prefabs", read));
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0]->name, "/PrefabName");
    EXPECT_EQ(read[1]->name, "Lamp");

    // As earlier versions wrote it: what follows the first end line counts as not read.
    std::istringstream earlier("PrefabName\n\nNurse\n4\nNone\nEnd\n\n/PrefabName\n4\nNone\nEnd\n\n/PrefabName\n");
    read.clear();
    EXPECT_FALSE(PrefabFile::Read(earlier, "prefabs", read));
    EXPECT_EQ(read.size(), 1u);
}

TEST_F(LevelFileTest, FailedSaveReportsAndKeepsTheOldFile)
{
    const std::string path = folder.File("SaveData.txt");
    WriteWholeFile(path, "old contents\n");
    MakeListed("Player", 0);

    {
        testsupport::FileSizeLimit diskFull(4);
        EXPECT_FALSE(SaveLevel("SaveData", path));
    }
    EXPECT_EQ(ReadWholeFile(path), "old contents\n");
    EXPECT_EQ(FileNames(folder), std::vector<std::string>{"SaveData.txt"}); // no temporary left

    EXPECT_FALSE(SaveLevel("SaveData", folder.File("no-such-folder/SaveData.txt")));

    EXPECT_TRUE(SaveLevel("SaveData", path));
    EXPECT_EQ(ReadWholeFile(path), "SaveData\n\nPlayer\n0\nNone\nEnd\n\n/SaveData\n");
    EXPECT_EQ(FileNames(folder), std::vector<std::string>{"SaveData.txt"});
}

TEST_F(LevelFileTest, LeftoversOfKilledSavesGoWithTheNextSave)
{
    // What a save killed between writing and renaming leaves, and look-alikes that must stay.
    const std::vector<std::string> leftovers = {"SaveData.txt.tmpAb12Cd", "SaveData.txt.tmpZZZZZZ"};
    const std::vector<std::string> others = {"Other.txt.tmpQwErTy", "SaveData.txt.tmpAB", "SaveData.txt.tmp-1234",
                                             "SaveData.txt.tmpAb12Cde", "XSaveData.txt.tmpAb12Cd"};
    // Left by a game killed a while ago; a fresh one may be another writer's, about to be renamed.
    const auto aWhileAgo = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(2);
    for (const auto& name : leftovers) {
        WriteWholeFile(folder.File(name), "half a save");
        std::filesystem::last_write_time(folder.File(name), aWhileAgo);
    }
    for (const auto& name : others) {
        WriteWholeFile(folder.File(name), "not ours to remove");
        std::filesystem::last_write_time(folder.File(name), aWhileAgo);
    }
    WriteWholeFile(folder.File("SaveData.txt.tmpLiv3Wr"), "being written");
    std::filesystem::create_directory(folder.File("SaveData.txt.tmpFolder"));
    MakeListed("Player", 0);

    ASSERT_TRUE(SaveLevel("SaveData", folder.File("SaveData.txt")));
    std::vector<std::string> expected = others;
    expected.push_back("SaveData.txt");
    expected.push_back("SaveData.txt.tmpFolder");
    expected.push_back("SaveData.txt.tmpLiv3Wr");
    std::sort(expected.begin(), expected.end());
    std::vector<std::string> names = FileNames(folder);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, expected);

    // The start-up sweep takes every leftover of the pattern, whatever file it was for.
    EXPECT_EQ(Platform::RemoveTemporaryLeftovers(folder.path), 2);
    EXPECT_FALSE(std::filesystem::exists(folder.File("Other.txt.tmpQwErTy")));
    EXPECT_FALSE(std::filesystem::exists(folder.File("XSaveData.txt.tmpAb12Cd")));
    EXPECT_TRUE(std::filesystem::exists(folder.File("SaveData.txt.tmpAB")));
    EXPECT_TRUE(std::filesystem::exists(folder.File("SaveData.txt.tmpLiv3Wr")));
    EXPECT_EQ(Platform::RemoveTemporaryLeftovers(folder.File("no-such-folder")), 0);
}

TEST_F(LevelFileTest, LoadedSceneLinksAndTearsDownCompletely)
{
    const std::string path = folder.File("Main.txt");
    WriteWholeFile(path, kWorkedExample);
    LoadLevel("Main", path);
    InitLikeAScene();
    auto room = FindObjectByName("Room");
    auto lamp = FindObjectByName("Lamp");
    ASSERT_TRUE(room && lamp);
    EXPECT_EQ(lamp->GetParent(), room);
    ASSERT_EQ(room->children.size(), 1u);

    // Components were given their owner by the reader and their type by Init.
    auto transform = room->GetComponent<Transform>();
    EXPECT_EQ(transform->GetOwner(), room.get());
    EXPECT_EQ(transform->GetType(), 0);
    EXPECT_EQ(transform->GetModelMatrix()[12], 12.5f);

    std::weak_ptr<GameObject> roomProbe = room, lampProbe = lamp;
    std::weak_ptr<Component> transformProbe = transform;
    room.reset();
    lamp.reset();
    transform.reset();
    DestroyAll();
    EXPECT_TRUE(roomProbe.expired());
    EXPECT_TRUE(lampProbe.expired());
    EXPECT_TRUE(transformProbe.expired());
}

TEST_F(LevelFileTest, RecordReaderServesOtherFiles)
{
    // The prefab list reads records with the same block loop from its own stream.
    GameObject prefab("Lamp", 4, 0);
    std::istringstream good("Cheats\nCollider\nScale\n2 3 1\nOffset\n0 0 0\nShowCollider\n1\nLineColor\n1 2 3\n"
                            "Active\n0\nEnd\nNext");
    EXPECT_TRUE(ReadComponentBlocks(good, prefab, "prefabs"));
    ASSERT_EQ(prefab.components.size(), 2u);
    EXPECT_EQ(prefab.components[1]->GetOwner(), &prefab);
    std::string next;
    good >> next;
    EXPECT_EQ(next, "Next"); // exactly the block's tokens were taken

    GameObject broken("Broken", 4, 1);
    std::istringstream unknown("Cheats\nLantern\nEnd\n");
    EXPECT_FALSE(ReadComponentBlocks(unknown, broken, "prefabs"));
    std::istringstream cut("Cheats\n");
    EXPECT_FALSE(ReadComponentBlocks(cut, broken, "prefabs"));

    std::ostringstream out;
    WriteObjectRecord(out, prefab);
    EXPECT_EQ(out.str().substr(0, 20), "Lamp\n4\nNone\nCheats\nC");
    EXPECT_EQ(out.str().substr(out.str().size() - 6), "\nEnd\n\n");
}

TEST_F(LevelFileTest, EveryTruncationOfAFileFinishes)
{
    auto room = MakeListed("Room");
    room->AddComponent(std::make_shared<Transform>(12.5f, -3.0f, 0.0f, 30.0f, 30.0f), 0);
    room->AddComponent(std::make_shared<Collider>(), 2);
    room->components.push_back(CreateComponent("Sprite"));
    MakeListed("Lamp")->SetParent("Room");
    const std::string whole = folder.File("whole.txt");
    ASSERT_TRUE(SaveLevel("Main", whole));
    const std::string text = ReadWholeFile(whole);

    const std::string cut = folder.File("cut.txt");
    for (size_t length = 0; length < text.size(); ++length)
    {
        DestroyAll();
        WriteWholeFile(cut, text.substr(0, length));
        LoadLevel("Main", cut);
        // At most the two records and the default camera; every object whole.
        ASSERT_LE(gGameObjects.size(), 3u) << length;
        EXPECT_EQ(gGameObjects.back()->name, "Camera") << length;
        if (gGameObjects.size() > 1)
        {
            EXPECT_EQ(gGameObjects[0]->components.size(), 3u) << length;
        }
    }
}

namespace
{
// The preparer is called around every read: begin with the path, between after each record
// read whole, and end once, whether the file ends well, breaks off or cannot be opened.
TEST_F(LevelFileTest, ThePreparerFramesEveryRead)
{
    std::vector<std::string> calls;
    struct Unset
    {
        ~Unset() { SetLevelPreparer(LevelPreparer()); }
    } unset; // the lambdas below must not outlive this test, even when it fails
    LevelPreparer preparer;
    preparer.begin = [&calls](const std::string& path) { calls.push_back("begin " + path); };
    preparer.between = [&calls] { calls.push_back("between " + std::to_string(gGameObjects.size())); };
    preparer.end = [&calls] { calls.push_back("end " + std::to_string(gGameObjects.size())); };
    SetLevelPreparer(preparer);

    const std::string record = "R\n4\nNone\nEnd\n\n";
    const std::string path = folder.File("level.txt");
    WriteWholeFile(path, "L\n\n" + record + record + "/L\n");
    LoadLevel("L", path);
    EXPECT_EQ(calls, (std::vector<std::string>{"begin " + path, "between 1", "between 2", "end 2"}));

    calls.clear();
    DestroyAll();
    WriteWholeFile(path, "L\n\n" + record + "Bad\n4\nNone\nBogus\nEnd\n\n" + record + "/L\n");
    LoadLevel("L", path);
    EXPECT_EQ(calls, (std::vector<std::string>{"begin " + path, "between 1", "end 1"}));

    calls.clear();
    DestroyAll();
    LoadLevel("L", folder.File("none.txt"));
    EXPECT_EQ(calls, (std::vector<std::string>{"begin " + folder.File("none.txt"), "end 0"}));

    // A begin alone, and none at all.
    calls.clear();
    LevelPreparer beginOnly;
    beginOnly.begin = [&calls](const std::string&) { calls.push_back("begin"); };
    SetLevelPreparer(beginOnly);
    EXPECT_FALSE(CurrentLevelPreparer().between);
    LoadLevel("L", path);
    SetLevelPreparer(LevelPreparer());
    LoadLevel("L", path);
    EXPECT_EQ(calls, (std::vector<std::string>{"begin"}));
}
} // namespace

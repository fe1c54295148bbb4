// Loads every shipped level the way the game does and checks it against what the game's code
// needs of it: whole records, pictures and sounds that exist, and in the level the objects that
// the controller and the player look up, doors that lead somewhere, and boxes that can overlap.

#include <gtest/gtest.h>
#include <lodepng.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ai/TileName.h"
#include "audio/Audio.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "content/LevelBoxes.h"
#include "physics/Collider.h"
#include "support/TempResourceTree.h"

namespace fs = std::filesystem;

namespace {

using namespace levelcheck;

std::vector<std::string> Tokens(const std::string& text)
{
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// Equal as text, or as numbers written in another form ("0.50" and "0.5").
bool SameToken(const std::string& a, const std::string& b)
{
    if (a == b)
        return true;
    char* endA = nullptr;
    char* endB = nullptr;
    const double x = std::strtod(a.c_str(), &endA);
    const double y = std::strtod(b.c_str(), &endB);
    if (*endA != '\0' || *endB != '\0' || endA == a.c_str() || endB == b.c_str())
        return false;
    return std::abs(x - y) <= 1e-5 * std::max(1.0, std::abs(x));
}

std::set<std::string> FirstWords(const fs::path& list)
{
    std::set<std::string> names;
    std::ifstream in(list);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string name;
        if (words >> name)
            names.insert(name);
    }
    return names;
}

class LevelContentTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        tree = new testsupport::TempResourceTree({"sfx/sfx.txt", "bgm/bgm.txt"});
        const fs::path shipped = fs::path(VESPERINE_SOURCE_DIR) / "resources" / "level";
        fs::create_directories(tree->Resources() / "level");
        // The editor's folder and its level-name list are its own files, not levels.
        for (const auto& entry : fs::directory_iterator(shipped))
            if (entry.is_regular_file() && entry.path().extension() == ".txt" &&
                entry.path().stem() != "TxtName") {
                fs::copy_file(entry.path(), tree->Resources() / "level" / entry.path().filename());
                levels.push_back(entry.path().stem().string());
            }

        // The pictures the game ships are exactly those the sprite tool draws.
        const std::string command = std::string("\"") + VESPERINE_BINARY_DIR + "/make_sprites\" \"" +
                                    tree->Resources().string() + "\" > /dev/null";
        const int status = std::system(command.c_str());
        toolRan = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        for (const auto& entry : fs::directory_iterator(tree->Resources() / "sprites"))
            sprites.insert(entry.path().filename().string());
    }

    static void TearDownTestSuite()
    {
        DestroyAll();
        delete tree;
        tree = nullptr;
        levels.clear();
        sprites.clear();
    }

    void TearDown() override { DestroyAll(); }

    static fs::path PathOf(const std::string& level) { return tree->Resources() / "level" / (level + ".txt"); }

    static void Load(const std::string& level)
    {
        DestroyAll();
        LoadLevel(level, PathOf(level).string());
    }

    static Object Find(const std::string& name) { return FindObjectByName(name); }

    static testsupport::TempResourceTree* tree;
    static std::vector<std::string> levels;
    static std::set<std::string> sprites;
    static bool toolRan;
};

testsupport::TempResourceTree* LevelContentTest::tree = nullptr;
std::vector<std::string> LevelContentTest::levels;
std::set<std::string> LevelContentTest::sprites;
bool LevelContentTest::toolRan = false;

TEST_F(LevelContentTest, EveryLevelReadsWholeAndWritesBackTheSameRecords)
{
    ASSERT_FALSE(levels.empty());
    for (const std::string& level : levels) {
        SCOPED_TRACE(level);
        Load(level);
        // A record the reader stopped at, or a block it read differently, changes the text.
        const fs::path written = tree->Root() / (level + "-written.txt");
        ASSERT_TRUE(SaveLevel(level, written.string()));
        std::ifstream original(PathOf(level));
        std::ifstream rewritten(written);
        const std::vector<std::string> expected =
            Tokens(std::string(std::istreambuf_iterator<char>(original), std::istreambuf_iterator<char>()));
        const std::vector<std::string> actual =
            Tokens(std::string(std::istreambuf_iterator<char>(rewritten), std::istreambuf_iterator<char>()));
        ASSERT_EQ(actual.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i)
            ASSERT_TRUE(SameToken(expected[i], actual[i]))
                << "token " << i << ": file has \"" << expected[i] << "\", read as \"" << actual[i] << "\"";
    }
}

TEST_F(LevelContentTest, EveryNameIsUniqueAndEveryPictureAndSoundIsShipped)
{
    ASSERT_TRUE(toolRan);
    const std::set<std::string> lists[2] = {FirstWords(tree->Resources() / "bgm" / "bgm.txt"),
                                            FirstWords(tree->Resources() / "sfx" / "sfx.txt")};
    for (const std::string& level : levels) {
        Load(level);
        std::set<std::string> names;
        for (const Object& object : gGameObjects) {
            SCOPED_TRACE(level + ": " + object->name);
            EXPECT_TRUE(names.insert(object->name).second) << "a second object of this name";
            if (const auto sprite = object->GetComponent<Sprite>()) {
                EXPECT_EQ(sprites.count(sprite->textureName), 1u) << sprite->textureName << " is not drawn";
            }
            const auto audio = object->GetComponent<Audio>();
            if (audio && audio->audioName != "None") {
                EXPECT_EQ(lists[audio->bgmOrSfx ? 1 : 0].count(audio->audioName), 1u)
                    << audio->audioName << " is not in the " << (audio->bgmOrSfx ? "sfx" : "bgm") << " list";
            }
        }
    }
}

TEST_F(LevelContentTest, LevelHoldsWhatTheControllerThePlayerAndThePauseMenuLookUp)
{
    Load("Level1");
    const std::map<std::string, std::vector<std::string>> needed = {
        {"Camera", {"Transform", "Collider"}},
        {"GameController", {"GameController", "Audio"}},
        {"Player", {"Transform", "Collider", "Rigidbody", "Audio", "PlayerBehaviour"}},
        {"PlayerSprite", {"Transform", "Sprite"}},
        {"PlayerE", {"Transform", "Sprite"}},
        {"RedScreen", {"Transform", "Sprite"}},
        {"Torch", {"Transform", "LightSource", "Audio"}},
        {"ChatBox", {"Transform", "Sprite"}},
        {"TextBox", {"Transform", "Sprite"}},
        {"PlayerPortrait", {"Transform", "Sprite"}},
        {"FadeScreen", {"Transform", "Sprite"}},
        {"YesSelect", {"Transform", "Sprite"}},
        {"NoSelect", {"Transform", "Sprite"}},
        {"DisplayImage", {"Transform", "Sprite"}},
        {"DeathAudio", {"Audio"}},
        {"DoorAudio", {"Audio"}},
        {"WorldSFX", {"Audio"}},
        {"DirectionUp", {"Transform", "Collider"}},
        {"DirectionDown", {"Transform", "Collider"}},
        {"DirectionLeft", {"Transform", "Collider"}},
        {"DirectionRight", {"Transform", "Collider"}},
        {"ResumeGame", {"Transform", "Collider", "Sprite"}},
        {"HowToPlay", {"Transform", "Collider", "Sprite"}},
        {"QuitGame", {"Transform", "Collider", "Sprite"}},
        {"Yes", {"Transform", "Collider", "Sprite"}},
        {"No", {"Transform", "Collider", "Sprite"}},
        {"HTP", {"Transform", "Sprite"}},
        {"AreYouSure", {"Transform", "Sprite"}},
        {"TBC", {"Transform"}},
        // The lever room.
        {"LeverRoomLever", {"Transform", "Collider", "Rigidbody", "ToBeContinued"}},
        {"SmashingLever", {"Transform", "Sprite", "Audio"}},
        {"TrapDoor", {"Transform", "Sprite", "Audio"}},
        {"Entrance1-6a", {"Transform", "Collider", "Rigidbody"}},
        {"LeverMove", {"Transform"}},
    };
    for (const auto& [name, components] : needed) {
        SCOPED_TRACE(name);
        const Object object = Find(name);
        ASSERT_TRUE(object);
        for (const std::string& component : components)
            EXPECT_TRUE(Has(*object, component)) << "no " << component;
    }
    for (const char* zone : {"DirectionUp", "DirectionDown", "DirectionLeft", "DirectionRight"}) {
        EXPECT_FALSE(Has(*Find(zone), "Rigidbody")) << zone << " must not take part in overlaps";
        EXPECT_EQ(Find(zone)->parentName, "Player") << zone << " must move with the player";
    }
    EXPECT_TRUE(Find("Torch")->GetComponent<Transform>()->mouseTracking);
}

TEST_F(LevelContentTest, LevelBoxesThatMustOverlapCanAndThePlayerStartsClear)
{
    Load("Level1");
    for (const Object& object : gGameObjects) {
        const bool tested = Has(*object, "InteractEvent") || Has(*object, "Checkpoint") || Has(*object, "ZOrder") ||
                            object->objectType == 11 || object->objectType == 14 || object->name == "Player";
        if (!tested)
            continue;
        SCOPED_TRACE(object->name);
        EXPECT_TRUE(Has(*object, "Transform") && Has(*object, "Collider") && Has(*object, "Rigidbody"))
            << "the overlap test needs a Transform, a Collider and a Rigidbody";
    }

    const Object player = Find("Player");
    ASSERT_TRUE(player);
    const Box start = BoxOf(*player);
    for (const Object& object : gGameObjects) {
        // He wakes on the opening's first trigger (the test below).
        if (object != player && object->name != "StartingTrigger" && Has(*object, "Collider") &&
            Has(*object, "Rigidbody") && Has(*object, "Transform")) {
            EXPECT_FALSE(start.Overlaps(BoxOf(*object))) << "the player starts on " << object->name;
        }
    }
}

TEST_F(LevelContentTest, LevelPlayerStartsOnTheTriggerThatWakesHim)
{
    Load("Level1");
    const Object player = Find("Player");
    const Object trigger = Find("StartingTrigger");
    ASSERT_TRUE(player && trigger);
    // Off it, he lies in the dark ward after the intro and nothing happens until he steps.
    const Box start = BoxOf(*player);
    const Box wake = BoxOf(*trigger);
    EXPECT_TRUE(start.Overlaps(wake)) << "he starts at x " << start.minX << " to " << start.maxX
                                      << ", the waking trigger stands at x " << wake.minX << " to " << wake.maxX;
}

TEST_F(LevelContentTest, LevelDoorsLeadToLinksClearOfEveryDoor)
{
    Load("Level1");
    const Object player = Find("Player");
    ASSERT_TRUE(player);
    const Box body = BoxOf(*player);
    const float halfW = (body.maxX - body.minX) / 2;
    const float halfH = (body.maxY - body.minY) / 2;

    std::vector<Object> doors;
    for (const Object& object : gGameObjects)
        if (object->objectType == 14)
            doors.push_back(object);
    ASSERT_GE(doors.size(), 2u) << "the first rooms are joined by a door pair";

    for (const Object& door : doors) {
        SCOPED_TRACE(door->name);
        const Object link = Find(door->name + "link");
        ASSERT_TRUE(link && Has(*link, "Transform")) << "no link object with a Transform";
        // The player arrives centred on the link; touching a door there would send him straight back.
        const Vector3 p = link->GetComponent<Transform>()->position;
        const Box arrival{p.x - halfW, p.y - halfH, p.x + halfW, p.y + halfH};
        for (const Object& other : doors)
            EXPECT_FALSE(arrival.Overlaps(BoxOf(*other))) << "the player arrives on " << other->name;
    }
}

TEST_F(LevelContentTest, LevelDepthZonesHangUnderPropsAndInterfaceIgnoresTheLight)
{
    Load("Level1");
    int zones = 0;
    for (const Object& object : gGameObjects) {
        SCOPED_TRACE(object->name);
        if (Has(*object, "ZOrder")) {
            ++zones;
            const Object prop = Find(object->parentName);
            EXPECT_TRUE(prop && Has(*prop, "Transform")) << "a depth zone needs a prop with a Transform";
        }
        const bool interface =
            object->parentName == "Camera" || object->name == "DisplayImage" || object->name == "RedScreen";
        const auto sprite = object->GetComponent<Sprite>();
        if (!interface || !sprite)
            continue;
        EXPECT_FALSE(sprite->lightAffected) << "the torch must not light the interface";
        const float z = object->GetComponent<Transform>()->position.z;
        // The pause menu waits hidden at depth 0; the level scene raises it to 4 when paused.
        static const std::set<std::string> kPauseMenu = {"ResumeGame", "HowToPlay", "QuitGame", "Yes",
                                                         "No",         "HTP",       "AreYouSure", "TBC"};
        if (kPauseMenu.count(object->name)) {
            EXPECT_EQ(z, 0.0f);
            EXPECT_EQ(sprite->transparency, 0.0f);
            continue;
        }
        // Above the world, below the view's far edge.
        EXPECT_GE(z, 3.5f);
        EXPECT_LT(z, 3.9f);
    }
    EXPECT_GE(zones, 1);
}

}  // namespace

namespace {

// The grid a sheet's file name gives ("Name_RxC.png": R rows, C columns), or 1 x 1.
std::pair<unsigned, unsigned> GridOf(const std::string& file)
{
    static const std::regex pattern("([0-9a-zA-Z]+)_([0-9]+)x([0-9]+)\\.png");
    std::smatch match;
    if (!std::regex_search(file, match, pattern))
        return {1u, 1u};
    return {static_cast<unsigned>(std::stoul(match[2])), static_cast<unsigned>(std::stoul(match[3]))};
}

TEST_F(LevelContentTest, EveryPictureDecodesIntoWholeFramesOfItsGrid)
{
    std::set<std::string> named;
    for (const std::string& level : levels) {
        Load(level);
        for (const Object& object : gGameObjects)
            if (const auto sprite = object->GetComponent<Sprite>())
                named.insert(sprite->textureName);
    }
    for (const std::string& file : named) {
        SCOPED_TRACE(file);
        std::vector<unsigned char> pixels;
        unsigned w = 0, h = 0;
        ASSERT_EQ(lodepng::decode(pixels, w, h, (tree->Resources() / "sprites" / file).string()), 0u);
        const auto [rows, columns] = GridOf(file);
        ASSERT_GT(rows * columns, 0u);
        EXPECT_EQ(w % columns, 0u) << w << " pixels wide do not split into " << columns << " columns";
        EXPECT_EQ(h % rows, 0u) << h << " pixels high do not split into " << rows << " rows";
    }
}

TEST_F(LevelContentTest, EveryVisibleThingLiesInFrontOfTheClipPlaneAndEveryTileNameParses)
{
    for (const std::string& level : levels) {
        Load(level);
        for (const Object& object : gGameObjects) {
            SCOPED_TRACE(level + ": " + object->name);
            const auto sprite = object->GetComponent<Sprite>();
            const auto transform = object->GetComponent<Transform>();
            if (sprite && transform) {
                // The view's near plane sits at depth 4: anything at or past it is clipped away.
                EXPECT_LT(transform->position.z, 4.0f);
                EXPECT_GT(transform->position.z, -1.0f) << "behind the view's far edge";
            }
            if (object->objectType == 12) {
                TileName tile;
                std::string why;
                EXPECT_TRUE(TileName::Parse(object->name, tile, why)) << why;
                EXPECT_TRUE(Has(*object, "Collider") && Has(*object, "Rigidbody")) << "a tile is found by overlap";
            }
        }
    }
}

TEST_F(LevelContentTest, NoLevelHoldsAnEmptyOrNonNumericNumberToken)
{
    for (const std::string& level : levels) {
        SCOPED_TRACE(level);
        std::ifstream in(PathOf(level));
        const std::vector<std::string> tokens =
            Tokens(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
        for (const std::string& token : tokens) {
            std::string lower = token;
            std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
            EXPECT_TRUE(lower != "nan" && lower != "-nan" && lower != "inf" && lower != "-inf") << token;
        }
    }
}

}  // namespace

// The shipped hospital as the player meets it: every spot he is meant to touch can be touched
// from a place the walls let him stand, every room is floored up to its walls and closed except
// at its doors, every picture the story slides up fits the view, and no developer keys ship.

#include <gtest/gtest.h>
#include <lodepng.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "content/LevelBoxes.h"
#include "gameplay/ShownPictures.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "support/TempResourceTree.h"

namespace fs = std::filesystem;

namespace {

using namespace levelcheck;

bool Placed(const GameObject& object)
{
    // Scripts park what is not there yet far away (10000, 10000).
    const auto transform = object.GetComponent<Transform>();
    return transform && std::abs(transform->position.x) < 5000.0f && std::abs(transform->position.y) < 5000.0f;
}

// Where the sprite draws: its Transform's square.
Box PictureOf(const GameObject& object)
{
    const auto transform = object.GetComponent<Transform>();
    const Vector3 p = transform->position;
    const Vector3 s = transform->scale;
    return {p.x - s.x / 2, p.y - s.y / 2, p.x + s.x / 2, p.y + s.y / 2};
}

bool Overlapping(const GameObject& object)
{
    return Has(object, "Transform") && Has(object, "Collider") && Has(object, "Rigidbody");
}

// A grid of square cells over the placed level, each sampled at its centre.
class CellGrid {
public:
    static constexpr float kCell = 0.25f;

    explicit CellGrid(const Box& bounds)
        : originX(std::floor(bounds.minX) - 4.0f), originY(std::floor(bounds.minY) - 4.0f),
          width(static_cast<int>((bounds.maxX - originX + 4.0f) / kCell) + 1),
          height(static_cast<int>((bounds.maxY - originY + 4.0f) / kCell) + 1),
          cells(static_cast<size_t>(width) * static_cast<size_t>(height), 0)
    {
    }

    // Marks every cell whose centre lies inside the rectangle.
    void Mark(const Box& r, unsigned char bit)
    {
        const int x0 = std::max(0, static_cast<int>(std::ceil((r.minX - originX) / kCell - 0.5f)));
        const int x1 = std::min(width - 1, static_cast<int>(std::floor((r.maxX - originX) / kCell - 0.5f)));
        const int y0 = std::max(0, static_cast<int>(std::ceil((r.minY - originY) / kCell - 0.5f)));
        const int y1 = std::min(height - 1, static_cast<int>(std::floor((r.maxY - originY) / kCell - 0.5f)));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                cells[Index(x, y)] |= bit;
    }

    int CellX(float x) const { return static_cast<int>(std::floor((x - originX) / kCell)); }
    int CellY(float y) const { return static_cast<int>(std::floor((y - originY) / kCell)); }
    float CentreX(int x) const { return originX + (static_cast<float>(x) + 0.5f) * kCell; }
    float CentreY(int y) const { return originY + (static_cast<float>(y) + 0.5f) * kCell; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    size_t Index(int x, int y) const { return static_cast<size_t>(y) * static_cast<size_t>(width) + x; }

    float originX, originY;
    int width, height;
    std::vector<unsigned char> cells;
};

class LevelLayoutTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        tree = new testsupport::TempResourceTree({"sfx/sfx.txt", "bgm/bgm.txt"});
        const std::string command = std::string("\"") + VESPERINE_BINARY_DIR + "/make_sprites\" \"" +
                                    tree->Resources().string() + "\" > /dev/null";
        const int status = std::system(command.c_str());
        toolRan = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    static void TearDownTestSuite()
    {
        delete tree;
        tree = nullptr;
    }

    void SetUp() override
    {
        DestroyAll();
        LoadLevel("Level1", std::string(VESPERINE_SOURCE_DIR) + "/resources/level/Level1.txt");
        ASSERT_TRUE(FindObjectByName("Player"));
    }

    void TearDown() override { DestroyAll(); }

    static testsupport::TempResourceTree* tree;
    static bool toolRan;
};

testsupport::TempResourceTree* LevelLayoutTest::tree = nullptr;
bool LevelLayoutTest::toolRan = false;

// Zones and props the scripts test him against (types 3 and 4), and whatever carries an
// examine spot, a checkpoint, a sound area or a story script.
bool MeantToBeTouched(const GameObject& object)
{
    // The lift's cage is walled in until the generator runs and its script moves the wall away;
    // the crushing walls' boxes travel with the walls and are what kills him, not a spot to seek.
    static const std::set<std::string> kNotSought = {"Lift", "SmashingColliderL", "SmashingColliderR"};
    if (kNotSought.count(object.name))
        return false;
    if (object.objectType == 3 || object.objectType == 4)
        return true;
    // Engine parts, enemies, depth zones and the people who come to him are not spots he seeks.
    static const std::set<std::string> kNotTriggers = {
        "Transform", "Sprite",      "Collider", "Rigidbody",      "LightSource",  "Renderer",
        "Audio",     "ParticleEmitter", "PlayerBehaviour", "BasicAI", "LatchingAI", "PatrollingAI",
        "BearAI",    "GameController", "ZOrder", "Cheats",       "NurseEvent",   "SurgeonChase",
        "DollEyes",  "BearCounter"};
    for (const auto& component : object.components)
        if (component && !kNotTriggers.count(component->GetName()))
            return true;
    return false;
}

TEST_F(LevelLayoutTest, EveryExamineSpotCheckpointAndTriggerCanBeTouchedFromWhereThePlayerCanStand)
{
    const Object player = FindObjectByName("Player");
    const Box body = BoxOf(*player);
    const float halfW = (body.maxX - body.minX) / 2;
    const float halfH = (body.maxY - body.minY) / 2;

    // What stops him: walls and blockers (type 11) and the nurse, where they stand at the start.
    std::vector<Box> stops;
    for (const Object& object : gGameObjects)
        if ((object->objectType == 11 || object->name == "Nurse") && Overlapping(*object) && Placed(*object))
            stops.push_back(BoxOf(*object));
    constexpr float kBucket = 8.0f;
    std::map<std::pair<int, int>, std::vector<Box>> buckets;
    for (const Box& r : stops)
        for (int bx = static_cast<int>(std::floor(r.minX / kBucket)); bx <= std::floor(r.maxX / kBucket); ++bx)
            for (int by = static_cast<int>(std::floor(r.minY / kBucket)); by <= std::floor(r.maxY / kBucket); ++by)
                buckets[{bx, by}].push_back(r);
    auto free = [&](float x, float y) {
        const Box at{x - halfW, y - halfH, x + halfW, y + halfH};
        for (int bx = static_cast<int>(std::floor(at.minX / kBucket)); bx <= std::floor(at.maxX / kBucket); ++bx)
            for (int by = static_cast<int>(std::floor(at.minY / kBucket)); by <= std::floor(at.maxY / kBucket); ++by) {
                const auto found = buckets.find({bx, by});
                if (found == buckets.end())
                    continue;
                for (const Box& stop : found->second)
                    if (at.Overlaps(stop))
                        return false;
            }
        return true;
    };

    int targets = 0;
    for (const Object& object : gGameObjects) {
        if (object == player || object->parentName == "Player")
            continue;
        if (!Overlapping(*object) || !Placed(*object) || !MeantToBeTouched(*object))
            continue;
        ++targets;
        const Box spot = BoxOf(*object);
        bool reachable = false;
        constexpr float kStep = 0.05f;
        for (float x = spot.minX - halfW; x <= spot.maxX + halfW && !reachable; x += kStep)
            for (float y = spot.minY - halfH; y <= spot.maxY + halfH && !reachable; y += kStep) {
                const Box at{x - halfW, y - halfH, x + halfW, y + halfH};
                reachable = at.Overlaps(spot) && free(x, y);
            }
        EXPECT_TRUE(reachable) << object->name << " (" << spot.minX << ", " << spot.minY << ") - (" << spot.maxX
                               << ", " << spot.maxY << ") cannot be touched: walls or blockers cover every way in";
    }
    EXPECT_GE(targets, 80) << "the level's examine spots, checkpoints and triggers were not found";
}

TEST_F(LevelLayoutTest, EveryRoomIsFlooredUpToItsWallsAndClosedExceptAtDoors)
{
    // What closes a room: walls, doors and windows as drawn (wall tiles of any type, door and
    // window pictures, drawn blockers and doors). Invisible blockers stand on the floor and close
    // nothing.
    auto encloses = [](const GameObject& object) {
        const auto sprite = object.GetComponent<Sprite>();
        if (!sprite || !Placed(object))
            return false;
        const std::string& texture = sprite->textureName;
        return object.objectType == 11 || object.objectType == 14 || texture == "Wall_1x1.png" ||
               texture == "WallDirty_1x1.png" || texture.rfind("Door", 0) == 0 ||
               texture.rfind("Glass", 0) == 0;
    };
    Box bounds{1e9f, 1e9f, -1e9f, -1e9f};
    std::vector<Object> floors;
    for (const Object& object : gGameObjects) {
        if (!Has(*object, "Transform") || !Placed(*object))
            continue;
        if (object->objectType == 2 && Has(*object, "Sprite"))
            floors.push_back(object);
        const Box r = PictureOf(*object);
        bounds = {std::min(bounds.minX, r.minX), std::min(bounds.minY, r.minY), std::max(bounds.maxX, r.maxX),
                  std::max(bounds.maxY, r.maxY)};
    }
    ASSERT_FALSE(floors.empty());

    constexpr unsigned char kWall = 1, kFloor = 2, kSeen = 4;
    CellGrid grid(bounds);
    for (const Object& object : gGameObjects)
        if (encloses(*object))
            grid.Mark(PictureOf(*object), kWall);
    for (const Object& floor : floors)
        grid.Mark(PictureOf(*floor), kFloor);

    // From every floor, walk the cells no wall or door closes: each must be floored. A hole in a
    // wall lets the walk out into the dark, so it shows as unfloored cells too.
    std::vector<std::string> faults;
    for (const Object& floor : floors) {
        const Box r = PictureOf(*floor);
        const int sx = grid.CellX((r.minX + r.maxX) / 2);
        const int sy = grid.CellY((r.minY + r.maxY) / 2);
        if (!grid.Inside(sx, sy) || grid.cells[grid.Index(sx, sy)] & (kWall | kSeen))
            continue;
        std::deque<std::pair<int, int>> queue{{sx, sy}};
        grid.cells[grid.Index(sx, sy)] |= kSeen;
        int gaps = 0;
        Box gapBox{1e9f, 1e9f, -1e9f, -1e9f};
        while (!queue.empty() && gaps < 4000) {
            const auto [x, y] = queue.front();
            queue.pop_front();
            if (!(grid.cells[grid.Index(x, y)] & kFloor)) {
                ++gaps;
                gapBox = {std::min(gapBox.minX, grid.CentreX(x)), std::min(gapBox.minY, grid.CentreY(y)),
                          std::max(gapBox.maxX, grid.CentreX(x)), std::max(gapBox.maxY, grid.CentreY(y))};
            }
            const int next[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
            for (const auto& n : next) {
                if (!grid.Inside(n[0], n[1]))
                    continue;
                unsigned char& cell = grid.cells[grid.Index(n[0], n[1])];
                if (cell & (kWall | kSeen))
                    continue;
                cell |= kSeen;
                queue.push_back({n[0], n[1]});
            }
        }
        if (gaps > 0) {
            std::ostringstream text;
            text << "from " << floor->name << ": " << gaps << " unfloored cells within (" << gapBox.minX << ", "
                 << gapBox.minY << ") - (" << gapBox.maxX << ", " << gapBox.maxY << ")";
            faults.push_back(text.str());
        }
    }
    for (const std::string& fault : faults)
        ADD_FAILURE() << fault;
}

TEST_F(LevelLayoutTest, NoDoorLeavesAnUncoveredGapBesideIt)
{
    // Wherever a door's own picture is see-through, another picture must lie there, or the dark
    // beyond shows as a slit beside the door.
    ASSERT_TRUE(toolRan);
    std::map<std::string, std::tuple<std::vector<unsigned char>, unsigned, unsigned>> sheets;
    // Whether the object's shown frame is opaque at the world point (nearest pixel, top row up).
    auto opaqueAt = [&](const GameObject& object, float x, float y) {
        const auto sprite = object.GetComponent<Sprite>();
        const Box r = PictureOf(object);
        if (sprite->transparency < 0.5f || x < r.minX || x > r.maxX || y < r.minY || y > r.maxY)
            return false;
        auto& [rgba, width, height] = sheets[sprite->textureName];
        if (rgba.empty())
            lodepng::decode(rgba, width, height, (tree->Resources() / "sprites" / sprite->textureName).string());
        const unsigned columns = std::max(1, sprite->numColumns), rows = std::max(1, sprite->numRows);
        const unsigned frameW = width / columns, frameH = height / rows, frame = std::max(0, sprite->startFrame);
        if (frameW == 0 || frameH == 0)
            return false;
        const auto u = std::min(frameW - 1, static_cast<unsigned>((x - r.minX) / (r.maxX - r.minX) * frameW));
        const auto v = std::min(frameH - 1, static_cast<unsigned>((r.maxY - y) / (r.maxY - r.minY) * frameH));
        const size_t px = (frame % columns) * frameW + u, py = ((frame / columns) % rows) * frameH + v;
        return rgba[(py * width + px) * 4 + 3] >= 128;
    };
    auto shown = [](const GameObject& object) {
        return object.GetComponent<Sprite>() && Placed(object) && object.parentName != "Camera";
    };

    int doors = 0;
    for (const Object& door : gGameObjects) {
        const auto sprite = door->GetComponent<Sprite>();
        if (!shown(*door) || (door->objectType != 14 && sprite->textureName.rfind("Door", 0) != 0))
            continue;
        ++doors;
        const Box r = PictureOf(*door);
        std::vector<Object> near;
        std::copy_if(gGameObjects.begin(), gGameObjects.end(), std::back_inserter(near),
                     [&](const Object& o) { return shown(*o) && PictureOf(*o).Overlaps(r); });
        int gaps = 0;
        for (float i = 0.5f; i < 32.0f; ++i)
            for (float j = 0.5f; j < 32.0f; ++j) {
                const float x = r.minX + (r.maxX - r.minX) * i / 32.0f, y = r.minY + (r.maxY - r.minY) * j / 32.0f;
                gaps += std::none_of(near.begin(), near.end(), [&](const Object& o) { return opaqueAt(*o, x, y); });
            }
        EXPECT_EQ(gaps, 0) << door->name << " (" << sprite->textureName << " at "
                           << (r.minX + r.maxX) / 2 << ", " << (r.minY + r.maxY) / 2 << ") shows the dark beside it";
    }
    EXPECT_GE(doors, 50) << "the level's doors were not found";
}

TEST_F(LevelLayoutTest, EveryPictureTheStoryShowsFitsTheViewWithItsSheetsShape)
{
    ASSERT_TRUE(toolRan);
    const Object camera = FindObjectByName("Camera");
    const Object player = FindObjectByName("Player");
    const Object image = FindObjectByName("DisplayImage");
    ASSERT_TRUE(camera && player && image);
    const Vector3 zoom = camera->GetComponent<Transform>()->scale;
    // The window the game opens (init.ini) seen through the level camera's zoom.
    std::ifstream init(std::string(VESPERINE_SOURCE_DIR) + "/resources/init.ini");
    float windowW = 0, windowH = 0;
    ASSERT_TRUE(init >> windowW >> windowH);
    const float viewW = windowW / zoom.x;
    const float viewH = windowH / zoom.y;
    // The camera follows the player; the picture slides up until it is level with him and keeps
    // its own offset across from the camera.
    const Vector3 c = camera->GetComponent<Transform>()->position;
    const float restX = image->GetComponent<Transform>()->position.x - c.x;
    const float restY = player->GetComponent<Transform>()->position.y - c.y;

    for (const ShownPicture& picture : shownpictures::kAll) {
        SCOPED_TRACE(std::string(picture.sheet) + " frame " + std::to_string(picture.frame));
        std::vector<unsigned char> pixels;
        unsigned w = 0, h = 0;
        ASSERT_EQ(lodepng::decode(pixels, w, h, (tree->Resources() / "sprites" / picture.sheet).string()), 0u);
        Sprite grid;
        grid.SetTexture(picture.sheet);
        const float frameAspect = (static_cast<float>(w) / grid.numColumns) / (static_cast<float>(h) / grid.numRows);
        const float shownAspect = picture.scale.x / picture.scale.y;
        EXPECT_NEAR(shownAspect, frameAspect, 0.02f * frameAspect) << "shown at " << picture.scale.x << " x "
                                                                  << picture.scale.y << ": stretched";
        EXPECT_LE(std::abs(restX) + picture.scale.x / 2, viewW / 2) << "wider than the view (" << viewW << ")";
        EXPECT_LE(std::abs(restY) + picture.scale.y / 2, viewH / 2) << "taller than the view (" << viewH << ")";
    }
}

TEST_F(LevelLayoutTest, WhatMustBeSeenInTheDarkShowsWithoutTheTorch)
{
    ASSERT_TRUE(toolRan);
    // The girl appears after the doll is taken, while his torch is out.
    const Object girl = FindObjectByName("Girl");
    ASSERT_TRUE(girl && girl->GetComponent<Sprite>());
    EXPECT_FALSE(girl->GetComponent<Sprite>()->lightAffected) << "the girl is lost in the dark";

    // Lanterns glow of themselves and hang in front of him, never hidden behind him.
    const float playerZ = FindObjectByName("PlayerSprite")->GetComponent<Transform>()->position.z;
    int lanterns = 0;
    for (const Object& object : gGameObjects) {
        if (!Has(*object, "Checkpoint"))
            continue;
        ++lanterns;
        SCOPED_TRACE(object->name);
        const auto sprite = object->GetComponent<Sprite>();
        ASSERT_TRUE(sprite);
        EXPECT_FALSE(sprite->lightAffected) << "an unlit lantern is dark until the torch finds it";
        EXPECT_GT(object->GetComponent<Transform>()->position.z, playerZ) << "drawn behind the player";
        EXPECT_LT(object->GetComponent<Transform>()->position.z, 3.9f);
    }
    EXPECT_GE(lanterns, 10);

    // The unlit frame carries a glow: some warm, bright, visible pixels.
    std::vector<unsigned char> pixels;
    unsigned w = 0, h = 0;
    ASSERT_EQ(lodepng::decode(pixels, w, h, (tree->Resources() / "sprites" / "Checkpoint_1x2.png").string()), 0u);
    int glowing = 0;
    for (unsigned y = 0; y < h; ++y)
        for (unsigned x = 0; x < w / 2; ++x) {
            const unsigned char* p = &pixels[(y * w + x) * 4];
            if (p[0] > 200 && p[0] > p[2] + 40 && p[3] > 128)
                ++glowing;
        }
    EXPECT_GT(glowing, 4) << "the unlit lantern has no light of its own";
}

TEST_F(LevelLayoutTest, TheShippedLevelCarriesNoDeveloperKeys)
{
    for (const Object& object : gGameObjects)
        EXPECT_FALSE(Has(*object, "Cheats")) << object->name << " carries the developer keys";
}

}  // namespace

// Route tables: rooms from tile names, neighbours, routes around walls, rebuilds.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "ai/PathFindingSystem.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "physics/Rigidbody.h"

namespace {

using Framework::PathFindingSystem;

class PathFindingTest : public ::testing::Test {
protected:
    void SetUp() override { DestroyAll(); }
    void TearDown() override { DestroyAll(); }

    // A 2 x 2 tile at its cell; rows run down the screen.
    static std::shared_ptr<GameObject> AddTile(const std::string& name, float x, float y, bool wall = false)
    {
        auto tile = std::make_shared<GameObject>(name, 12, gObjectIdCounter);
        tile->AddComponent(std::make_shared<Transform>(x, y, 0.0f, 2.0f, 2.0f), Transform::kTypeId);
        auto collider = std::make_shared<Collider>(Vector2(2.0f, 2.0f));
        tile->AddComponent(collider, Collider::kTypeId);
        tile->AddComponent(std::make_shared<Rigidbody>(1.0f), Rigidbody::kTypeId);
        collider->active = wall;
        AddObject(tile);
        return tile;
    }

    // Rows of '.' (floor) and '#' (wall); the room's tiles are named <key>g<row>x<column>.
    static void AddRoom(const std::string& key, const std::vector<std::string>& rows, float originX = 0.0f)
    {
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t c = 0; c < rows[r].size(); ++c)
                AddTile(Name(key, static_cast<int>(r), static_cast<int>(c)), originX + 2.0f * c, -2.0f * r,
                        rows[r][c] == '#');
    }

    static std::string Name(const std::string& key, int row, int column)
    {
        return key + "g" + std::to_string(row) + "x" + std::to_string(column);
    }

    std::vector<std::string> Route(const std::string& from, const std::string& to) const
    {
        std::vector<std::string> names;
        for (const auto& tile : paths.FindRoute(FindObjectByName(from).get(), FindObjectByName(to).get()))
            names.push_back(tile->name);
        return names;
    }

    // Every route between every two tiles of the list, by name.
    std::vector<std::vector<std::string>> AllRoutes() const
    {
        std::vector<std::string> names;
        for (const auto& object : gGameObjects)
            names.push_back(object->name);
        std::sort(names.begin(), names.end());
        std::vector<std::vector<std::string>> routes;
        for (const auto& a : names)
            for (const auto& b : names)
                routes.push_back(Route(a, b));
        return routes;
    }

    PathFindingSystem paths;
};

TEST_F(PathFindingTest, RoomKeysComeFromTheTextBeforeTheLastG)
{
    EXPECT_EQ(PathFindingSystem::RoomKey("HallAg0x12"), "HallA");
    EXPECT_EQ(PathFindingSystem::RoomKey("Hg0x1"), "H");
    EXPECT_EQ(PathFindingSystem::RoomKey("Edgeg3x4"), "Edge") << "only the last 'g' splits";
    for (const char* bad : {"Hallway", "g0x1", "Hallg12", "Hallg1y2", "Hallgx3", "Hallg-1x2", "Hallg1x", "Hallg1x2z",
                            "Hallg1x999999", ""})
        EXPECT_EQ(PathFindingSystem::RoomKey(bad), "") << bad;
}

TEST_F(PathFindingTest, BadTileNamesAreLeftOutAndTheRestStillBuilds)
{
    AddTile("Hallway", 0.0f, 0.0f);
    AddTile("g0x1", 2.0f, 0.0f);
    AddTile("Hallg1y2", 4.0f, 0.0f);
    AddTile("Wardg0x0", 10.0f, 0.0f);
    AddTile("Wardg0x1", 12.0f, 0.0f);
    AddTile("Wardg0x1", 12.0f, 0.0f);  // a second tile on the same cell
    auto bare = std::make_shared<GameObject>("Wardg0x2", 12, gObjectIdCounter);  // no Collider
    AddObject(bare);
    ASSERT_NO_THROW(paths.Init());
    ASSERT_EQ(paths.mRooms.size(), 1u);
    EXPECT_EQ(paths.mRooms[0].Key(), "Ward");
    EXPECT_EQ(paths.mRooms[0].Tiles().size(), 2u);
    EXPECT_EQ(paths.mRooms[0].Width(), 2);
    EXPECT_EQ(Route("Wardg0x0", "Wardg0x1"), (std::vector<std::string>{"Wardg0x1"}));
    EXPECT_TRUE(Route("Hallway", "Wardg0x1").empty());
}

TEST_F(PathFindingTest, NeighboursStopAtTheEndsOfRows)
{
    AddRoom("Ward", {"...", "...", "..."});
    paths.Init();
    const RoomGrid& room = paths.mRooms.at(0);
    EXPECT_EQ(room.Width(), 3);
    const auto at = [&](int row, int column) { return row * 3 + column; };  // all floor: floor = row-major
    EXPECT_EQ(room.Neighbour(at(1, 1), RoomGrid::kRight), at(1, 2));
    EXPECT_EQ(room.Neighbour(at(1, 1), RoomGrid::kLeft), at(1, 0));
    EXPECT_EQ(room.Neighbour(at(1, 1), RoomGrid::kRowBefore), at(0, 1));
    EXPECT_EQ(room.Neighbour(at(1, 1), RoomGrid::kRowAfter), at(2, 1));
    EXPECT_EQ(room.Neighbour(at(0, 2), RoomGrid::kRight), -1) << "the last of a row does not lead into the next";
    EXPECT_EQ(room.Neighbour(at(1, 0), RoomGrid::kLeft), -1) << "the first of a row does not lead back";
    EXPECT_EQ(room.Neighbour(at(0, 0), RoomGrid::kRowBefore), -1);
    EXPECT_EQ(room.Neighbour(at(2, 2), RoomGrid::kRowAfter), -1);
}

TEST_F(PathFindingTest, OpenFloorRoutesHeadForTheNeighbourNearestTheGoal)
{
    AddRoom("Ward", {"....", "....", "...."});
    paths.Init();
    EXPECT_EQ(Route("Wardg0x0", "Wardg0x1"), (std::vector<std::string>{"Wardg0x1"}));
    EXPECT_EQ(Route("Wardg0x1", "Wardg0x0"), (std::vector<std::string>{"Wardg0x0"}));
    EXPECT_EQ(Route("Wardg1x1", "Wardg1x1"), (std::vector<std::string>{"Wardg1x1"})) << "a tile to itself";
    // The larger offset shrinks first; where both steps come equally near, right wins.
    EXPECT_EQ(Route("Wardg0x0", "Wardg2x3"),
              (std::vector<std::string>{"Wardg0x1", "Wardg0x2", "Wardg1x2", "Wardg1x3", "Wardg2x3"}));
    EXPECT_EQ(Route("Wardg2x3", "Wardg0x3"), (std::vector<std::string>{"Wardg1x3", "Wardg0x3"}));
}

TEST_F(PathFindingTest, ADeadEndPocketStillGivesTheShortestWayRound)
{
    // Heading straight for G runs into the pocket at row 2, column 2.
    AddRoom("Ward", {".....", ".###.", "S..#G"});
    paths.Init();
    const std::vector<std::string> route = Route("Wardg2x0", "Wardg2x4");
    EXPECT_EQ(route, (std::vector<std::string>{"Wardg1x0", "Wardg0x0", "Wardg0x1", "Wardg0x2", "Wardg0x3", "Wardg0x4",
                                               "Wardg1x4", "Wardg2x4"}));
}

TEST_F(PathFindingTest, NoWayWallsAndOtherRoomsGiveEmptyRoutes)
{
    AddRoom("Ward", {"..#..", "..#.."});
    AddRoom("Hall", {".."}, 40.0f);
    paths.Init();
    EXPECT_TRUE(Route("Wardg0x0", "Wardg0x4").empty()) << "the wall column cuts the room in two";
    EXPECT_EQ(Route("Wardg0x3", "Wardg1x4"), (std::vector<std::string>{"Wardg0x4", "Wardg1x4"}));
    EXPECT_TRUE(Route("Wardg0x0", "Wardg0x2").empty()) << "a wall is no goal";
    EXPECT_TRUE(Route("Wardg0x2", "Wardg0x1").empty()) << "nor a start";
    EXPECT_TRUE(Route("Wardg0x0", "Hallg0x0").empty()) << "rooms do not join";
    EXPECT_EQ(Route("Hallg0x0", "Hallg0x1"), (std::vector<std::string>{"Hallg0x1"}));
}

TEST_F(PathFindingTest, TheObjectListOrderChangesNoRoute)
{
    AddRoom("Ward", {"....#.", ".##...", "...#..", "#....."});
    AddRoom("Hall", {"...", ".#."}, 40.0f);
    paths.Init();
    const auto before = AllRoutes();
    ASSERT_EQ(paths.mRooms.size(), 2u);

    std::mt19937 shuffle(7);
    for (int round = 0; round < 3; ++round) {
        gGameObjects.Change([&](GameObjectList::Entries& slots) { std::shuffle(slots.begin(), slots.end(), shuffle); });
        paths.Init();
        EXPECT_EQ(AllRoutes(), before) << "round " << round;
    }
}

TEST_F(PathFindingTest, ANewInitReplacesTheTables)
{
    AddRoom("Ward", {"..", ".."});
    paths.Init();
    const std::shared_ptr<GameObject> oldTile = FindObjectByName("Wardg0x0");
    const std::shared_ptr<GameObject> oldGoal = FindObjectByName("Wardg1x1");
    ASSERT_EQ(paths.FindRoute(oldTile.get(), oldGoal.get()).size(), 2u);

    DestroyAll();
    AddRoom("Hall", {"..."});
    paths.Init();
    ASSERT_EQ(paths.mRooms.size(), 1u);
    EXPECT_EQ(paths.mRooms[0].Key(), "Hall");
    EXPECT_TRUE(paths.FindRoute(oldTile.get(), oldGoal.get()).empty()) << "nothing of the old level survives";

    DestroyAll();
    paths.Init();
    EXPECT_TRUE(paths.mRooms.empty()) << "an empty list builds nothing";
}

TEST_F(PathFindingTest, TheTileUnderAnObjectIsTheLastFloorTileItTouches)
{
    AddRoom("Ward", {"..#"});
    paths.Init();
    auto walker = std::make_shared<GameObject>("Walker", 0, gObjectIdCounter);
    walker->AddComponent(std::make_shared<Transform>(1.0f, 0.0f, 0.0f, 1.0f, 1.0f), Transform::kTypeId);
    walker->AddComponent(std::make_shared<Collider>(Vector2(0.5f, 0.5f)), Collider::kTypeId);
    auto* walkerTransform = walker->GetComponent<Transform>().get();
    const auto under = [&](float x) {
        walkerTransform->position.x = x;
        walker->GetComponent<Collider>()->Init();
        const auto tile = paths.FloorTileUnder(*walker);
        return tile ? tile->name : std::string("none");
    };
    EXPECT_EQ(under(1.0f), "none") << "no Rigidbody, no overlap";
    walker->AddComponent(std::make_shared<Rigidbody>(1.0f), Rigidbody::kTypeId);
    EXPECT_EQ(under(0.0f), "Wardg0x0");
    EXPECT_EQ(under(1.0f), "Wardg0x1") << "on the seam the later tile wins";
    EXPECT_EQ(under(4.0f), "none") << "a wall is no floor";
    EXPECT_EQ(under(3.0f), "Wardg0x1");
}

}  // namespace

// The path-finding test scene: its grid, its greedy search and its lifetime.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/SceneSystem.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "physics/Rigidbody.h"
#include "scenes/LevelPTHFD.h"
#include "support/GameplayHarness.h"

using namespace testsupport;

namespace {

class PathTestSceneTest : public GameplayHarness {
protected:
    LevelPTHFD& Scene() const
    {
        return static_cast<LevelPTHFD&>(*gSceneSystem->scenes.at(SceneId::PathFindingTest));
    }
    std::shared_ptr<LevelPTHFD::Node> NodeAt(int index) const
    {
        return std::make_shared<LevelPTHFD::Node>(LevelPTHFD::Node{Scene().cells[static_cast<size_t>(index)], 0.0f, nullptr});
    }
    std::vector<int> Neighbours(int index)
    {
        std::vector<int> result;
        for (const auto& node : Scene().GetNeighbours(NodeAt(index)))
            for (size_t i = 0; i < Scene().cells.size(); ++i)
                if (Scene().cells[i] == node->tile)
                    result.push_back(static_cast<int>(i));
        return result;
    }
};

bool NoneBlocked(int) { return false; }
bool AllBlocked(int) { return true; }
// A wall down column 3 with one gap in the top row.
bool WallWithGap(int index) { return index % 25 == 3 && index / 25 != 9; }
// A wall down column 2 with a gap in the top row, and tile 26 closing the pocket at tile 1.
bool Pocket(int index) { return (index % 25 == 2 && index / 25 != 9) || index == 26; }

TEST_F(PathTestSceneTest, NeighboursStopAtTheGridsEdges)
{
    Scene().blockTile = NoneBlocked;
    EnterScene(SceneId::PathFindingTest);
    ASSERT_EQ(Scene().cells.size(), 250u);
    EXPECT_EQ(Neighbours(0), (std::vector<int>{1, 25}));
    EXPECT_EQ(Neighbours(24), (std::vector<int>{23, 49}));
    EXPECT_EQ(Neighbours(25), (std::vector<int>{26, 0, 50}));
    EXPECT_EQ(Neighbours(249), (std::vector<int>{248, 224}));
    const auto route = Scene().FindPath(*NodeAt(0), *NodeAt(1));
    ASSERT_EQ(route.size(), 1u) << "a direct neighbour is a route of one node, the goal";
    EXPECT_EQ(route[0]->tile, Scene().cells[1]);
}

TEST_F(PathTestSceneTest, TheGreedyWalkGoesRoundAWallOrGivesUpWithoutHanging)
{
    Scene().blockTile = WallWithGap;
    EnterScene(SceneId::PathFindingTest);
    // The walk climbs the wall, takes the gap in the top row and comes down the far side.
    EXPECT_FALSE(Scene().FindPath(*NodeAt(2), *NodeAt(5)).empty());
    EXPECT_TRUE(Scene().closedList.empty());
    Scene().Unload();

    // Heading right, the walk steps into the pocket and dead-ends there, though the way round
    // by the top row exists.
    Scene().blockTile = Pocket;
    EnterScene(SceneId::PathFindingTest);
    EXPECT_TRUE(Scene().FindPath(*NodeAt(0), *NodeAt(4)).empty());
    EXPECT_TRUE(Scene().closedList.empty());
}

TEST_F(PathTestSceneTest, AFullyBlockedGridMakesNoAgentAndStillRuns)
{
    Scene().blockTile = AllBlocked;
    EnterScene(SceneId::PathFindingTest);
    EXPECT_FALSE(Scene().agent);
    Hold("ACTION_RIGHT");
    StepSeconds(0.5f);
    EXPECT_GT(TransformOf("Player").GetPosition().x, 5.0f);
}

TEST_F(PathTestSceneTest, TheAgentWalksToThePlayerWithoutNaNAndLeavingClearsTheScene)
{
    Scene().blockTile = NoneBlocked;
    EnterScene(SceneId::PathFindingTest);
    ASSERT_TRUE(Scene().agent);
    // Put the agent right on a tile's centre: heading for that tile must not divide by zero.
    const auto tile = Scene().cells[0];
    Scene().agent->GetComponent<Transform>()->SetPosition(Vector2(tile->GetComponent<Transform>()->position.x,
                                                                  tile->GetComponent<Transform>()->position.y));
    Scene().path = {NodeAt(0)};
    for (int i = 0; i < 600; ++i) {
        Step();
        const Vector2 v = Scene().agent->GetComponent<Rigidbody>()->velocity;
        ASSERT_FALSE(std::isnan(v.x) || std::isnan(v.y));
    }
    const Vector3 agent = Scene().agent->GetComponent<Transform>()->GetPosition();
    const Vector3 player = TransformOf("Player").GetPosition();
    EXPECT_LT(std::hypot(agent.x - player.x, agent.y - player.y), 15.0f) << "the agent reached the player";

    const size_t objects = gGameObjects.size();
    gSceneSystem->GetCurrentScene()->Unload();
    EXPECT_TRUE(gGameObjects.empty());
    EnterScene(SceneId::PathFindingTest);
    EXPECT_EQ(gGameObjects.size(), objects) << "one set of objects per visit";
}

}  // namespace

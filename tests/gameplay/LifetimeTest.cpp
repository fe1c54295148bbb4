// A level's objects are freed when it ends, although its components link to each other.
#include <gtest/gtest.h>

#include <memory>

#include "engine/Scene.h"
#include "engine/SceneSystem.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "support/GameplayHarness.h"
#include "support/LevelBuilder.h"

using namespace testsupport;

namespace {

class LifetimeTest : public GameplayHarness {};

TEST_F(LifetimeTest, LeavingTheLevelFreesWhatItsComponentsLinkTo)
{
    BuildPlayerRig();
    StartBuiltLevel();
    StepSeconds(0.5f);
    const std::weak_ptr<GameObject> player = Object("Player");
    const std::weak_ptr<GameObject> chatBox = Object("ChatBox");
    ASSERT_FALSE(player.expired());
    gSceneSystem->GetCurrentScene()->Unload();
    EXPECT_TRUE(player.expired()) << "the controller's and the player's links kept each other alive";
    EXPECT_TRUE(chatBox.expired()) << "the controller kept the dialogue box";
}

}  // namespace

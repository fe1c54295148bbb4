#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "ai/EnemyAIBase.h"
#include "engine/Vector2.h"

class GameController;
class GameObject;

// The state machine every enemy carries. Each frame it catches the player on touch once it
// has stalked him, finds the rooms of the enemy and the player from the floor tiles under
// them, picks the state (stalk in the player's room, else the default, latch on while a
// latching enemy touches him) and hands the frame to the enemy's special behaviour or to its
// own step: pace about home, stalk along the routes, or stand.
class BasicAI : public EnemyAIBase
{
public:
    static constexpr int kTypeId = 8;

    BasicAI();

    static std::string GetTypeName() { return "BasicAI"; }

    void Init() override;
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;
    void Inspector(int id) override;

    Vector2 GetStartPosition() const { return StartPosition; }

    // The state steps (BasicAIMovement.cpp).
    void Stop();
    void Patrol();
    void Stalk();

    // Held by "no tile": equal to no tile name.
    static const std::string kNoRoom;

    std::string mPlayerRoom;
    std::string mEnemyRoom;
    std::shared_ptr<GameObject> mPlayer;
    std::shared_ptr<GameObject> mTorch;
    std::shared_ptr<GameController> mGameController;
    Vector2 mDirection{1.0f, 0.0f};
    Vector2 StartPosition;
    float PaceSpeed = 5.0f;
    float PaceDistance = 10.0f;
    float mCreepSpeed = 0.0f;
    float mSpeed = 0.0f;
    float mLightTimer = 0.0f;
    float mDarkTimer = 10.0f;
    bool mInTorchLight = false;
    // The tiles still to walk: the goal first, the next step last.
    std::vector<std::shared_ptr<GameObject>> mRoute;
    float mDeltaTime = 0.0f;
    bool mCatchArmed = false;
    bool mCaught = false;

private:
    // The floor tiles under the enemy and the player this frame (empty: none).
    std::shared_ptr<GameObject> mEnemyTile;
    std::shared_ptr<GameObject> mPlayerTile;

    void CatchPlayer();
    void FindRooms();
    void Dispatch();
    void WalkHome();
    void UpdateTorchLight();
    void FaceAlong(float velocityX);
};
